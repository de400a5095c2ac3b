#pragma once

#include <QString>

namespace troven {

// What the ranking window asks of the window system, so that its logic runs with scripted
// answers in tests. All three boxes are modal.
class RankingDialogs {
  public:
    virtual ~RankingDialogs() = default;
    // Text-input box with prompt, title and pre-filled text, placed by the window system.
    // Returns the empty text when the player cancels.
    virtual QString inputBox(const QString& prompt, const QString& title,
                             const QString& defaultText) = 0;
    // Yes/No message box with the question icon and no title of its own; true for Yes.
    virtual bool askYesNo(const QString& question) = 0;
    // Message box with a warning, for a save that failed.
    virtual void showWarning(const QString& message) = 0;
};

// The main window, which takes no input while the ranking window is loaded.
class MainWindowSwitch {
  public:
    virtual ~MainWindowSwitch() = default;
    virtual void setMainWindowEnabled(bool enabled) = 0;
};

}  // namespace troven
