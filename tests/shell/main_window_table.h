#pragma once

#include <QAccessible>
#include <QDir>
#include <QLabel>
#include <QTemporaryDir>

#include <array>
#include <memory>

#include "accessibility/announcer.h"
#include "game/card.h"
#include "platform/previous_instance.h"
#include "recording_output.h"
#include "score_files.h"
#include "scripted_random.h"
#include "shown_window.h"
#include "sound/mm_control.h"
#include "wave/wave_file.h"
#include "widgets/picture_box_widget.h"
#include "windows/form1_main_window.h"
#include "windows/form2_ranking_window.h"

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
// given, a score.dat. Its sound devices play through recording outputs: every command that
// reaches an output is noted ("MMControl1 Play"; "Open" when the output is made, "Close" when it
// goes), with the count the table showed at that moment.
struct MainWindowTable {
    explicit MainWindowTable(const std::array<Card, kDeckSize>& deck,
                             const QByteArray& scoreFile = {})
        : random(dealing(deck)), previous(dir.filePath(QStringLiteral("lock"))) {
        QDir::setCurrent(dir.path());
        if (!scoreFile.isEmpty() && !writeFile(QStringLiteral("score.dat"), scoreFile)) {
            qFatal("cannot write score.dat");
        }
        form = std::make_unique<Form1>(
            previous, random, recordingOutputs([this](const WaveSound& sound, const char* what) {
                // No wave files in the folder: each device plays its built-in sound.
                static const QByteArray card =
                    readWaveFile(QStringLiteral(":/sounds/card.wav"))->samples;
                commands.append(
                    QLatin1String(sound.samples == card ? "MMControl1 " : "MMControl2 ") +
                    QLatin1String(what));
                countShownAtCommand.append(form ? label(QStringLiteral("Label6"))->text()
                                                : QString());
            }));
    }
    ~MainWindowTable() {
        if (Form2* ranking = shownWindow<Form2>()) ranking->close();
        form.reset();  // while what it notes can still be written down
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
    QStringList countShownAtCommand;
};

}  // namespace troven::testing
