// Start-up as the user meets it: from starting the process to its first shown window,
// for the calculator and for an empty main window of the same size. Each run starts a
// fresh process (offscreen) that quits once its window is up; the peak resident set of
// the last run of each is reported as a counter (kB).
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <string>
#include <vector>

extern char** environ;

namespace {

long RunOnce(const std::string& program, bool withText) {
    std::vector<std::string> env_strings;
    for (char** e = environ; *e; ++e) env_strings.emplace_back(*e);
    env_strings.emplace_back("QT_QPA_PLATFORM=offscreen");
    env_strings.emplace_back("TS_QUIT_AFTER_START=1");
    if (withText) env_strings.emplace_back("TS_EMPTY_WITH_TEXT=1");
    std::vector<char*> envp;
    for (auto& s : env_strings) envp.push_back(s.data());
    envp.push_back(nullptr);
    std::string arg0 = program;
    char* argv[] = {arg0.data(), nullptr};
    pid_t pid;
    if (posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv, envp.data()) != 0) return -1;
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return -1;
    return usage.ru_maxrss;
}

void StartUp(benchmark::State& state, const std::string& program, bool withText = false) {
    long peak_kb = 0;
    for (auto _ : state) {
        peak_kb = RunOnce(program, withText);
        if (peak_kb < 0) {
            state.SkipWithError(("could not run " + program).c_str());
            return;
        }
    }
    state.counters["peak_rss_kB"] = static_cast<double>(peak_kb);
}

void BM_StartUpCalculator(benchmark::State& state) {
    StartUp(state, TS_PROGRAM);
}
void BM_StartUpEmptyWindow(benchmark::State& state) {
    StartUp(state, TS_EMPTY_WINDOW);
}
void BM_StartUpEmptyWindowWithText(benchmark::State& state) {
    StartUp(state, TS_EMPTY_WINDOW, true);
}

BENCHMARK(BM_StartUpCalculator)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10)->Repetitions(3);
BENCHMARK(BM_StartUpEmptyWindow)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(10)
    ->Repetitions(3);
BENCHMARK(BM_StartUpEmptyWindowWithText)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(10)
    ->Repetitions(3);

}  // namespace

BENCHMARK_MAIN();
