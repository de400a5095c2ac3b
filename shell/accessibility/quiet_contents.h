#pragma once

class QDialog;
class QWidget;

namespace troven {

// While one lives, a screen reader is told nothing of the controls inside `window`, only of the
// window itself and of announcements (Announcer). Disabling or enabling a window makes Qt tell of
// every control in it (the main window holds about 85), showing it of every control that appears
// with it, and Orca 43 works through each event before it speaks again; a window being built, not
// yet shown, has nothing to tell. The screen reader asks a control's name and state when it comes
// to the control. One window at a time.
class QuietContents {
  public:
    explicit QuietContents(const QWidget* window);
    ~QuietContents();
    QuietContents(const QuietContents&) = delete;
    QuietContents& operator=(const QuietContents&) = delete;
};

// Runs a modal box as QDialog::exec() does, with its controls appearing quietly (about a dozen
// events): a screen reader reads the box when the window system activates it.
int execWithQuietContents(QDialog& box);

}  // namespace troven
