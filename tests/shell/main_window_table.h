#pragma once

#include <QAccessible>
#include <QDir>
#include <QLabel>
#include <QTemporaryDir>

#include <array>
#include <memory>

#include "announcer.h"
#include "card.h"
#include "form1_main_window.h"
#include "form2_ranking_window.h"
#include "mm_control.h"
#include "picture_box_widget.h"
#include "previous_instance.h"
#include "score_files.h"
#include "scripted_random.h"
#include "shown_window.h"

namespace troven::testing {

// What a screen reader was told last in `window`: the text of its notification shown last.
inline QString announced(const QWidget* window) {
    const auto* announcer = window->findChild<Announcer*>();
    QWidget* notification = announcer ? announcer->lastNotification() : nullptr;
    if (!notification || !notification->isVisible()) return QStringLiteral("<nothing>");
    QAccessibleInterface* said = QAccessible::queryAccessibleInterface(notification);
    if (said->role() != QAccessible::Notification) return QStringLiteral("<not a notification>");
    return said->text(QAccessible::Name);
}

// The main window in a working folder of its own, with its own lock, a known deal and, when
// given, a score.dat. It records every command its sound devices get ("MMControl1 Play") and
// where the deck stood at each.
struct MainWindowTable {
    explicit MainWindowTable(const std::array<Card, kDeckSize>& deck,
                             const QByteArray& scoreFile = {})
        : random(dealing(deck)), previous(dir.filePath(QStringLiteral("lock"))) {
        QDir::setCurrent(dir.path());
        if (!scoreFile.isEmpty() && !writeFile(QStringLiteral("score.dat"), scoreFile)) {
            qFatal("cannot write score.dat");
        }
        form = std::make_unique<Form1>(previous, random);
        for (const char* name : {"MMControl1", "MMControl2"}) {
            QObject::connect(child<MMControl>(QString::fromLatin1(name)), &MMControl::commandIssued,
                             [this, name](MMControl::Command c) {
                                 commands.append(QString::fromLatin1(name) + QLatin1Char(' ') +
                                                 QVariant::fromValue(c).toString());
                                 deckPosAtCommand.append(form->game().state().DeckPos);
                             });
        }
    }
    ~MainWindowTable() {
        if (Form2* ranking = shownWindow<Form2>()) ranking->close();
        QDir::setCurrent(QDir::tempPath());
    }
    MainWindowTable(const MainWindowTable&) = delete;
    MainWindowTable& operator=(const MainWindowTable&) = delete;

    // Loads and shows the main window, as the program starts it.
    bool open() {
        if (!form->Form_Load()) return false;
        form->show();
        return true;
    }
    template <typename T>
    T* child(const QString& name) const {
        T* found = form->findChild<T*>(name);
        if (!found) qFatal("no control %s", qPrintable(name));
        return found;
    }
    PictureBoxWidget* slot(int k) const {
        return child<PictureBoxWidget>(QStringLiteral("Picture2(%1)").arg(k));
    }
    QLabel* label(const QString& name) const { return child<QLabel>(name); }
    qsizetype count(const QString& command) const { return commands.count(command); }
    // The commands of one device, without its name: "Open", "Prev", "Play".
    QStringList commandsOf(const QString& device) const {
        QStringList own;
        for (const QString& command : commands) {
            if (command.startsWith(device + QLatin1Char(' ')))
                own << command.sliced(device.size() + 1);
        }
        return own;
    }

    QTemporaryDir dir;
    ScriptedRandom random;
    PreviousInstance previous;
    std::unique_ptr<Form1> form;
    QStringList commands;
    QList<int> deckPosAtCommand;
};

}  // namespace troven::testing
