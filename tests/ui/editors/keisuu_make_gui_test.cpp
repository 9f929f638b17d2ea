// The coefficient window on its real controls: fields shown at creation, values
// taken over and saved beside the program, and the two ways a save can fail.
#include <gtest/gtest.h>

#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <cstring>

#include "core/materials/coefficients.h"
#include "tests/support/fake_dialogs.h"
#include "tests/support/test_files.h"
#include "ui/editors/u_keisuu_make.h"

using namespace torsion;

namespace {

double DoubleAt(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
    double v = 0;
    std::memcpy(&v, bytes.data() + offset, sizeof v);
    return v;
}

// A record whose values all show exactly in 15 digits and whose reserved bytes are
// not zero, as a file written by another program may hold them.
std::vector<std::uint8_t> SampleFile() {
    CoefficientRecord record;
    for (std::size_t i = 0; i < record.reservedHead.size(); ++i)
        record.reservedHead[i] = static_cast<std::uint8_t>(0xA0 + i);
    for (std::size_t i = 0; i < record.reservedTail.size(); ++i)
        record.reservedTail[i] = static_cast<std::uint8_t>(i * 7 + 3);
    record.values = {80, 80, 1.25, 15, 27.5, 0.001, -3.75e-7};
    return EncodeCoefficients(record);
}

class KeisuuMakeTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        original = SampleFile();
        WriteBytes(filePath(), original);
        LoadCoefficients(coefficients, filePath().toStdString());
        window = std::make_unique<Tkeisuu_make>(coefficients, dialogs, dir.path());
    }
    QString filePath() const { return dir.path() + QStringLiteral("/keisuu.dat"); }
    QLineEdit* edit(int n) const { return window->findChild<QLineEdit*>(QStringLiteral("Edit%1").arg(n)); }
    void press() {
        QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("BitBtn1")), Qt::LeftButton);
    }

    QTemporaryDir dir;
    std::vector<std::uint8_t> original;
    CoefficientRecord coefficients;
    FakeDialogs dialogs;
    std::unique_ptr<Tkeisuu_make> window;
};

TEST_F(KeisuuMakeTest, ShowsEveryValueInTheFullFormatUnderItsCaptions) {
    EXPECT_EQ(window->windowTitle(), QStringLiteral("係数編集"));
    EXPECT_EQ(window->objectName(), QStringLiteral("keisuu_make"));
    const QStringList expected = {"80", "80", "1.25", "15", "27.5", "0.001", "-3.75E-7"};
    for (int n = 1; n <= 7; ++n) {
        ASSERT_NE(edit(n), nullptr) << n;
        EXPECT_EQ(edit(n)->text(), expected[n - 1]) << n;
    }
    auto* group1 = window->findChild<QGroupBox*>(QStringLiteral("GroupBox1"));
    auto* group2 = window->findChild<QGroupBox*>(QStringLiteral("GroupBox2"));
    ASSERT_NE(group1, nullptr);
    ASSERT_NE(group2, nullptr);
    EXPECT_EQ(group1->title(), QStringLiteral("許容応力の設定"));
    EXPECT_EQ(group2->title(), QStringLiteral("初張力の設定"));
    for (int n = 1; n <= 7; ++n) EXPECT_EQ(edit(n)->parentWidget(), n <= 3 ? group1 : group2) << n;
    EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("CaptionEdit2"))->text(),
              QStringLiteral("冷間引張りばねと圧縮ばねの許容ねじり応力割合"));
    EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("GuideEdit3"))->text(),
              QStringLiteral("（ 1..25 ）"));
    EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("GuideEdit5"))->text(), QStringLiteral("(20%～35%)"));
    EXPECT_EQ(window->findChild<QPushButton*>(QStringLiteral("BitBtn1"))->text(),
              QStringLiteral("設定ボタン"));
    // The note that the torsion calculation leaves these values alone is whole on the window.
    auto* note = window->findChild<QLabel*>(QStringLiteral("UnusedNote"));
    ASSERT_NE(note, nullptr);
    EXPECT_TRUE(note->text().contains(QStringLiteral("計算には使われません")));
    EXPECT_LE(note->fontMetrics().horizontalAdvance(note->text()), note->width());
    EXPECT_TRUE(window->rect().contains(note->geometry()));
}

TEST_F(KeisuuMakeTest, SavingUnchangedFieldsWritesTheLoadedFileBackByteForByte) {
    QFile::remove(filePath());
    press();
    EXPECT_TRUE(dialogs.errors.isEmpty());
    EXPECT_EQ(ReadBytes(filePath()), original);
}

