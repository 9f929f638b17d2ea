#include "print/prin.h"

#include <QEvent>
#include <QHeaderView>
#include <QPainter>
#include <QPixmap>
#include <QStyledItemDelegate>
#include <functional>
#include <utility>

#include "app/sjis.h"
#include "calc/number_text.h"
#include "graphics/japanese_font.h"
#include "print/data_sheet_sketch.h"
#include "print/window_print.h"

using namespace torsion;

namespace {

QString Short(double value) {
    return QString::fromStdString(FormatShort(value));
}
QString Full(double value) {
    return QString::fromStdString(FormatFull(value));
}

// The torque labels on the sketch and the spring constant convert with the rounded
// factor, the table's moments and stresses with standard gravity.
constexpr double kSketchFactor = 9.807;
constexpr double kGravity = 9.80665;

constexpr std::array<int, kDataSheetColumns> kColumnWidths{64, 222, 97, 169};
constexpr int kRowHeight = 30;

struct TableRow {
    const char* item;
    const char* unit;
};
// Rows 1..14; row 15 has only its number.
constexpr std::array<TableRow, 14> kRows{{
    {"材質", nullptr},
    {"材料の線径", "ｍｍ"},
    {"コイル平均径", "ｍｍ"},
    {"コイル外径", "ｍｍ"},
    {"巻数", "巻数"},
    {"巻き方向", nullptr},
    {"ねじれ角度１", "度"},
    {"モーメント１", "Ｎ・ｍｍ"},
    {"曲げ応力１", "Ｎ/ｍｍ＾２"},
    {"ねじれ角度２", "度"},
    {"モーメント２", "Ｎ・ｍｍ"},
    {"曲げ応力２", "Ｎ/ｍｍ＾２"},
    {"バネ定数", "Ｎ・ｍｍ/度"},
    {"案内棒直径", "ｍｍ"},
}};

struct LabelPlace {
    int x, y;
};
// Label1 .. Label7, in page coordinates.
constexpr std::array<LabelPlace, 7> kLabelPlaces{{
    {472, 32},
    {160, 32},
    {424, 224},
    {160, 8},
    {472, 8},
    {480, 168},
    {248, 208},
}};

// Cells centred, two pixels down from the top, on one line; a selected cell looks like
// any other once the grid has been left.
class DataSheetCellDelegate : public QStyledItemDelegate {
  public:
    DataSheetCellDelegate(std::function<bool()> gridLeft, QObject* parent)
        : QStyledItemDelegate(parent), gridLeft_(std::move(gridLeft)) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem opt(option);
        initStyleOption(&opt, index);
        const QPalette& pal = opt.palette;
        const QPalette::ColorGroup group =
            (opt.state & QStyle::State_Active) ? QPalette::Active : QPalette::Inactive;
        const bool fixed = index.row() == 0 || index.column() == 0;

        QColor brush = pal.color(group, QPalette::Base);
        QColor text = pal.color(group, QPalette::Text);
        if (fixed) {
            brush = pal.color(group, QPalette::Button);
            text = pal.color(group, QPalette::ButtonText);
        } else if ((opt.state & QStyle::State_Selected) && !gridLeft_()) {
            brush = pal.color(group, QPalette::Highlight);
            text = pal.color(group, QPalette::HighlightedText);
        }

        painter->save();
        painter->fillRect(opt.rect, brush);
        painter->setPen(text);
        painter->setFont(opt.font);
        const QRect textRect = opt.rect.translated(0, 2);
        painter->drawText(textRect, Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine, opt.text);
        painter->restore();
    }

  private:
    std::function<bool()> gridLeft_;
};

}  // namespace

