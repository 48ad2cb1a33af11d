// Starts the program and the baseline alternately, each in a fresh process, and prints the
// median time from just before the start to the first painted frame, and the median resident
// memory at that frame. Each program must print "<CLOCK_MONOTONIC ns> <RSS KiB>" and exit.
//
// Usage: startup_driver RUNS WARMUPS PROGRAM BASELINE
// Output: "time_ms <program> <baseline>" and "rss_kib <program> <baseline>" (medians), then
// the same with "_min" and "_max" for the spread.
#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <spawn.h>
#include <string>
#include <string_view>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

struct Sample
{
    double milliseconds;
    long residentKib;
};

long long monotonicNanoseconds()
{
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

std::optional<Sample> runOnce(const char *program)
{
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return std::nullopt;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[1]);

    char *const argv[] = { const_cast<char *>(program), nullptr };
    pid_t child = 0;
    const long long started = monotonicNanoseconds();
    const int spawned = posix_spawn(&child, program, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    if (spawned != 0) {
        close(pipeEnds[0]);
        std::fprintf(stderr, "cannot start %s: error %d\n", program, spawned);
        return std::nullopt;
    }

    std::string output;
    char buffer[256];
    for (;;) {
        const ssize_t got = read(pipeEnds[0], buffer, sizeof buffer);
        if (got > 0)
            output.append(buffer, static_cast<std::size_t>(got));
        else if (got == 0 || errno != EINTR)
            break;
    }
    close(pipeEnds[0]);
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) { }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s failed (status %d)\n", program, status);
        return std::nullopt;
    }

    long long frame = 0;
    long resident = 0;
    if (std::sscanf(output.c_str(), "%lld %ld", &frame, &resident) != 2 || frame < started || resident <= 0) {
        std::fprintf(stderr, "%s printed no usable frame report: \"%s\"\n", program, output.c_str());
        return std::nullopt;
    }
    return Sample { static_cast<double>(frame - started) / 1e6, resident };
}

template <typename T>
T median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

std::optional<int> count(std::string_view text)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 0)
        return std::nullopt;
    return value;
}

} // namespace

int main(int argc, char *argv[])
{
    const std::optional<int> runs = argc == 5 ? count(argv[1]) : std::nullopt;
    const std::optional<int> warmups = argc == 5 ? count(argv[2]) : std::nullopt;
    if (!runs || !warmups || *runs == 0) {
        std::fputs("usage: startup_driver RUNS WARMUPS PROGRAM BASELINE\n", stderr);
        return 2;
    }
    const char *programs[] = { argv[3], argv[4] };

    std::vector<Sample> samples[2];
    for (int round = 0; round < *warmups + *runs; ++round) {
        // Swap the order every round so neither side always runs on a freshly idle machine.
        for (int k = 0; k < 2; ++k) {
            const int which = (round + k) % 2;
            const std::optional<Sample> sample = runOnce(programs[which]);
            if (!sample)
                return 1;
            if (round >= *warmups)
                samples[which].push_back(*sample);
        }
    }

    std::vector<double> times[2];
    std::vector<long> residents[2];
    for (int which = 0; which < 2; ++which) {
        for (const Sample &sample : samples[which]) {
            times[which].push_back(sample.milliseconds);
            residents[which].push_back(sample.residentKib);
        }
    }
    std::printf("time_ms %.2f %.2f\n", median(times[0]), median(times[1]));
    std::printf("rss_kib %ld %ld\n", median(residents[0]), median(residents[1]));
    const auto [minTime0, maxTime0] = std::minmax_element(times[0].begin(), times[0].end());
    const auto [minTime1, maxTime1] = std::minmax_element(times[1].begin(), times[1].end());
    const auto [minRss0, maxRss0] = std::minmax_element(residents[0].begin(), residents[0].end());
    const auto [minRss1, maxRss1] = std::minmax_element(residents[1].begin(), residents[1].end());
    std::printf("time_ms_min %.2f %.2f\ntime_ms_max %.2f %.2f\n", *minTime0, *minTime1, *maxTime0, *maxTime1);
    std::printf("rss_kib_min %ld %ld\nrss_kib_max %ld %ld\n", *minRss0, *minRss1, *maxRss0, *maxRss1);
    return 0;
}
