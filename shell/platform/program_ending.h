#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

#include <functional>

#include "platform/termination_signals.h"

class QWidget;

namespace troven {

// Whether the program is being ended from outside (by the ProgramEnding that watches for it). Its
// windows then take the answer an open box offers (the name prompt: the name it offered) and show
// no new boxes. Once begun, an ending is never called off.
bool programEnding();

// Ends the program from outside as the main window's close box ends it: on SIGTERM, SIGINT or
// SIGHUP, and when the desktop session ends (the session manager's order to quit, which comes only
// once a logout can no longer be cancelled). Open boxes are closed first and left to return; then
// every other window closes (the ranking window saves and gives the main window back), and then the
// main window, which closes the sound devices and ends the program. Before the main window has
// come, the program simply ends.
class ProgramEnding : public QObject {
    Q_OBJECT

  public:
    // `mainWindow` gives the main window once it has been shown, and null before.
    explicit ProgramEnding(std::function<QWidget*()> mainWindow);
    ~ProgramEnding() override;
    ProgramEnding(const ProgramEnding&) = delete;
    ProgramEnding& operator=(const ProgramEnding&) = delete;

    void start();
    bool started() const { return started_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void proceed();

    std::function<QWidget*()> mainWindow_;
    TerminationSignals signals_;
    bool started_ = false;
    QList<QPointer<QWidget>> closedBoxes_;  // boxes closed by the ending, until they are gone
};

}  // namespace troven
