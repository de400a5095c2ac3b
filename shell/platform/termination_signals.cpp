#include "platform/termination_signals.h"

#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace troven {

namespace {

constexpr std::array kSignals = {SIGTERM, SIGINT, SIGHUP};

// The pipe's two ends; one process has one set of signal handlers, so one pipe.
std::array<int, 2> pipeEnds = {-1, -1};

void onSignal(int signalNumber) {
    // Only what is safe in a signal handler: one write, and errno as the interrupted code had it.
    const int savedErrno = errno;
    const auto byte = static_cast<unsigned char>(signalNumber);
    [[maybe_unused]] const ssize_t written = write(pipeEnds[1], &byte, 1);
    errno = savedErrno;
}

bool isIgnored(int signalNumber) {
    struct sigaction current {};
    sigaction(signalNumber, nullptr, &current);
    return current.sa_handler == SIG_IGN;
}

}  // namespace

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent) {
    if (pipe2(pipeEnds.data(), O_CLOEXEC | O_NONBLOCK) != 0) {
        qWarning("termination signals: no pipe (%s); they end the program at once",
                 std::strerror(errno));
        return;
    }
    notifier_ = new QSocketNotifier(pipeEnds[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &TerminationSignals::readPipe);

    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signalNumber : kSignals) {
        if (!isIgnored(signalNumber)) sigaction(signalNumber, &action, nullptr);
    }
}

TerminationSignals::~TerminationSignals() {
    if (!notifier_) return;
    for (const int signalNumber : kSignals) {
        if (!isIgnored(signalNumber)) signal(signalNumber, SIG_DFL);
    }
    delete notifier_;
    close(pipeEnds[0]);
    close(pipeEnds[1]);
    pipeEnds = {-1, -1};
}

void TerminationSignals::readPipe() {
    unsigned char byte = 0;
    while (read(pipeEnds[0], &byte, 1) == 1) emit received(byte);
}

}  // namespace troven
