// Records what a sink plays and when it played it, on the system's monotonic clock (the one the
// game's own clocks read), so that what the recording lags behind the sink is taken out rather
// than guessed. Two ways in:
//   --fifo FIFO RATE: a pipe sink's fifo, which the sink writes in the cycle it plays each
//     stretch of samples (PipeWire's pipe sink does, from its processing thread); every read is
//     stamped with the time it returned, the sink having just played its first sample. The
//     reader waits on the fifo, so it lags the sink by no more than its own wake-up.
//   --monitor SOURCE RATE FRAGMENT: a sink's monitor, through the server's record stream with
//     fragments of FRAGMENT frames (the shortest cycle this recorder asks of the server: make
//     it long enough not to shorten the cycle the sink would run at without it); the server's
//     own timing of the stream says when the sink played the sample recorded now (PulseAudio's
//     holds to a tenth of a millisecond; PipeWire's PulseAudio service's wanders by several).
// Writes the samples (signed 16-bit little-endian mono) to OUTPUT and, after every read, one
// line to CLOCK:
//   <monotonic microseconds> <recording microseconds> <samples recorded so far>
// saying that the recording's sample at that many microseconds from its first was played by
// the sink at that monotonic time. Stops on SIGINT or SIGTERM.
//   usage: sink_recorder --fifo FIFO RATE OUTPUT.raw CLOCK.txt
//          sink_recorder --monitor SOURCE RATE FRAGMENT OUTPUT.raw CLOCK.txt
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <poll.h>
#include <pulse/mainloop-signal.h>
#include <pulse/mainloop.h>
#include <pulse/stream.h>
#include <string>
#include <unistd.h>

namespace {

long long monotonicMicros() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1'000'000 + now.tv_nsec / 1000;
}

struct Output {
    std::FILE* samples = nullptr;
    std::FILE* clock = nullptr;
    unsigned long long recorded = 0;  // samples

    void write(const void* bytes, std::size_t length) {
        std::fwrite(bytes, 1, length, samples);
        recorded += length / 2;
    }
    void mark(long long monotonic, double recordingMicros) const {
        std::fprintf(clock, "%lld %.0f %llu\n", monotonic, recordingMicros, recorded);
    }
};

volatile std::sig_atomic_t stopRequested = 0;

int recordFifo(const char* path, double rate, Output& out) {
    const int fd = open(path, O_RDONLY | O_NONBLOCK);
    if (fd < 0) return 1;
    std::signal(SIGINT, [](int) { stopRequested = 1; });
    std::signal(SIGTERM, [](int) { stopRequested = 1; });
    char buffer[1 << 16];
    while (!stopRequested) {
        pollfd wait{fd, POLLIN, 0};
        if (poll(&wait, 1, 100) <= 0) continue;
        const ssize_t length = read(fd, buffer, sizeof buffer);
        const long long now = monotonicMicros();
        if (length <= 0) continue;
        out.mark(now, static_cast<double>(out.recorded) / rate * 1e6);
        out.write(buffer, static_cast<std::size_t>(length));
    }
    close(fd);
    return 0;
}

struct Monitor {
    pa_mainloop* loop = nullptr;
    std::string source;
    pa_sample_spec format{PA_SAMPLE_S16LE, 48000, 1};
    pa_buffer_attr buffer{};
    Output* out = nullptr;
};

void onReadable(pa_stream* stream, std::size_t, void* data) {
    auto* m = static_cast<Monitor*>(data);
    const void* bytes = nullptr;
    std::size_t length = 0;
    while (pa_stream_readable_size(stream) > 0 && pa_stream_peek(stream, &bytes, &length) == 0 &&
           length > 0) {
        if (bytes) {
            m->out->write(bytes, length);
        } else {
            // A hole would shift every later sample: silence in its place.
            const std::string silence(length, '\0');
            m->out->write(silence.data(), length);
        }
        pa_stream_drop(stream);
    }
    pa_usec_t streamMicros = 0;
    if (pa_stream_get_time(stream, &streamMicros) == 0) {
        m->out->mark(monotonicMicros(), static_cast<double>(streamMicros));
    }
}

void onContext(pa_context* context, void* data) {
    auto* m = static_cast<Monitor*>(data);
    switch (pa_context_get_state(context)) {
        case PA_CONTEXT_READY: {
            pa_stream* stream = pa_stream_new(context, "sink recorder", &m->format, nullptr);
            pa_stream_set_read_callback(stream, &onReadable, m);
            const auto flags = static_cast<pa_stream_flags_t>(PA_STREAM_ADJUST_LATENCY |
                                                              PA_STREAM_INTERPOLATE_TIMING |
                                                              PA_STREAM_AUTO_TIMING_UPDATE);
            if (pa_stream_connect_record(stream, m->source.c_str(), &m->buffer, flags) < 0) {
                pa_mainloop_quit(m->loop, 1);
            }
            break;
        }
        case PA_CONTEXT_FAILED:
        case PA_CONTEXT_TERMINATED:
            pa_mainloop_quit(m->loop, 1);
            break;
        default:
            break;
    }
}

void onSignal(pa_mainloop_api*, pa_signal_event*, int, void* data) {
    pa_mainloop_quit(static_cast<Monitor*>(data)->loop, 0);
}

int recordMonitor(const char* source, unsigned rate, unsigned fragment, Output& out) {
    Monitor m;
    m.source = source;
    m.format.rate = rate;
    m.buffer = {static_cast<uint32_t>(-1), static_cast<uint32_t>(-1), static_cast<uint32_t>(-1),
                static_cast<uint32_t>(-1), fragment * 2};
    m.out = &out;
    m.loop = pa_mainloop_new();
    pa_mainloop_api* api = pa_mainloop_get_api(m.loop);
    pa_signal_init(api);
    pa_signal_new(SIGINT, &onSignal, &m);
    pa_signal_new(SIGTERM, &onSignal, &m);
    pa_context* context = pa_context_new(api, "sink recorder");
    pa_context_set_state_callback(context, &onContext, &m);
    if (pa_context_connect(context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) return 1;
    int status = 0;
    pa_mainloop_run(m.loop, &status);
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    const bool fifo = argc == 6 && std::strcmp(argv[1], "--fifo") == 0;
    const bool monitor = argc == 7 && std::strcmp(argv[1], "--monitor") == 0;
    if (!fifo && !monitor) {
        std::fprintf(stderr,
                     "usage: sink_recorder --fifo FIFO RATE OUTPUT.raw CLOCK.txt\n"
                     "       sink_recorder --monitor SOURCE RATE FRAGMENT OUTPUT.raw CLOCK.txt\n");
        return 2;
    }
    Output out;
    out.samples = std::fopen(argv[argc - 2], "wb");
    out.clock = std::fopen(argv[argc - 1], "w");
    if (!out.samples || !out.clock) return 2;
    const int status = fifo ? recordFifo(argv[2], std::atof(argv[3]), out)
                            : recordMonitor(argv[2], static_cast<unsigned>(std::atoi(argv[3])),
                                            static_cast<unsigned>(std::atoi(argv[4])), out);
    std::fclose(out.samples);
    std::fclose(out.clock);
    return status;
}
