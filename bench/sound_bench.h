#pragma once

// What the sound benchmarks share: reading a recording, and reporting delays (how many, the
// median and the worst).

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <vector>

// A recording of signed 16-bit samples, full scale 1; the file is closed.
inline std::vector<double> readSamples(std::FILE* file) {
    std::vector<double> samples;
    for (std::int16_t sample = 0; std::fread(&sample, sizeof sample, 1, file) == 1;) {
        samples.push_back(sample / 32768.0);
    }
    std::fclose(file);
    return samples;
}

inline double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

inline void summary(const char* what, const std::vector<double>& delays) {
    if (delays.empty()) return;
    std::printf("%-50s %3zu plays: median %5.1f ms, worst %5.1f ms\n", what, delays.size(),
                median(delays), *std::max_element(delays.begin(), delays.end()));
}
