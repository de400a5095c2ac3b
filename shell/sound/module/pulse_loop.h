#pragma once

#include <memory>
#include <pulse/thread-mainloop.h>

namespace troven {

// The sound server client library's own thread, shared by every output of the program: it starts
// with the first output and stops when the last one goes. Everything that touches the library's
// objects holds the loop's lock, as its callbacks do.
class PulseLoop {
  public:
    static std::shared_ptr<PulseLoop> shared();

    PulseLoop();
    ~PulseLoop();
    PulseLoop(const PulseLoop&) = delete;
    PulseLoop& operator=(const PulseLoop&) = delete;

    pa_mainloop_api* api() const { return pa_threaded_mainloop_get_api(loop_); }

    class Lock {
      public:
        explicit Lock(const PulseLoop& loop) : loop_(loop.loop_) {
            pa_threaded_mainloop_lock(loop_);
        }
        ~Lock() { pa_threaded_mainloop_unlock(loop_); }
        Lock(const Lock&) = delete;
        Lock& operator=(const Lock&) = delete;

      private:
        pa_threaded_mainloop* loop_;
    };

  private:
    pa_threaded_mainloop* loop_;
};

}  // namespace troven
