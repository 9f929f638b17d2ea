#include "ui/print/prin.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHeaderView>
#include <QPainter>
#include <QPixmap>
#include <QStyledItemDelegate>
#include <functional>
#include <utility>

#include "core/report/data_sheet.h"
#include "drawing/data_sheet_sketch.h"
#include "drawing/japanese_font.h"
#include "ui/common/language.h"
#include "ui/common/sjis.h"
#include "ui/print/window_print.h"

using namespace torsion;

namespace {

constexpr std::array<int, kDataSheetColumns> kColumnWidths{64, 222, 97, 169};
constexpr int kRowHeight = 30;

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
    setWindowTitle(QCoreApplication::translate("prin", "要目表"));
    setModal(true);
    setFixedSize(kPrinformWidth, kPrinformHeight);
    setFont(JapaneseFont(12));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    setAutoFillBackground(true);

    // Created first so that it, not the table, has the focus when the page opens.
    Button1 = new QPushButton(QCoreApplication::translate("prin", "プリント"), this);
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

void Tprinform::fillFrom(const DesignCase& current, const DesignOptions& options, const QTranslator* words) {
    Image1->setPixmap(
        QPixmap::fromImage(DrawDataSheetSketch({options.legs[0].shape, options.legs[1].shape})));
    auto cell = [this](int row, int column, const QString& text) { sg1->item(row, column)->setText(text); };
    const DataSheetTexts texts = DataSheetTextsOf(current, materials_);

    for (int r = 1; r <= kDataSheetNumberedRows; ++r) cell(r, 0, QString::number(r));
    // The sheet's words are in its own language, as the report's.
    const auto text = [words](const ComposedText& t) { return CoreTextIn(words, t); };
    cell(0, 1, text(kDataSheetItemHeading));
    cell(0, 2, text(kDataSheetUnitHeading));
    for (std::size_t i = 0; i < texts.rows.size(); ++i) {
        const int row = static_cast<int>(i) + 1;
        cell(row, 1, text(texts.rows[i].item));
        // A row without a unit leaves its cell as it is.
        if (!texts.rows[i].unit.empty()) cell(row, 2, text(texts.rows[i].unit));
        cell(row, 3, text(texts.rows[i].value));
    }
    cell(1, 3, FromSjis(texts.symbolSjis));

    for (std::size_t i = 0; i < labels_.size(); ++i) {
        labels_[i]->setText(text(texts.sketchLabels[i]));
        labels_[i]->adjustSize();
    }
}

void Tprinform::Button1Click() {
    // Pressing the button takes the focus from the table, so no cell is highlighted.
    Button1->setFocus(Qt::OtherFocusReason);
    PrintWindowOnDefaultPrinter(*this, ScaleMode::Proportional, dialogs_);
}
