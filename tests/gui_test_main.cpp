// Entry point of the window tests: one QApplication, headless, then GoogleTest.
#include <gtest/gtest.h>

#include <QApplication>
#include <iostream>
#include <string>
#include <vector>

namespace {

// A skipped case leaves the program "Passed" in CTest's summary: each one is named at
// the end of the output with its reason, so a skip is never silent.
class SkipReport : public ::testing::EmptyTestEventListener {
    void OnTestEnd(const ::testing::TestInfo& test) override {
        if (!test.result()->Skipped()) return;
        std::string reason;
        for (int i = 0; i < test.result()->total_part_count(); ++i)
            if (test.result()->GetTestPartResult(i).skipped())
                reason = test.result()->GetTestPartResult(i).message();
        skipped_.push_back(std::string(test.test_suite_name()) + "." + test.name() + ": " + reason);
    }
    void OnTestProgramEnd(const ::testing::UnitTest&) override {
        if (skipped_.empty()) return;
        std::cout << "SKIPPED " << skipped_.size() << " case(s) of this program:\n";
        for (const std::string& line : skipped_) std::cout << "  " << line << "\n";
        std::cout << std::flush;
    }
    std::vector<std::string> skipped_;
};

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("ねじりコイルばね設計計算"));
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new SkipReport);
    return RUN_ALL_TESTS();
}
