// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
//
// bench_startup GLIMMERVIEW_PROBE BARE_PROBE [RUNS]: starts both probes in turn, RUNS times each,
// and prints the median wall time from launch to first paint and the median peak memory.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {
struct Run
{
    double milliseconds;
    long peakKiB;
    std::string size; // "width height" of the window painted
};

// The probe prints its own time to first paint, counted from the launch time it is given.
Run runOnce(const char *probe, const std::string &size = {})
{
    int output[2];
    if (pipe(output) != 0)
        std::exit(1);
    const auto launch = std::chrono::steady_clock::now();
    const std::string launchText
        = std::to_string(std::chrono::duration_cast<std::chrono::nanoseconds>(launch.time_since_epoch()).count());
    const pid_t child = fork();
    if (child == 0) {
        dup2(output[1], STDOUT_FILENO);
        close(output[0]);
        const std::size_t space = size.find(' ');
        if (space == std::string::npos)
            execl(probe, probe, launchText.c_str(), static_cast<char *>(nullptr));
        else
            execl(probe, probe, launchText.c_str(), size.substr(0, space).c_str(), size.substr(space + 1).c_str(),
                static_cast<char *>(nullptr));
        _exit(127);
    }
    close(output[1]);
    char text[64] = {};
    const ssize_t got = read(output[0], text, sizeof text - 1);
    close(output[0]);
    int status = 0;
    rusage usage {};
    wait4(child, &status, 0, &usage);
    if (got <= 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s failed\n", probe);
        std::exit(1);
    }
    char *rest = nullptr;
    const double milliseconds = std::strtod(text, &rest);
    std::string painted = rest ? std::string(rest) : std::string();
    painted.erase(0, painted.find_first_not_of(' '));
    painted.erase(painted.find_last_not_of(" \n") + 1);
    return {milliseconds, usage.ru_maxrss, painted};
}

template<typename T>
T median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}
} // namespace

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: bench_startup GLIMMERVIEW_PROBE BARE_PROBE [RUNS]\n");
        return 2;
    }
    const int runs = argc > 3 ? std::atoi(argv[3]) : 21;
    std::vector<double> timeG, timeB;
    std::vector<long> memG, memB;
    // The bare window is made as large as Glimmerview's, the overview included where it shows.
    const std::string size = runOnce(argv[1]).size; // and the file cache warmed for both
    runOnce(argv[2], size);
    for (int i = 0; i < runs; ++i) {
        const Run g = runOnce(argv[1]);
        const Run b = runOnce(argv[2], size);
        timeG.push_back(g.milliseconds);
        timeB.push_back(b.milliseconds);
        memG.push_back(g.peakKiB);
        memB.push_back(b.peakKiB);
    }
    const double tg = median(timeG), tb = median(timeB);
    const long mg = median(memG), mb = median(memB);
    std::printf("windows of %s px; start-up to first paint, median of %d: Glimmerview %.1f ms, bare main window "
                "%.1f ms, ratio %.3f\n",
        size.c_str(), runs, tg, tb, tg / tb);
    // Each pair ran back to back; the median of the pairs' ratios is the least swayed by the load.
    std::vector<double> ratios;
    for (std::size_t i = 0; i < timeG.size(); ++i)
        ratios.push_back(timeG[i] / timeB[i]);
    const double fastestG = *std::min_element(timeG.begin(), timeG.end());
    const double fastestB = *std::min_element(timeB.begin(), timeB.end());
    std::printf("median of the pairs' ratios %.3f; fastest runs %.1f ms and %.1f ms, ratio %.3f\n", median(ratios),
        fastestG, fastestB, fastestG / fastestB);
    std::printf("peak memory, median: Glimmerview %ld KiB, bare main window %ld KiB, ratio %.3f\n", mg, mb,
        static_cast<double>(mg) / static_cast<double>(mb));
    return 0;
}