TEST_F(KeisuuMakeTest, ATypedValueChangesOnlyItsEightBytes) {
    edit(4)->clear();
    QTest::keyClicks(edit(4), QStringLiteral("25"));
    press();
    const std::vector<std::uint8_t> saved = ReadBytes(filePath());
    ASSERT_EQ(saved.size(), original.size());
    EXPECT_EQ(DoubleAt(saved, 28), 25.0);
    for (std::size_t i = 0; i < saved.size(); ++i) {
        if (i >= 28 && i < 36) continue;
        EXPECT_EQ(saved[i], original[i]) << "byte " << i;
    }
    EXPECT_EQ(coefficients.values[3], 25.0);
    // The window stays as it was: nothing refills the fields.
    EXPECT_EQ(edit(4)->text(), QStringLiteral("25"));
}

TEST_F(KeisuuMakeTest, ABadFieldStopsThereWithTheEarlierFieldsTakenOverAndNoFileWritten) {
    edit(1)->setText(QStringLiteral("90"));
    edit(3)->setText(QStringLiteral(" 2.5 "));
    edit(5)->setText(QStringLiteral("x"));
    edit(6)->setText(QStringLiteral("33"));
    press();
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_EQ(dialogs.errors[0], QStringLiteral("'x' は浮動小数点数ではありません"));
    EXPECT_EQ(coefficients.values[0], 90.0);
    EXPECT_EQ(coefficients.values[2], 2.5);
    EXPECT_EQ(coefficients.values[5], 0.001);  // after the bad field: untouched
    EXPECT_EQ(ReadBytes(filePath()), original);

    // Correcting the field and pressing again saves everything.
    edit(5)->setText(QStringLiteral("30"));
    press();
    EXPECT_EQ(dialogs.errors.size(), 1);
    const std::vector<std::uint8_t> saved = ReadBytes(filePath());
    EXPECT_EQ(DoubleAt(saved, 4), 90.0);
    EXPECT_EQ(DoubleAt(saved, 36), 30.0);
    EXPECT_EQ(DoubleAt(saved, 44), 33.0);
}

TEST_F(KeisuuMakeTest, AChangedValueOutsideItsHintIsMarkedAndSavedOnlyWhenConfirmed) {
    auto* guide = window->findChild<QLabel*>(QStringLiteral("GuideEdit5"));
    EXPECT_TRUE(guide->styleSheet().isEmpty());
    edit(5)->setText(QStringLiteral("16"));
    EXPECT_EQ(guide->styleSheet(), QStringLiteral("color: red"));

    dialogs.confirmAnswers = {false};
    press();
    ASSERT_EQ(dialogs.confirmations.size(), 1);
    EXPECT_EQ(dialogs.confirmations[0],
              QStringLiteral("「低温焼なまししたピアノ線の減少割合」の 16% は、目安（20～35%）の外です。\n"
                             "このまま保存しますか？"));
    EXPECT_EQ(coefficients.values[4], 27.5);
    EXPECT_EQ(ReadBytes(filePath()), original);

    // Yes saves it; values outside that were loaded so (fields 6 and 7) are not asked about.
    dialogs.confirmAnswers = {true};
    press();
    EXPECT_EQ(dialogs.confirmations.size(), 2);
    EXPECT_EQ(DoubleAt(ReadBytes(filePath()), 36), 16.0);
    edit(5)->setText(QStringLiteral("30"));
    EXPECT_TRUE(guide->styleSheet().isEmpty());
    press();
    EXPECT_EQ(dialogs.confirmations.size(), 2);
}

TEST(KeisuuMakeFolder, ASaveThatCannotCreateItsFileReportsThePath) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString missing = dir.path() + QStringLiteral("/no-such-folder");
    CoefficientRecord coefficients;
    FakeDialogs dialogs;
    Tkeisuu_make window(coefficients, dialogs, missing);
    window.findChild<QLineEdit*>(QStringLiteral("Edit2"))->setText(QStringLiteral("70"));
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("BitBtn1")), Qt::LeftButton);
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_EQ(dialogs.errors[0], QStringLiteral("ファイル %1/keisuu.dat を作成できません").arg(missing));
    EXPECT_EQ(coefficients.values[1], 70.0);
    EXPECT_FALSE(QFile::exists(missing));
}

// Writes the picture of the window for the documentation when TS_SCREENSHOT_DIR is set.
TEST(KeisuuMakePicture, WritesThePictureWhenAsked) {
    const QString out = qEnvironmentVariable("TS_SCREENSHOT_DIR");
    if (out.isEmpty()) GTEST_SKIP() << "TS_SCREENSHOT_DIR not set";
    CoefficientRecord coefficients;
    LoadCoefficients(coefficients, TS_DATA_DIR "/keisuu.dat");
    FakeDialogs dialogs;
    Tkeisuu_make window(coefficients, dialogs, QStringLiteral(TS_DATA_DIR));
    window.show();
    QTest::qWait(50);
    EXPECT_TRUE(window.grab().save(out + QStringLiteral("/keisuu-make.png")));
}

}  // namespace
