#include "ui/main_window/characteristic_page.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QResizeEvent>
#include <QSignalBlocker>
#include <QStyle>
#include <QTableWidget>
#include <algorithm>
#include <cmath>

#include "core/base/command_error.h"
#include "core/base/number_text.h"
#include "core/report/characteristic_sheet.h"
#include "drawing/torque_angle_diagram.h"
#include "ui/common/image_control.h"
#include "ui/common/number_box.h"
#include "ui/common/window_text.h"

using namespace torsion;

namespace {

QString Q(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

constexpr int kRowHeight = 15;
// The table beside the diagram and the boxes under it, as placed on a page of the usual size.
constexpr int kTableLeft = 396, kTableTop = 31, kTableWidth = 392;
constexpr int kBoxesTop = 267;
constexpr int kBoxesFromBottom = 27;
const QColor kHeadingColour(224, 224, 224);

// The number of a box: NaN when empty, not a number or below min (or at it, when the
// minimum itself is excluded).
double BoxNumber(const QLineEdit* box, double min, bool minAllowed) {
    const QString text = box->text().trimmed();
    if (text.isEmpty()) return kNoNumber;
    try {
        const double value = ParseNumber(text.toStdString());
        return (value > min || (minAllowed && value == min)) && std::isfinite(value) ? value : kNoNumber;
    } catch (const CommandError&) {
        return kNoNumber;  // the red text says the box is not used
    }
}

// A cell of the table. Its tip (the table row or formula behind the value, and what the
// source ids stand for) is written out in the reader's language only when it is shown:
// a "計算" composes none of the page's tips.
class SheetItem : public QTableWidgetItem {
  public:
    void setTip(ComposedText tip) { tip_ = std::move(tip); }
    QVariant data(int role) const override {
        if (role != Qt::ToolTipRole) return QTableWidgetItem::data(role);
        QString text = WindowText(tip_);
        if (const ComposedText legend = SourceLegend(tip_); !legend.arguments().empty())
            text += QLatin1Char('\n') + WindowText(legend);
        return text;
    }

  private:
    ComposedText tip_;
};

}  // namespace

CharacteristicPage::CharacteristicPage(const MaterialTable& materials, QWidget* parent)
    : QWidget(parent), materials_(materials) {
    setObjectName(QStringLiteral("TabSheet3"));
    Image3 = new ImageControl(kTorqueAngleImageWidth, kTorqueAngleImageHeight, this);
    Image3->setObjectName(QStringLiteral("Image3"));
    Image3->move(8, 8);
    Image3->image().fill(Qt::white);

    auto* gradeLabel = new QLabel(QCoreApplication::translate("characteristic_page", "公差の等級"), this);
    gradeLabel->setObjectName(QStringLiteral("GradeLabel"));
    gradeLabel->move(396, 10);
    gradeLabel->adjustSize();
    GradeBox = new QComboBox(this);
    GradeBox->setObjectName(QStringLiteral("GradeBox"));
    GradeBox->setGeometry(470, 6, 60, 21);
    for (int g = 1; g <= kToleranceGrades; ++g)
        GradeBox->addItem(QCoreApplication::translate("characteristic_page", "%1級").arg(g));
    GradeBox->setCurrentIndex(grade_ - 1);
    auto* hint = new QLabel(QCoreApplication::translate("characteristic_page",
                                                        "値の上にマウスを置くと、出典の表の行を表示します"),
                            this);
    hint->setObjectName(QStringLiteral("SourceHint"));
    hint->setToolTip(
        QCoreApplication::translate("characteristic_page", "出典\n%1").arg(WindowText(AllSourcesLegend())));
    // Two lines beside the grade, above the table.
    hint->setWordWrap(true);
    hint->setGeometry(540, 0, 248, 31);

    CharacteristicTable = new QTableWidget(0, 3, this);
    CharacteristicTable->setObjectName(QStringLiteral("CharacteristicTable"));
    CharacteristicTable->setGeometry(kTableLeft, kTableTop, kTableWidth, kBoxesTop - 4 - kTableTop);
    CharacteristicTable->horizontalHeader()->hide();
    CharacteristicTable->verticalHeader()->hide();
    CharacteristicTable->verticalHeader()->setMinimumSectionSize(kRowHeight);
    CharacteristicTable->verticalHeader()->setDefaultSectionSize(kRowHeight);
    // Columns as wide as their texts (the table scrolls sideways when the page is narrower),
    // widened to fill a larger page: a value is never cut.
    CharacteristicTable->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    CharacteristicTable->setTextElideMode(Qt::ElideNone);
    CharacteristicTable->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    CharacteristicTable->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    CharacteristicTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    CharacteristicTable->setSelectionMode(QAbstractItemView::NoSelection);
    CharacteristicTable->setFocusPolicy(Qt::NoFocus);
    CharacteristicTable->setWordWrap(false);

    connect(GradeBox, &QComboBox::currentIndexChanged, this, [this](int index) { setGrade(index + 1); });

    // J of the driven part and the operating frequency, under the table.
    auto addBox = [this](const QString& name, const QString& caption, const QString& unit, int x, int width,
                         const QString& tip) {
        auto* label = new QLabel(caption, this);
        label->setObjectName(name + QStringLiteral("Label"));
        belowTable_.push_back(label);
        label->move(x, 271);
        label->adjustSize();
        auto* box = new QLineEdit(this);
        box->setObjectName(name);
        box->setGeometry(x + label->width() + 4, 267, width, 21);
        box->setToolTip(tip);
        MakeNumberBox(box);
        belowTable_.push_back(box);
        auto* unitLabel = new QLabel(unit, this);
        belowTable_.push_back(unitLabel);
        unitLabel->move(box->geometry().right() + 4, 271);
        unitLabel->adjustSize();
        connect(box, &QLineEdit::editingFinished, this, &CharacteristicPage::DynamicsEdited);
        return box;
    };
    InertiaBox = addBox(
        QStringLiteral("InertiaBox"), QCoreApplication::translate("characteristic_page", "駆動する部品の J"),
        QCoreApplication::translate("characteristic_page", "kg･mm²"), 396, 56,
        QCoreApplication::translate("characteristic_page",
                                    "腕 2 が動かす部品の、コイル軸まわりの慣性モーメント。空欄ならばね単体"));
    FrequencyBox = addBox(QStringLiteral("FrequencyBox"),
                          QCoreApplication::translate("characteristic_page", "運転周波数"),
                          QStringLiteral("Hz"), 620, 48,
                          QCoreApplication::translate(
                              "characteristic_page", "固有振動数と比べる運転の周波数。空欄なら比を示さない"));
}

void CharacteristicPage::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // The table takes the page's room; the J and frequency boxes stay under it.
    const int boxesTop = std::max(kBoxesTop, height() - kBoxesFromBottom);
    for (QWidget* w : belowTable_) w->move(w->x(), boxesTop + (w->inherits("QLineEdit") ? 0 : 4));
    CharacteristicTable->setGeometry(kTableLeft, kTableTop, std::max(kTableWidth, width() - kTableLeft - 7),
                                     boxesTop - 4 - kTableTop);
    FitColumns();
}

