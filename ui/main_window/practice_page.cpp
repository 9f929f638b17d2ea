#include "ui/main_window/practice_page.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QResizeEvent>
#include <QSignalBlocker>
#include <QTableWidget>
#include <algorithm>

#include "core/base/number_text.h"
#include "core/report/comparison_text.h"
#include "ui/common/box_style.h"
#include "ui/common/number_box.h"
#include "ui/common/window_text.h"
#include "ui/main_window/legs_group.h"

using namespace torsion;

namespace {

constexpr int kRowHeight = 15;
// The conditions on the left, the comparison beside them, as placed on a page of the usual size.
constexpr int kTableLeft = 250, kTableTop = 26, kTableWidth = 538, kTableHeight = 258;

}  // namespace

PracticePage::PracticePage(const MaterialTable& materials, QWidget* parent)
    : QWidget(parent), materials_(materials) {
    setObjectName(QStringLiteral("TabSheet5"));
    DesignConditions = new QGroupBox(QCoreApplication::translate("practice_page", "設計条件"), this);
    DesignConditions->setObjectName(QStringLiteral("DesignConditions"));
    DesignConditions->setGeometry(8, 4, 234, 72);

    auto* practiceLabel =
        new QLabel(QCoreApplication::translate("practice_page", "設計基準"), DesignConditions);
    practiceLabel->setObjectName(QStringLiteral("PracticeLabel"));
    practiceLabel->move(8, 22);
    practiceLabel->adjustSize();
    PracticeBox = new QComboBox(DesignConditions);
    PracticeBox->setObjectName(QStringLiteral("PracticeBox"));
    PracticeBox->setGeometry(96, 18, 130, 21);
    for (const Practice p : kAllPractices) PracticeBox->addItem(WindowText(std::string(PracticeName(p))));
    SetBoxColour(PracticeBox, kInputColour);

    auto* temperatureLabel =
        new QLabel(QCoreApplication::translate("practice_page", "使用温度 (℃)"), DesignConditions);
    temperatureLabel->setObjectName(QStringLiteral("TemperatureLabel"));
    temperatureLabel->move(8, 47);
    temperatureLabel->adjustSize();
    TemperatureBox = new QLineEdit(WindowText(FormatRoundTrip(kRoomTemperature)), DesignConditions);
    TemperatureBox->setObjectName(QStringLiteral("TemperatureBox"));
    TemperatureBox->setGeometry(96, 43, 57, 21);
    TemperatureBox->setToolTip(QCoreApplication::translate(
        "practice_page", "縦弾性係数をこの温度の値にします。20℃以下は材料表の値のままです"));
    SetBoxColour(TemperatureBox, kInputColour);
    MakeNumberBox(TemperatureBox);

    Legs = new LegsGroup(this);
    Legs->setGeometry(8, 80, 234, 114);

    ComparisonCaption = new QLabel(this);
    ComparisonCaption->setObjectName(QStringLiteral("ComparisonCaption"));
    ComparisonCaption->setGeometry(kTableLeft, 6, kTableWidth, 16);
    ComparisonTable = new QTableWidget(0, 5, this);
    ComparisonTable->setObjectName(QStringLiteral("ComparisonTable"));
    ComparisonTable->setGeometry(kTableLeft, kTableTop, kTableWidth, kTableHeight);
    ComparisonTable->verticalHeader()->hide();
    ComparisonTable->verticalHeader()->setMinimumSectionSize(kRowHeight);
    ComparisonTable->verticalHeader()->setDefaultSectionSize(kRowHeight);
    ComparisonTable->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // Columns as wide as their texts; the table scrolls sideways rather than cut a verdict.
    ComparisonTable->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    ComparisonTable->setTextElideMode(Qt::ElideNone);
    ComparisonTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ComparisonTable->setSelectionMode(QAbstractItemView::NoSelection);
    ComparisonTable->setFocusPolicy(Qt::NoFocus);
    ComparisonTable->setWordWrap(false);
    SetHeadings();

    connect(PracticeBox, &QComboBox::activated, this, [this] { emit practiceChosen(); });
    connect(TemperatureBox, &QLineEdit::editingFinished, this, [this] {
        // Enter and the loss of focus that may follow it are one entry.
        if (!TemperatureBox->isModified()) return;
        TemperatureBox->setModified(false);
        emit temperatureEntered();
    });
}

