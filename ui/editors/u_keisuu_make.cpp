#include "ui/editors/u_keisuu_make.h"

#include <QColor>
#include <QCoreApplication>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QStringList>

#include "core/base/command_error.h"
#include "core/base/number_text.h"
#include "drawing/japanese_font.h"
#include "ui/common/box_style.h"
#include "ui/common/data_files.h"
#include "ui/common/dialogs.h"
#include "ui/common/number_box.h"
#include "ui/common/window_text.h"

using namespace torsion;

namespace {

struct CoefficientField {
    const char* caption;
    const char* guide;
};

// Edit1..Edit3 lie in the allowable-stress group, Edit4..Edit7 in the initial-tension group.
constexpr int kFirstGroupSize = 3;
const CoefficientField kFields[kCoefficientCount] = {
    {QT_TRANSLATE_NOOP("u_keisuu_make", "圧縮ばねと材料の許容ねじり応力の割合"),
     QT_TRANSLATE_NOOP("u_keisuu_make", "（　80%　）")},
    {QT_TRANSLATE_NOOP("u_keisuu_make", "冷間引張りばねと圧縮ばねの許容ねじり応力割合"),
     QT_TRANSLATE_NOOP("u_keisuu_make", "（　80%　）")},
    {QT_TRANSLATE_NOOP("u_keisuu_make", "引っ張りばねのフック部応力集中係数"),
     QT_TRANSLATE_NOOP("u_keisuu_make", "（ 1..25 ）")},
    {QT_TRANSLATE_NOOP("u_keisuu_make", "ステンレス鋼線の減少割合"),
     QT_TRANSLATE_NOOP("u_keisuu_make", "(15%)")},
    {QT_TRANSLATE_NOOP("u_keisuu_make", "低温焼なまししたピアノ線の減少割合"),
     QT_TRANSLATE_NOOP("u_keisuu_make", "(20%～35%)")},
    {QT_TRANSLATE_NOOP("u_keisuu_make", "低温焼なましした硬鋼線の減少割合"),
     QT_TRANSLATE_NOOP("u_keisuu_make", "(20%～35%)")},
    {QT_TRANSLATE_NOOP("u_keisuu_make", "低温焼なまししたステンレス鋼線の減少割合"),
     QT_TRANSLATE_NOOP("u_keisuu_make", "(15%～25%)")},
};

constexpr int kRowPitch = 28;
constexpr int kGroupTop = 22;

}  // namespace

Tkeisuu_make::Tkeisuu_make(CoefficientRecord& coefficients, Dialogs& dialogs, const QString& appDir,
                           QWidget* parent)
    : QDialog(parent), coefficients_(coefficients), dialogs_(dialogs), appDir_(appDir) {
    setObjectName(QStringLiteral("keisuu_make"));
    setWindowTitle(QCoreApplication::translate("u_keisuu_make", "係数編集"));
    setFont(JapaneseFont());
    setModal(true);
    BuildControls();
    FormCreate();
}

QString Tkeisuu_make::coefficientFilePath() const {
    return DataFileToWrite(appDir_, QStringLiteral("keisuu.dat"));
}

