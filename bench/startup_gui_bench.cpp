// Start-up as the user meets it: from starting the process to its window first on
// screen, for the calculator and for an empty main window of the same size. Each run
// starts a fresh process, on the X display of the environment when there is one
// (DISPLAY set, QT_QPA_PLATFORM not) and offscreen otherwise; the process writes the moment of its first
// painted frame on standard output ("first-paint <ns>", steady clock) and ends. The
// time from before the spawn to that moment is the measured time; ending the process
// is not part of it. The calculator also reports the end of each step before it; each
// is given as a counter, the mean time from the spawn to that step (ms). The peak
// resident set of the last run is reported as a counter (kB). The calculator starts in the
// language of the environment, and in Japanese and in English by the locale (LANG, with
// LC_ALL and LC_MESSAGES unset) to compare the two.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <sstream>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct Run {
    double seconds = -1;                  // spawn to first paint
    std::map<std::string, double> steps;  // spawn to the end of each reported step, seconds
    long peakKb = -1;
};

// The locale the program starts in: empty for the environment's own, otherwise a LANG.
Run RunOnce(const std::string& program, bool withText, const std::string& locale) {
    std::vector<std::string> env_strings;
    for (char** e = environ; *e; ++e) {
        const std::string entry = *e;
        const bool localeEntry =
            entry.starts_with("LANG=") || entry.starts_with("LC_ALL=") || entry.starts_with("LC_MESSAGES=");
        if (locale.empty() || !localeEntry) env_strings.push_back(entry);
    }
    if (!locale.empty()) env_strings.push_back("LANG=" + locale);
    if (getenv("QT_QPA_PLATFORM") == nullptr && getenv("DISPLAY") == nullptr)
        env_strings.emplace_back("QT_QPA_PLATFORM=offscreen");
    env_strings.emplace_back("TS_QUIT_AFTER_START=1");
    if (withText) env_strings.emplace_back("TS_EMPTY_WITH_TEXT=1");
    std::vector<char*> envp;
    for (auto& s : env_strings) envp.push_back(s.data());
    envp.push_back(nullptr);
    std::string arg0 = program;
    char* argv[] = {arg0.data(), nullptr};

    int fds[2];
    if (pipe(fds) != 0) return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    posix_spawn_file_actions_addclose(&actions, fds[1]);

    const auto start = std::chrono::steady_clock::now();
    pid_t pid;
    const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    if (spawned != 0) {
        close(fds[0]);
        return {};
    }
    std::string output;
    char buffer[256];
    for (ssize_t n; (n = read(fds[0], buffer, sizeof buffer)) > 0;)
        output.append(buffer, static_cast<size_t>(n));
    close(fds[0]);
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return {};

    const long long startNs =
        std::chrono::duration_cast<std::chrono::nanoseconds>(start.time_since_epoch()).count();
    Run run;
    std::istringstream lines(output);
    std::string step;
    long long ns = 0;
    while (lines >> step >> ns) run.steps[step] = static_cast<double>(ns - startNs) * 1e-9;
    const auto painted = run.steps.find("first-paint");
    if (painted == run.steps.end() || painted->second <= 0) return {};
    run.seconds = painted->second;
    run.peakKb = usage.ru_maxrss;
    return run;
}

void StartUp(benchmark::State& state, const std::string& program, bool withText = false,
             const std::string& locale = {}) {
    long peak_kb = 0;
    std::map<std::string, double> stepSums;
    for (auto _ : state) {
        const Run run = RunOnce(program, withText, locale);
        if (run.seconds < 0) {
            state.SkipWithError(("no first painted window from " + program).c_str());
            return;
        }
        state.SetIterationTime(run.seconds);
        for (const auto& [name, seconds] : run.steps) stepSums[name] += seconds;
        peak_kb = run.peakKb;
    }
    state.counters["peak_rss_kB"] = static_cast<double>(peak_kb);
    if (stepSums.size() > 1) {
        for (const auto& [name, sum] : stepSums)
            state.counters[name + "_ms"] = benchmark::Counter(sum * 1e3, benchmark::Counter::kAvgIterations);
    }
    const char* platform = getenv("QT_QPA_PLATFORM");
    state.SetLabel(platform != nullptr ? platform : (getenv("DISPLAY") != nullptr ? "xcb" : "offscreen"));
}

void BM_StartUpCalculator(benchmark::State& state) {
    StartUp(state, TS_PROGRAM);
}
void BM_StartUpCalculatorJapanese(benchmark::State& state) {
    StartUp(state, TS_PROGRAM, false, "ja_JP.UTF-8");
}
void BM_StartUpCalculatorEnglish(benchmark::State& state) {
    StartUp(state, TS_PROGRAM, false, "en_US.UTF-8");
}
void BM_StartUpEmptyWindow(benchmark::State& state) {
    StartUp(state, TS_EMPTY_WINDOW);
}
void BM_StartUpEmptyWindowWithText(benchmark::State& state) {
    StartUp(state, TS_EMPTY_WINDOW, true);
}

BENCHMARK(BM_StartUpCalculator)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(20)
    ->Repetitions(3);
BENCHMARK(BM_StartUpCalculatorJapanese)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(20)
    ->Repetitions(3);
BENCHMARK(BM_StartUpCalculatorEnglish)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(20)
    ->Repetitions(3);
BENCHMARK(BM_StartUpEmptyWindow)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(20)
    ->Repetitions(3);
BENCHMARK(BM_StartUpEmptyWindowWithText)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(20)
    ->Repetitions(3);

}  // namespace

BENCHMARK_MAIN();
