#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QSessionManager;

namespace troven {

class Form1;

// The table kept with the desktop session, so that a session restored at the next login (the
// program started again with its session id) brings back the game a logout interrupted. It is
// saved when the session manager asks, for that session only, in the state folder
// ($XDG_STATE_HOME/troven, else ~/.local/state/troven): a file for each save (the session's id and
// the save's key), since the session manager runs a save's discard command, which removes its
// file, once a later save has replaced it.
class SessionState : public QObject {
  public:
    // `mainWindow` gives the main window once it has been shown, and null before.
    explicit SessionState(std::function<Form1*()> mainWindow);

    // A start with the id of a saved session brings its table back into the loaded main window;
    // a plain start, or one whose state is missing, short or not this program's, stays plain
    // (and says why under troven.save).
    void restoreInto(Form1& form1) const;

    static QString pathFor(const QString& sessionId, const QString& saveKey);

  private:
    void save(QSessionManager& manager) const;

    std::function<Form1*()> mainWindow_;
};

}  // namespace troven
