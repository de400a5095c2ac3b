// Starts a program and reports when each of the named top-level windows is first mapped on the X
// display, in milliseconds since the start, then ends the program and reports its peak resident
// memory and the processor time it used. It listens for MapNotify events instead of polling, so it
// leaves the CPU to the program.
//
//   map_watch TITLE [TITLE...] -- PROGRAM [ARGS...]
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <set>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>
#include <xcb/xcb.h>

namespace {

std::string windowName(xcb_connection_t* c, xcb_window_t w) {
    const xcb_get_property_cookie_t cookie =
        xcb_get_property(c, 0, w, XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY, 0, 256);
    xcb_get_property_reply_t* reply = xcb_get_property_reply(c, cookie, nullptr);
    if (!reply) return {};
    std::string name(static_cast<const char*>(xcb_get_property_value(reply)),
                     static_cast<std::size_t>(xcb_get_property_value_length(reply)));
    free(reply);
    return name;
}

}  // namespace

int main(int argc, char** argv) {
    std::set<std::string> waiting;
    int i = 1;
    for (; i < argc && std::strcmp(argv[i], "--") != 0; ++i) waiting.insert(argv[i]);
    if (waiting.empty() || i + 1 >= argc) {
        std::fprintf(stderr, "usage: map_watch TITLE [TITLE...] -- PROGRAM [ARGS...]\n");
        return 2;
    }
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "map_watch: no X display\n");
        return 2;
    }
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, screen->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(c);

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[i + 1], argv + i + 1);
        _exit(127);
    }
    while (!waiting.empty()) {
        xcb_generic_event_t* event = xcb_wait_for_event(c);
        if (!event) break;
        if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
            const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
            const double ms =
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                    .count();
            const std::string name = windowName(c, map->window);
            if (waiting.erase(name) != 0) std::printf("%s\t%.1f\n", name.c_str(), ms);
        }
        free(event);
    }
    usleep(300 * 1000);  // let it settle before measuring its memory
    kill(child, SIGTERM);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    std::printf("peak-rss-kb\t%ld\n", usage.ru_maxrss);
    const auto ms = [](const timeval& t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; };
    std::printf("cpu-ms\t%.1f\n", ms(usage.ru_utime) + ms(usage.ru_stime));
    xcb_disconnect(c);
    return 0;
}
