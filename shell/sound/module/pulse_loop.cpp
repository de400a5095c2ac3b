#include "sound/module/pulse_loop.h"

#include <mutex>

namespace troven {

std::shared_ptr<PulseLoop> PulseLoop::shared() {
    static std::mutex mutex;
    static std::weak_ptr<PulseLoop> current;
    const std::lock_guard guard(mutex);
    std::shared_ptr<PulseLoop> loop = current.lock();
    if (!loop) {
        loop = std::make_shared<PulseLoop>();
        current = loop;
    }
    return loop;
}

PulseLoop::PulseLoop() : loop_(pa_threaded_mainloop_new()) {
    pa_threaded_mainloop_set_name(loop_, "sound");
    pa_threaded_mainloop_start(loop_);
}

PulseLoop::~PulseLoop() {
    pa_threaded_mainloop_stop(loop_);
    pa_threaded_mainloop_free(loop_);
}

}  // namespace troven
