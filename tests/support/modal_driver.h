#pragma once

#include <QApplication>
#include <QTimer>

#include <functional>

namespace troven::testing {

// Answers the next modal dialog once it is up: `answer` gets the dialog and must close it.
inline void whenModal(std::function<void(QWidget*)> answer) {
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, answer = std::move(answer)] {
        if (QWidget* dialog = QApplication::activeModalWidget(); dialog && dialog->isVisible()) {
            poll->deleteLater();
            poll->stop();
            answer(dialog);
        }
    });
    poll->start(5);
}

}  // namespace troven::testing
