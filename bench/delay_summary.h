#pragma once

// The one way the sound benchmarks report their delays: how many, the median and the worst.

#include <algorithm>
#include <cstdio>
#include <vector>

inline double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

inline void summary(const char* what, const std::vector<double>& delays) {
    if (delays.empty()) return;
    std::printf("%-50s %3zu plays: median %5.1f ms, worst %5.1f ms\n", what, delays.size(),
                median(delays), *std::max_element(delays.begin(), delays.end()));
}
