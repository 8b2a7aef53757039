// Writes one .dat file to one paced virtual radio, then to four at once
// with `qm530 write --port ... --port ...` (run in this process), and
// prints the wall times and their ratio: four radios should take about as
// long as one.

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "bench_runs.h"
#include "cli/command.h"
#include "model/dat_file.h"
#include "sim/virtual_radio.h"

namespace {

using namespace qm530;
using qm530::bench::Median;
using Clock = std::chrono::steady_clock;

// Seconds for one `qm530 write` to the radios; negative when it failed.
double TimeWrite(const std::string& file, const std::vector<const sim::VirtualRadio*>& radios) {
    std::vector<std::string> argv{"qm530", "write"};
    for (const auto* r : radios) {
        argv.push_back("--port");
        argv.push_back(r->DevicePath());
    }
    argv.push_back(file);
    std::ostringstream out, err;
    const auto start = Clock::now();
    const int code = cli::RunCli(argv, out, err);
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    if (code != 0) {
        std::fprintf(stderr, "write failed (%d): %s%s", code, out.str().c_str(), err.str().c_str());
        return -1;
    }
    return seconds;
}

}  // namespace

int main(int argc, char** argv) {
    const std::optional<int> runsGiven = bench::RunsOption(argc, argv);
    if (!runsGiven) return 2;
    const int runs = *runsGiven;
    char dir[] = "/tmp/qm530-bench-fleet-XXXXXX";
    if (::mkdtemp(dir) == nullptr) return 1;
    const std::string file = std::string(dir) + "/fleet.dat";
    if (!SaveDatFile(file, RadioImage::Default())) return 1;

    std::vector<std::unique_ptr<sim::VirtualRadio>> radios;
    for (int i = 0; i < 4; ++i) {
        radios.push_back(std::make_unique<sim::VirtualRadio>(sim::RadioOptions{}));  // paced
        const Status started = radios.back()->Start();
        if (!started) {
            std::fprintf(stderr, "virtual radio: %s\n", started.detail().c_str());
            return 1;
        }
    }
    std::printf("4 virtual radios paced at 9600 bit/s, %d runs\n", runs);
    std::vector<double> ones, fours, ratios;
    for (int i = 0; i < runs; ++i) {
        const double one = TimeWrite(file, {radios[0].get()});
        const double four =
            TimeWrite(file, {radios[0].get(), radios[1].get(), radios[2].get(), radios[3].get()});
        if (one < 0 || four < 0) return 1;
        ones.push_back(one);
        fours.push_back(four);
        ratios.push_back(four / one);
        std::printf("run %d: one radio %.3f s, four radios %.3f s, ratio %.3f\n", i + 1, one, four,
                    four / one);
    }
    std::printf("median: one radio %.3f s, four radios %.3f s, ratio %.3f (must stay below 1.10)\n",
                Median(ones), Median(fours), Median(ratios));
    for (auto& r : radios) r->Stop();
    std::remove(file.c_str());
    ::rmdir(dir);
    return Median(ratios) < 1.10 ? 0 : 1;
}
