// Starts the program and its baselines in turn, each in a fresh process, and prints the median
// time from just before the start to the first painted frame, the median resident memory and the
// median CPU time of the process at that frame. Each program must print
// "<CLOCK_MONOTONIC ns> <RSS KiB> <process CPU ns>" and exit.
//
// Usage: startup_driver RUNS WARMUPS PROGRAM BASELINE...
// Output: "time_ms <program> <baseline>...", "rss_kib ..." and "cpu_ms ..." (medians), then the
// same with "_min" and "_max" for the spread.
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
    double cpuMilliseconds;
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
    long long cpu = 0;
    if (std::sscanf(output.c_str(), "%lld %ld %lld", &frame, &resident, &cpu) != 3 || frame < started
        || resident <= 0 || cpu <= 0) {
        std::fprintf(stderr, "%s printed no usable frame report: \"%s\"\n", program, output.c_str());
        return std::nullopt;
    }
    return Sample { static_cast<double>(frame - started) / 1e6, resident, static_cast<double>(cpu) / 1e6 };
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// Prints one measure's medians, then its minima and maxima, program first.
template <typename T>
void report(const std::string &key, const std::vector<std::vector<Sample>> &samples, T Sample::*measure)
{
    std::string medians = key, minima = key + "_min", maxima = key + "_max";
    for (const std::vector<Sample> &runs : samples) {
        std::vector<double> values;
        for (const Sample &sample : runs)
            values.push_back(static_cast<double>(sample.*measure));
        const auto [least, most] = std::minmax_element(values.begin(), values.end());
        const auto append = [](std::string &line, double value) {
            char text[32];
            std::snprintf(text, sizeof text, " %.2f", value);
            line += text;
        };
        append(medians, median(values));
        append(minima, *least);
        append(maxima, *most);
    }
    std::printf("%s\n%s\n%s\n", medians.c_str(), minima.c_str(), maxima.c_str());
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
    const std::optional<int> runs = argc >= 5 ? count(argv[1]) : std::nullopt;
    const std::optional<int> warmups = argc >= 5 ? count(argv[2]) : std::nullopt;
    if (!runs || !warmups || *runs == 0) {
        std::fputs("usage: startup_driver RUNS WARMUPS PROGRAM BASELINE...\n", stderr);
        return 2;
    }
    const std::vector<const char *> programs(argv + 3, argv + argc);
    const int n = static_cast<int>(programs.size());

    std::vector<std::vector<Sample>> samples(programs.size());
    for (int round = 0; round < *warmups + *runs; ++round) {
        // Rotate the order every round so no program always runs on a freshly idle machine.
        for (int k = 0; k < n; ++k) {
            const int which = (round + k) % n;
            const std::optional<Sample> sample = runOnce(programs[which]);
            if (!sample)
                return 1;
            if (round >= *warmups)
                samples[which].push_back(*sample);
        }
    }

    report("time_ms", samples, &Sample::milliseconds);
    report("rss_kib", samples, &Sample::residentKib);
    report("cpu_ms", samples, &Sample::cpuMilliseconds);
    return 0;
}