Tprinform::Tprinform(const MaterialTable& materials, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), materials_(materials), dialogs_(dialogs) {
    setObjectName(QStringLiteral("prinform"));
    setWindowTitle(QStringLiteral("prinform"));
    setModal(true);
    setFixedSize(kPrinformWidth, kPrinformHeight);
    setFont(JapaneseFont(12));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    setAutoFillBackground(true);

    // Created first so that it, not the table, has the focus when the page opens.
    Button1 = new QPushButton(QStringLiteral("プリント"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(24, 16, 75, 25);
    connect(Button1, &QPushButton::clicked, this, &Tprinform::Button1Click);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(168, 8, 417, 265);
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1->setPixmap(QPixmap::fromImage(DrawDataSheetSketch()));

    // Opaque white labels over the sketch, as the page is printed.
    for (std::size_t i = 0; i < labels_.size(); ++i) {
        auto* label = new QLabel(this);
        label->setObjectName(QStringLiteral("Label%1").arg(i + 1));
        label->setFont(JapaneseFont(19));
        label->setAutoFillBackground(true);
        label->move(kLabelPlaces[i].x, kLabelPlaces[i].y);
        labels_[i] = label;
    }

    sg1 = new QTableWidget(kDataSheetRows, kDataSheetColumns, this);
    sg1->setObjectName(QStringLiteral("sg1"));
    sg1->setGeometry(88, 280, 559, 499);
    sg1->setFont(JapaneseFont(13));
    sg1->horizontalHeader()->hide();
    sg1->verticalHeader()->hide();
    sg1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    sg1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    sg1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sg1->setSelectionMode(QAbstractItemView::SingleSelection);
    sg1->setSelectionBehavior(QAbstractItemView::SelectItems);
    sg1->verticalHeader()->setMinimumSectionSize(1);
    for (int r = 0; r < kDataSheetRows; ++r) sg1->setRowHeight(r, kRowHeight);
    for (int c = 0; c < kDataSheetColumns; ++c)
        sg1->setColumnWidth(c, kColumnWidths[static_cast<std::size_t>(c)]);
    for (int r = 0; r < kDataSheetRows; ++r) {
        for (int c = 0; c < kDataSheetColumns; ++c) {
            auto* item = new QTableWidgetItem();
            const bool fixed = r == 0 || c == 0;
            item->setFlags(fixed ? Qt::ItemIsEnabled : Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            sg1->setItem(r, c, item);
        }
    }
    sg1->setItemDelegate(new DataSheetCellDelegate([this] { return gridLeft_; }, sg1));
    sg1->installEventFilter(this);
}

bool Tprinform::eventFilter(QObject* watched, QEvent* event) {
    if (watched == sg1) {
        if (event->type() == QEvent::FocusIn) sg1Enter();
        if (event->type() == QEvent::FocusOut) sg1Exit();
    }
    return QDialog::eventFilter(watched, event);
}

void Tprinform::sg1Enter() {
    gridLeft_ = false;
    sg1->viewport()->update();
}

void Tprinform::sg1Exit() {
    gridLeft_ = true;
    sg1->viewport()->update();
}

void Tprinform::fillFrom(const DesignCase& current) {
    auto cell = [this](int row, int column, const QString& text) { sg1->item(row, column)->setText(text); };

    for (int r = 1; r <= 15; ++r) cell(r, 0, QString::number(r));

    cell(0, 1, QStringLiteral("項目"));
    cell(0, 2, QStringLiteral("単位"));
    for (std::size_t i = 0; i < kRows.size(); ++i) {
        const int row = static_cast<int>(i) + 1;
        cell(row, 1, QString::fromUtf8(kRows[i].item));
        if (kRows[i].unit) cell(row, 2, QString::fromUtf8(kRows[i].unit));
    }

    // A material number from a foreign case file may lie outside the table.
    const MaterialRecord* record = RecordOrNull(materials_, current.materialNo);
    cell(1, 3, record ? FromSjis(ShortStringValue(record->symbol)) : QString());
    cell(2, 3, Full(current.wireDia));
    cell(3, 3, Full(current.meanDia));
    cell(4, 3, Full(current.outerDia));
    cell(5, 3, Full(current.turns));
    cell(6, 3, current.leftHand == 1 ? QStringLiteral("左") : QStringLiteral("右"));
    cell(7, 3, Short(current.angle1));
    cell(8, 3, Short(current.moment1 * kGravity));
    cell(9, 3, Short(current.stress1 * kGravity));
    cell(10, 3, Short(current.angle2));
    cell(11, 3, Short(current.moment2 * kGravity));
    cell(12, 3, Short(current.stress2 * kGravity));
    cell(13, 3, Short(current.springConst * kSketchFactor));
    cell(14, 3, Short(current.guideRodDia));

    auto label = [this](int number, const QString& text) {
        QLabel* l = labels_[static_cast<std::size_t>(number - 1)];
        l->setText(text);
        l->adjustSize();
    };
    label(4, QStringLiteral("トルクM2= ") + Short(current.moment2 * kSketchFactor) + QStringLiteral("N･mm"));
    label(2, QStringLiteral("角度２　= ") + Short(current.angle2) + QStringLiteral("度"));
    label(5, QStringLiteral("トルクM1= ") + Short(current.moment1 * kSketchFactor) + QStringLiteral("N･mm"));
    label(1, QStringLiteral("角度１　= ") + Short(current.angle1) + QStringLiteral("度"));
    label(6, QStringLiteral("ａ1 = ") + Short(current.arm1) + QStringLiteral("mm"));
    label(7, QStringLiteral("ａ2 = ") + Short(current.arm2) + QStringLiteral("mm"));
    label(3, QStringLiteral("平均径　= ") + Short(current.meanDia) + QStringLiteral("mm"));
}

void Tprinform::Button1Click() {
    // Pressing the button takes the focus from the table, so no cell is highlighted.
    Button1->setFocus(Qt::OtherFocusReason);
    PrintWindowOnDefaultPrinter(*this, ScaleMode::Proportional, dialogs_);
}
