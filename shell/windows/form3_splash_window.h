#pragma once

#include <QTimer>
#include <QWidget>

#include <functional>

namespace troven {

// The splash: a small borderless card with the title and the emblem, which hands over to the main
// window after 1500 milliseconds, or at once when it is closed before (Alt+F4, the window
// manager's close).
class Form3 : public QWidget {
    Q_OBJECT

  public:
    static constexpr QSize kSize{145, 89};
    static constexpr int kInterval = 1500;

    // `showForm1` is called once, after the splash has gone.
    explicit Form3(std::function<void()> showForm1);

    void Form_Load();
    void Timer1_Timer();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    std::function<void()> showForm1_;
    QTimer Timer1;
};

}  // namespace troven