void CharacteristicPage::FitColumns() {
    QTableWidget* t = CharacteristicTable;
    // The delegate's margins around a text, and a pixel to spare.
    const int pad = 2 * (t->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, t) + 1) + 2;
    if (t->font() != measuredFont_ || textWidths_.size() > 4096) {
        measuredFont_ = measuredBold_ = t->font();
        measuredBold_.setBold(true);
        textWidths_.clear();
    }
    int widths[3] = {0, 0, 0};
    int twoColumns = 0, threeColumns = 0;
    for (int row = 0; row < t->rowCount(); ++row) {
        for (int column = 0; column < 3; ++column) {
            const QTableWidgetItem* item = t->item(row, column);
            if (item == nullptr || item->text().isEmpty()) continue;
            const int width = TextWidth(*item) + pad;
            switch (t->columnSpan(row, column)) {
                case 1:
                    widths[column] = std::max(widths[column], width);
                    break;
                case 2:
                    twoColumns = std::max(twoColumns, width);
                    break;
                default:
                    threeColumns = std::max(threeColumns, width);
                    break;
            }
        }
    }
    widths[2] += std::max(0, twoColumns - widths[1] - widths[2]);
    widths[2] += std::max(0, threeColumns - widths[0] - widths[1] - widths[2]);
    // A wider page shares its room between the two value columns.
    const int room =
        t->width() - 2 * t->frameWidth() - t->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, t);
    const int spare = room - widths[0] - widths[1] - widths[2];
    if (spare > 0) {
        widths[1] += spare / 2;
        widths[2] += spare - spare / 2;
    }
    for (int column = 0; column < 3; ++column) t->setColumnWidth(column, widths[column]);
}

int CharacteristicPage::TextWidth(const QTableWidgetItem& item) {
    const QFont font = item.font();
    // The cells have the table's font, the headings its bold form; only they are kept.
    const bool bold = font != measuredFont_;
    if (bold && font != measuredBold_) return QFontMetrics(font).horizontalAdvance(item.text());
    const QString key = (bold ? QLatin1Char('b') : QLatin1Char('n')) + item.text();
    if (const auto known = textWidths_.constFind(key); known != textWidths_.cend()) return *known;
    const int width = QFontMetrics(font).horizontalAdvance(item.text());
    textWidths_.insert(key, width);
    return width;
}

