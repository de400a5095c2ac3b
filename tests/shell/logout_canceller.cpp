// A session client that cancels the next logout, as a program whose user says Cancel: it asks to
// interact at a shutdown and answers that the shutdown is cancelled. Prints "registered", then
// "cancelled"; ends when the shutdown is cancelled or at the session manager's order to quit.
#include <X11/SM/SMlib.h>
#include <cstdio>
#include <poll.h>

namespace {

bool finished = false;

void say(const char* what) {
    std::puts(what);
    std::fflush(stdout);
}

void interact(SmcConn connection, SmPointer) {
    SmcInteractDone(connection, True);
    SmcSaveYourselfDone(connection, True);
    say("cancelled");
}

void saveYourself(SmcConn connection, SmPointer, int, Bool shutdown, int style, Bool) {
    if (!shutdown || style != SmInteractStyleAny ||
        !SmcInteractRequest(connection, SmDialogNormal, interact, nullptr)) {
        SmcSaveYourselfDone(connection, True);
    }
}

void finish(SmcConn, SmPointer) { finished = true; }
void ignore(SmcConn, SmPointer) {}

}  // namespace

int main() {
    SmcCallbacks callbacks{
        {saveYourself, nullptr}, {finish, nullptr}, {ignore, nullptr}, {finish, nullptr}};
    char* id = nullptr;
    char error[256] = "";
    const unsigned long all = SmcSaveYourselfProcMask | SmcDieProcMask | SmcSaveCompleteProcMask |
                              SmcShutdownCancelledProcMask;
    SmcConn connection = SmcOpenConnection(nullptr, nullptr, SmProtoMajor, SmProtoMinor, all,
                                           &callbacks, nullptr, &id, sizeof error, error);
    if (!connection) {
        std::fprintf(stderr, "no session manager: %s\n", error);
        return 1;
    }
    say("registered");
    IceConn ice = SmcGetIceConnection(connection);
    pollfd watched{IceConnectionNumber(ice), POLLIN, 0};
    while (!finished && poll(&watched, 1, -1) >= 0 &&
           IceProcessMessages(ice, nullptr, nullptr) != IceProcessMessagesIOError) {
    }
    SmcCloseConnection(connection, 0, nullptr);
}
