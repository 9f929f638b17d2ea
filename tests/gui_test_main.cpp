// Entry point of the window tests: one QApplication, headless, then GoogleTest.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("ねじりコイルばね設計計算"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