Practice PracticePage::practice() const {
    const int index = std::clamp(PracticeBox->currentIndex(), 0, kPractices - 1);
    return kAllPractices[static_cast<std::size_t>(index)];
}

QString PracticePage::temperatureText() const {
    return TemperatureBox->text();
}

void PracticePage::showOptions(const DesignOptions& options) {
    const QSignalBlocker block(PracticeBox);
    PracticeBox->setCurrentIndex(static_cast<int>(options.practice));
    TemperatureBox->setText(WindowText(FormatRoundTrip(options.temperature)));
    TemperatureBox->setModified(false);
    Legs->showOptions(options);
}

void PracticePage::ShowCase(const DesignCase& c, const DesignOptions& options, UnitSystem unit) {
    case_ = c;
    options_ = options;
    unit_ = unit;
    hasCase_ = true;
    FillWhenShown();
}

void PracticePage::FillWhenShown() {
    stale_ = isHidden();
    if (!stale_) Fill();
}

void PracticePage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (stale_ && hasCase_) Fill();
    stale_ = false;
}

void PracticePage::Clear() {
    hasCase_ = false;
    stale_ = false;
    SetHeadings();
    ComparisonCaption->clear();
    ComparisonTable->setRowCount(0);
}

void PracticePage::setUnitSystem(UnitSystem unit) {
    unit_ = unit;
    if (hasCase_) FillWhenShown();
}

void PracticePage::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // A larger window gives the table its room.
    ComparisonTable->resize(std::max(kTableWidth, width() - kTableLeft - 7),
                            std::max(kTableHeight, height() - kTableTop - 8));
}

void PracticePage::SetHeadings() {
    QStringList headings{QCoreApplication::translate("practice_page", "項目"),
                         QCoreApplication::translate("practice_page", "単位")};
    for (const Practice p : kAllPractices)
        headings << WindowText(std::string(PracticeName(p))) +
                        (hasCase_ && p == options_.practice
                             ? QCoreApplication::translate("practice_page", "（選択）")
                             : QString());
    ComparisonTable->setHorizontalHeaderLabels(headings);
}

void PracticePage::Fill() {
    const ComparisonTexts texts = PracticeComparisonTextsOf(case_, materials_, options_, unit_);
    ComparisonCaption->setText(texts.fault ? WindowText(texts.caption) + QStringLiteral("　") +
                                                 WindowText(*texts.fault)
                                           : WindowText(texts.caption));
    QTableWidget* t = ComparisonTable;
    SetHeadings();
    t->setRowCount(static_cast<int>(texts.rows.size()));
    for (int row = 0; row < t->rowCount(); ++row) {
        const ComparisonRow& line = texts.rows[static_cast<std::size_t>(row)];
        QStringList cells{WindowText(line.item), WindowText(line.unit)};
        for (const ComposedText& cell : line.cells) cells << WindowText(cell);
        for (int column = 0; column < cells.size(); ++column) {
            QTableWidgetItem* item = t->item(row, column);
            if (item == nullptr) {
                item = new QTableWidgetItem;
                t->setItem(row, column, item);
            }
            item->setText(cells[column]);
            item->setToolTip(cells[column]);
            // The chosen practice's column stands out.
            QFont font = t->font();
            font.setBold(column >= 2 &&
                         kAllPractices[static_cast<std::size_t>(column - 2)] == options_.practice);
            item->setFont(font);
        }
    }
}
