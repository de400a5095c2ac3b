#include "platform/program_ending.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>

namespace troven {

namespace {

const ProgramEnding* watching = nullptr;

}  // namespace

bool programEnding() { return watching && watching->started(); }

ProgramEnding::ProgramEnding(std::function<QWidget*()> mainWindow)
    : mainWindow_(std::move(mainWindow)) {
    watching = this;
    connect(&signals_, &TerminationSignals::received, this, &ProgramEnding::start);
    qApp->installEventFilter(this);
}

ProgramEnding::~ProgramEnding() { watching = nullptr; }

// The session manager's order to quit (its last word at a logout, once no one cancelled it) reaches
// the application as a Quit event; Qt's own answer, closing the windows in no set order, would stop
// at the main window while the ranking window keeps it disabled. Its commit-data request is no
// ending: it comes at every save of the session, a checkpoint too, and a logout after it may still
// be cancelled.
bool ProgramEnding::eventFilter(QObject* watched, QEvent* event) {
    if (watched != qApp || event->type() != QEvent::Quit) return false;
    start();
    return true;
}

void ProgramEnding::start() {
    if (started_) return;
    started_ = true;
    proceed();
}

void ProgramEnding::proceed() {
    // A box runs its own event loop inside the handler that opened it (the name prompt inside the
    // ranking window's load). It is closed, and the ending goes on once it is gone: the program's
    // boxes are deleted as their handler takes the answer and returns.
    if (QWidget* box = QApplication::activeModalWidget()) {
        if (auto* dialog = qobject_cast<QDialog*>(box)) {
            dialog->reject();
        } else {
            box->close();
        }
        closedBoxes_.append(box);
    }
    closedBoxes_.removeAll(nullptr);
    if (!closedBoxes_.isEmpty()) {
        QTimer::singleShot(0, this, &ProgramEnding::proceed);
        return;
    }
    QWidget* main = mainWindow_();
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != main && window->isVisible()) window->close();
    }
    // The main window's close ends the program; should it refuse, the program ends all the same.
    if (!main || !main->close()) QCoreApplication::exit(0);
}

}  // namespace troven
