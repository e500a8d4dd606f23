// Runs the headless booklet print and the floor program alternately and reports the median
// wall time and peak memory (maximum resident set size of the child) of each.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
struct Sample
{
    double milliseconds = 0;
    long peakKilobytes = 0;
};

// Runs the command with stdout and stderr kept; returns false when it cannot run or fails.
bool runOnce(const std::vector<std::string> &command, Sample &sample)
{
    std::vector<char *> argv;
    for (const std::string &part : command)
        argv.push_back(const_cast<char *>(part.c_str()));
    argv.push_back(nullptr);

    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid < 0)
        return false;
    if (pid == 0) {
        execv(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid)
        return false;
    const auto end = std::chrono::steady_clock::now();
    sample.milliseconds = std::chrono::duration<double, std::milli>(end - start).count();
    sample.peakKilobytes = usage.ru_maxrss; // kilobytes on Linux
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

template <typename T> T median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

struct Figures
{
    double milliseconds;
    long peakKilobytes;
};

Figures summarise(const std::vector<Sample> &samples)
{
    std::vector<double> times;
    std::vector<long> peaks;
    for (const Sample &s : samples) {
        times.push_back(s.milliseconds);
        peaks.push_back(s.peakKilobytes);
    }
    return {median(times), median(peaks)};
}
} // namespace

// bench_runner RUNS -- BOOKLET COMMAND... -- FLOOR COMMAND...
int main(int argc, char *argv[])
{
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() < 5 || args[1] != "--") {
        std::fputs("uso: tavo_bench_runner RUNS -- BOOKLET... -- FLOOR...\n", stderr);
        return 2;
    }
    const int runs = std::atoi(args[0].c_str());
    const auto split = std::find(args.begin() + 2, args.end(), std::string("--"));
    const std::vector<std::string> booklet(args.begin() + 2, split);
    const std::vector<std::string> floor(split == args.end() ? split : split + 1, args.end());
    if (runs < 1 || booklet.empty() || floor.empty()) {
        std::fputs("uso: tavo_bench_runner RUNS -- BOOKLET... -- FLOOR...\n", stderr);
        return 2;
    }

    // One unmeasured run each warms the file cache; then the two alternate.
    Sample warmUp;
    if (!runOnce(booklet, warmUp) || !runOnce(floor, warmUp)) {
        std::fputs("un comando del benchmark non riesce\n", stderr);
        return 1;
    }
    std::vector<Sample> bookletSamples(runs), floorSamples(runs);
    for (int i = 0; i < runs; ++i) {
        if (!runOnce(booklet, bookletSamples[i]) || !runOnce(floor, floorSamples[i])) {
            std::fputs("un comando del benchmark non riesce\n", stderr);
            return 1;
        }
    }

    const Figures b = summarise(bookletSamples);
    const Figures f = summarise(floorSamples);
    const double timeRatio = b.milliseconds / f.milliseconds;
    const double memoryRatio = double(b.peakKilobytes) / double(f.peakKilobytes);
    std::printf("%d esecuzioni ciascuno (mediane)\n", runs);
    std::printf("%-34s %10s %14s\n", "", "tempo (ms)", "memoria (KiB)");
    std::printf("%-34s %10.1f %14ld\n", "libretto A4 fascicolato, 12 pagine", b.milliseconds,
                b.peakKilobytes);
    std::printf("%-34s %10.1f %14ld\n", "pavimento: PDF di una pagina", f.milliseconds,
                f.peakKilobytes);
    std::printf("%-34s %9.2fx %13.2fx   (obiettivo: al massimo 1.50x)\n", "rapporto", timeRatio,
                memoryRatio);
    std::printf("%s\n", timeRatio <= 1.5 && memoryRatio <= 1.5 ? "obiettivo raggiunto"
                                                               : "obiettivo NON raggiunto");
    return 0;
}
