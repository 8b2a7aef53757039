#pragma once

// What the benchmarks share: the number of runs from the command line and
// the median of the times measured.

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <vector>

namespace qm530::bench {

// --runs N (at least 1; default 3); nothing on a usage error, which is
// printed.
inline std::optional<int> RunsOption(int argc, char** argv) {
    int runs = 3;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--runs") == 0 && i + 1 < argc) {
            runs = std::max(1, std::atoi(argv[++i]));
        } else {
            std::fprintf(stderr, "usage: %s [--runs N]\n", argv[0]);
            return std::nullopt;
        }
    }
    return runs;
}

inline double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace qm530::bench
