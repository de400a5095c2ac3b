// A session client that cancels the next logout, as a program with unsaved work whose user says
// Cancel would: at a save that is a shutdown it asks to interact and then answers that the
// shutdown is cancelled. Checkpoints it simply lets pass. It prints "registered" once the session
// manager knows it and "cancelled" once it has cancelled, and ends when told that the shutdown was
// cancelled, or by the session manager's order to quit.
#include <X11/SM/SMlib.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <poll.h>
#include <string>
#include <unistd.h>

namespace {

bool finished = false;

void setProperty(SmcConn connection, const char* name, const char* type,
                 std::initializer_list<std::string> values) {
    SmPropValue propValues[4];
    int count = 0;
    for (const std::string& value : values) {
        propValues[count].length = static_cast<int>(value.size());
        propValues[count].value = const_cast<char*>(value.c_str());
        ++count;
    }
    SmProp property{const_cast<char*>(name), const_cast<char*>(type), count, propValues};
    SmProp* properties[] = {&property};
    SmcSetProperties(connection, 1, properties);
}

void interact(SmcConn connection, SmPointer) {
    SmcInteractDone(connection, True);
    SmcSaveYourselfDone(connection, True);
    std::puts("cancelled");
    std::fflush(stdout);
}

void saveYourself(SmcConn connection, SmPointer, int, Bool shutdown, int interactStyle, Bool) {
    if (shutdown && interactStyle == SmInteractStyleAny &&
        SmcInteractRequest(connection, SmDialogNormal, interact, nullptr)) {
        return;  // done once the session manager lets it interact
    }
    SmcSaveYourselfDone(connection, True);
}

void die(SmcConn, SmPointer) { finished = true; }
void saveComplete(SmcConn, SmPointer) {}
void shutdownCancelled(SmcConn, SmPointer) { finished = true; }

}  // namespace

int main(int, char** argv) {
    SmcCallbacks callbacks{};
    callbacks.save_yourself.callback = saveYourself;
    callbacks.die.callback = die;
    callbacks.save_complete.callback = saveComplete;
    callbacks.shutdown_cancelled.callback = shutdownCancelled;
    char* clientId = nullptr;
    char error[256] = "";
    SmcConn connection =
        SmcOpenConnection(nullptr, nullptr, SmProtoMajor, SmProtoMinor,
                          SmcSaveYourselfProcMask | SmcDieProcMask | SmcSaveCompleteProcMask |
                              SmcShutdownCancelledProcMask,
                          &callbacks, nullptr, &clientId, sizeof error, error);
    if (!connection) {
        std::fprintf(stderr, "logout_canceller: no session manager: %s\n", error);
        return 1;
    }
    // The properties every client must set; never restarted with the session.
    const std::string program = argv[0];
    setProperty(connection, SmProgram, SmARRAY8, {program});
    setProperty(connection, SmRestartCommand, SmLISTofARRAY8, {program});
    setProperty(connection, SmCloneCommand, SmLISTofARRAY8, {program});
    setProperty(connection, SmUserID, SmARRAY8, {std::to_string(getuid())});
    char restartNever = SmRestartNever;
    SmPropValue hint{1, &restartNever};
    SmProp hintProperty{const_cast<char*>(SmRestartStyleHint), const_cast<char*>(SmCARD8), 1,
                        &hint};
    SmProp* hintProperties[] = {&hintProperty};
    SmcSetProperties(connection, 1, hintProperties);
    std::puts("registered");
    std::fflush(stdout);

    IceConn ice = SmcGetIceConnection(connection);
    pollfd watched{IceConnectionNumber(ice), POLLIN, 0};
    while (!finished && poll(&watched, 1, -1) >= 0) {
        if (IceProcessMessages(ice, nullptr, nullptr) == IceProcessMessagesIOError) break;
    }
    SmcCloseConnection(connection, 0, nullptr);
    std::free(clientId);
    return 0;
}