void Tkeisuu_make::BuildControls() {
    setFixedSize(520, 344);
    GroupBox1 = new QGroupBox(QCoreApplication::translate("u_keisuu_make", "許容応力の設定"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(8, 8, 504, kGroupTop + kFirstGroupSize * kRowPitch + 6);
    GroupBox2 = new QGroupBox(QCoreApplication::translate("u_keisuu_make", "初張力の設定"), this);
    GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    GroupBox2->setGeometry(8, 124, 504, kGroupTop + (kCoefficientCount - kFirstGroupSize) * kRowPitch + 6);

    for (int i = 0; i < kCoefficientCount; ++i) {
        QGroupBox* group = i < kFirstGroupSize ? GroupBox1 : GroupBox2;
        const int y = kGroupTop + (i < kFirstGroupSize ? i : i - kFirstGroupSize) * kRowPitch;
        const QString number = QString::number(i + 1);

        auto* caption = new QLabel(QCoreApplication::translate("u_keisuu_make", kFields[i].caption), group);
        caption->setObjectName(QStringLiteral("CaptionEdit") + number);
        caption->setGeometry(12, y + 3, 280, 16);

        auto* edit = new QLineEdit(group);
        edit->setObjectName(QStringLiteral("Edit") + number);
        edit->setGeometry(296, y, 104, 22);
        MakeNumberBox(edit);
        QPalette palette = edit->palette();
        palette.setColor(QPalette::Base, kInputColour);
        edit->setPalette(palette);
        edits_[static_cast<std::size_t>(i)] = edit;

        auto* guide = new QLabel(QCoreApplication::translate("u_keisuu_make", kFields[i].guide), group);
        guide->setObjectName(QStringLiteral("GuideEdit") + number);
        guide->setGeometry(406, y + 3, 92, 16);
        guides_[static_cast<std::size_t>(i)] = guide;
        connect(edit, &QLineEdit::textChanged, this, [this, i] { MarkGuide(i); });
    }

    // The file is kept for other spring calculations; say so where the values are typed.
    auto* unused = new QLabel(QCoreApplication::translate(
                                  "u_keisuu_make", "これらの値は、ねじりコイルばねの計算には使われません。"),
                              this);
    unused->setObjectName(QStringLiteral("UnusedNote"));
    unused->setGeometry(12, 270, 372, 20);

    BitBtn1 = new QPushButton(QCoreApplication::translate("u_keisuu_make", "設定ボタン"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(392, 266, 120, 28);
    connect(BitBtn1, &QPushButton::clicked, this, &Tkeisuu_make::BitBtn1Click);

    LabelFile = new QLabel(this);
    LabelFile->setObjectName(QStringLiteral("LabelFile"));
    LabelFile->setGeometry(8, 300, 504, 40);
    LabelFile->setTextInteractionFlags(Qt::TextSelectableByMouse);
}

void Tkeisuu_make::FormCreate() {
    ShowFilePlace();
    for (int i = 0; i < kCoefficientCount; ++i)
        edits_[static_cast<std::size_t>(i)]->setText(
            FullNumberText(coefficients_.values[static_cast<std::size_t>(i)]));
}

QString Tkeisuu_make::OutsideGuideText(int index, double value) {
    const CoefficientRange r = CoefficientGuideRange(index);
    const QString unit = r.percent ? QStringLiteral("%") : QString();
    return QCoreApplication::translate("u_keisuu_make", "「%1」の %2%3 は、目安（%4～%5%3）の外です。")
        .arg(QString::fromUtf8(kFields[index].caption), FullNumberText(value), unit, FullNumberText(r.low),
             FullNumberText(r.high));
}

void Tkeisuu_make::MarkGuide(int index) {
    // The hint turns red while the typed value lies outside it.
    bool outside = false;
    try {
        outside = OutsideGuideRange(
            index, ParseNumber(edits_[static_cast<std::size_t>(index)]->text().toStdString()));
    } catch (const CommandError&) {
        outside = false;  // not a number: "設定ボタン" says so
    }
    QLabel* guide = guides_[static_cast<std::size_t>(index)];
    const QString style = outside ? QStringLiteral("color: red") : QString();
    if (guide->styleSheet() != style) guide->setStyleSheet(style);
    guide->setToolTip(outside ? QCoreApplication::translate("u_keisuu_make", "目安の外の値です") : QString());
}

void Tkeisuu_make::BitBtn1Click() {
    RunCommand(dialogs_, this, [&] {
        const CoefficientRecord before = coefficients_;
        // Each value is taken over as soon as it is read, so a bad field leaves the
        // ones before it changed in memory and the file as it was.
        for (int i = 0; i < kCoefficientCount; ++i)
            coefficients_.values[static_cast<std::size_t>(i)] =
                ParseNumber(edits_[static_cast<std::size_t>(i)]->text().toStdString());
        // A changed value outside its hint is saved only when the user says so; "no"
        // leaves memory and file as they were.
        QStringList outside;
        for (int i = 0; i < kCoefficientCount; ++i) {
            const double value = coefficients_.values[static_cast<std::size_t>(i)];
            if (value != before.values[static_cast<std::size_t>(i)] && OutsideGuideRange(i, value))
                outside << OutsideGuideText(i, value);
        }
        if (!outside.isEmpty() &&
            !dialogs_.confirm(this, outside.join(u'\n') + QCoreApplication::translate(
                                                              "u_keisuu_make", "\nこのまま保存しますか？"))) {
            coefficients_ = before;
            return;
        }
        const QString path = coefficientFilePath();
        MakeFolderOf(path);
        SaveCoefficients(coefficients_, path.toStdString());
    });
    ShowFilePlace();
}

void Tkeisuu_make::ShowFilePlace() {
    LabelFile->setText(
        DataFilePlaceText(DataFileToRead(appDir_, QStringLiteral("keisuu.dat")), coefficientFilePath()));
}
