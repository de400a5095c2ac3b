#pragma once

#include <QObject>

class QWidget;

namespace troven {

// Keeps from a box the keys pressed before it was shown: keys meant for the table that a busy
// machine delivers after the box came (digits played quickly after the play that ends a game,
// a second Enter) are not the box's. A key's time is the display server's, on the monotonic clock
// the program reads too; a key without a time (one the program made itself) is taken.
class KeysFromNowOn : public QObject {
  public:
    explicit KeysFromNowOn(QWidget* box);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* box_;
    quint64 shownAt_ = 0;  // milliseconds on the monotonic clock; 0 until shown
};

}  // namespace troven