DynamicsInputs CharacteristicPage::dynamics() const {
    return {BoxNumber(InertiaBox, 0, true), BoxNumber(FrequencyBox, 0, false)};
}

QString CharacteristicPage::inertiaText() const {
    return InertiaBox->text();
}

QString CharacteristicPage::frequencyText() const {
    return FrequencyBox->text();
}

void CharacteristicPage::setDynamicsTexts(const QString& inertia, const QString& frequency) {
    InertiaBox->setText(inertia);
    FrequencyBox->setText(frequency);
    DynamicsEdited();
}

void CharacteristicPage::DynamicsEdited() {
    const DynamicsInputs in = dynamics();
    // A text that is there but not used is shown in red.
    auto mark = [](QLineEdit* box, double value) {
        const bool unused = !box->text().trimmed().isEmpty() && std::isnan(value);
        const QString style = unused ? QStringLiteral("color: red") : QString();
        if (box->styleSheet() != style) box->setStyleSheet(style);
    };
    mark(InertiaBox, in.inertia);
    mark(FrequencyBox, in.frequency);
    if (hasCase_) Fill();
    emit dynamicsChanged(InertiaBox->text(), FrequencyBox->text());
}

void CharacteristicPage::ShowCase(const DesignCase& c, const DesignOptions& options, UnitSystem unit) {
    case_ = c;
    options_ = options;
    unit_ = unit;
    hasCase_ = true;
    Fill();
}

void CharacteristicPage::Clear() {
    hasCase_ = false;
    Image3->image().fill(Qt::white);
    Image3->update();
    CharacteristicTable->clearSpans();
    CharacteristicTable->setRowCount(0);
}

void CharacteristicPage::setUnitSystem(UnitSystem unit) {
    unit_ = unit;
    if (hasCase_) Fill();
}

void CharacteristicPage::setGrade(int grade) {
    if (grade < 1 || grade > kToleranceGrades || grade == grade_) return;
    grade_ = grade;
    {
        const QSignalBlocker block(GradeBox);
        GradeBox->setCurrentIndex(grade - 1);
    }
    if (hasCase_) Fill();
    emit gradeChanged(grade);
}

void CharacteristicPage::Fill() {
    CharacteristicSheet sheet = BuildCharacteristicSheet(
        EvaluationOf(case_, materials_, {grade_, dynamics(), options_}), materials_, unit_);
    DrawTorqueAngleDiagram(Image3->image(), sheet.plot, Q(MomentUnitText(unit_)));
    Image3->update();

    // Items are changed in place, so a refill repaints only the cells whose text changed.
    QTableWidget* t = CharacteristicTable;
    const int rows = static_cast<int>(sheet.lines.size());
    if (t->rowCount() != rows) {
        t->clearSpans();
        t->setRowCount(rows);
    }
    QFont bold = t->font();
    bold.setBold(true);
    auto cell = [&](int row, int column, SheetCell value, bool heading) {
        auto* item = dynamic_cast<SheetItem*>(t->item(row, column));
        if (!item) {
            item = new SheetItem;
            t->setItem(row, column, item);
        }
        const QString text = WindowText(value.text);
        if (item->text() != text) item->setText(text);
        item->setTip(std::move(value.tip));
        const QFont font = heading ? bold : t->font();
        if (item->font() != font) item->setFont(font);
        const QBrush background = heading ? QBrush(kHeadingColour) : QBrush();
        if (item->background() != background) item->setBackground(background);
    };
    auto span = [&](int row, int column, int columns) {
        if (t->columnSpan(row, column) != columns) t->setSpan(row, column, 1, columns);
    };
    auto clear = [&](int row, int column) {
        if (t->item(row, column)) delete t->takeItem(row, column);
    };
    for (int row = 0; row < rows; ++row) {
        SheetLine& line = sheet.lines[static_cast<std::size_t>(row)];
        cell(row, 0, {std::move(line.label), line.value.tip}, line.heading);
        if (line.heading && line.value.text.empty() && !line.atMax) {
            // A heading on its own takes the whole width.
            clear(row, 1);
            clear(row, 2);
            span(row, 0, 3);
            continue;
        }
        span(row, 0, 1);
        cell(row, 1, std::move(line.value), line.heading);
        if (line.atMax) {
            span(row, 1, 1);
            cell(row, 2, std::move(*line.atMax), line.heading);
        } else {
            clear(row, 2);
            span(row, 1, 2);
        }
    }
    FitColumns();
}
