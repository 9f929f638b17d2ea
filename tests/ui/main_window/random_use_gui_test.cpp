// Thousands of random user actions on the real windows from a fixed seed: hostile
// texts in every box and grid cell, mode switches, list choices, calculations, the
// history slots, case and material files read and written, and restarts on damaged
// data files. A crash or a sanitizer report ends the program; besides that the run
// fails on a message the program does not have, on a table whose bytes do not survive
// a decode and encode, on a read that does not copy the file over the table, and on a
// save that reports success with a file that differs from memory or that fails and
// still changes the file. What the main window shows is checked against the one
// evaluation of the inputs it shows after every action, and every report and data
// sheet made against the inputs it prints.
//
// TS_RANDOM_SEED and TS_RANDOM_ACTIONS change the run; TS_RANDOM_VERBOSE=1 prints
// every action as it starts, so the last line before a crash names it.
#include <gtest/gtest.h>

#include <QApplication>
#include <iostream>

#include "tests/ui/main_window/random_use/session.h"

namespace torsion::random_use {
namespace {

constexpr std::uint32_t kDefaultSeed = 0x7D5EED01u;
constexpr int kDefaultActions = 5000;

int EnvInt(const char* name, long long fallback) {
    bool ok = false;
    const long long v = qEnvironmentVariable(name).toLongLong(&ok, 0);
    return static_cast<int>(ok ? v : fallback);
}

TEST(RandomUse, ThousandsOfActionsKeepEveryTableAndMessageSound) {
    const auto seed = static_cast<std::uint32_t>(EnvInt("TS_RANDOM_SEED", kDefaultSeed));
    const int count = EnvInt("TS_RANDOM_ACTIONS", kDefaultActions);
    const bool verbose = qEnvironmentVariableIntValue("TS_RANDOM_VERBOSE") != 0;
    std::cout << "random use: seed " << seed << ", " << count << " actions, recommended-value captions "
              << (kCheckCaptions ? "checked" : "NOT checked (TS_CHECK_CAPTIONS=0)") << std::endl;
    RecordProperty("seed", std::to_string(seed));
    QApplication::setQuitOnLastWindowClosed(false);

    RandomSession session(seed, verbose);
    ASSERT_TRUE(session.ready()) << "the default data files are missing from " TS_DATA_DIR;
    int done = 0;
    for (; done < count && session.failures() == 0; ++done) session.step(done);
    session.finish();

    std::cout << "random use: " << done << " actions ran" << std::endl;
    for (const auto& [name, n] : session.counts()) std::cout << "  " << n << "  " << name << std::endl;
    std::cout << "random use: messages" << std::endl;
    for (const auto& [text, n] : session.messageKinds()) std::cout << "  " << n << "  " << text << std::endl;
    EXPECT_EQ(done, count);
}

}  // namespace
}  // namespace torsion::random_use
