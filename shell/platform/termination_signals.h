#pragma once

#include <QObject>

class QSocketNotifier;

namespace troven {

// SIGTERM (logout, shutdown, kill), SIGINT (Ctrl+C) and SIGHUP (the terminal closed), delivered
// as a Qt signal on the thread that made this object, in its event loop: the handler itself only
// writes the signal's number into a pipe that a socket notifier watches. A signal the program was
// started with ignored (nohup, a background job of a script) stays ignored.
class TerminationSignals : public QObject {
    Q_OBJECT

  public:
    explicit TerminationSignals(QObject* parent = nullptr);
    // Gives the signals back their default action.
    ~TerminationSignals() override;

  signals:
    void received(int signalNumber);

  private:
    void readPipe();

    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace troven
