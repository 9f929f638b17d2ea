#include "ui/search/design_search_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QTableWidget>
#include <QThread>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>
#include <string>

#include "core/base/command_error.h"
#include "core/base/number_text.h"
#include "core/base/unit_text.h"
#include "core/materials/fatigue_life.h"
#include "drawing/japanese_font.h"
#include "ui/common/box_style.h"
#include "ui/common/control_table.h"
#include "ui/common/dialogs.h"
#include "ui/common/number_box.h"
#include "ui/common/sjis.h"
#include "ui/common/window_text.h"

using namespace torsion;

namespace {

// A search that ends sooner than this shows no progress bar at all.
constexpr int kQuietMilliseconds = 100;
constexpr int kProgressSteps = 1000;
constexpr int kCandidateRole = Qt::UserRole;
constexpr int kSortRole = Qt::UserRole + 1;
// The first column is the rank, so sorting by it brings the ranked order back.
constexpr int kFirstValueColumn = 1;

// Sorts by the number behind the text, not by the text.
class NumberItem : public QTableWidgetItem {
  public:
    NumberItem(const QString& text, double value) : QTableWidgetItem(text) {
        setData(kSortRole, value);
        setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    bool operator<(const QTableWidgetItem& other) const override {
        return data(kSortRole).toDouble() < other.data(kSortRole).toDouble();
    }
};

enum class SearchControl { Group, Caption, Number, Spin, Check, Radio, Combo, Tree };
using enum SearchControl;

// The input controls in the order they are made. A group's rectangle gives the column of
// the inputs it stands in (x) and its share of the column's height (height); the
// rectangle of a control in a group gives its cell of the group's grid (column, row,
// columns and rows it spans).
constexpr ControlRow<SearchControl> kControls[] = {
    {Group, "", "requirementGroup", {0, 0, 0, 0}, QT_TRANSLATE_NOOP("design_search_window", "要求")},
    {Caption, "requirementGroup", "", {0, 0, 1, 1}, QT_TRANSLATE_NOOP("design_search_window", "トルク M2")},
    {Number, "requirementGroup", "moment2Edit", {1, 0, 1, 1}, ""},
    {Caption, "requirementGroup", "moment2Unit", {2, 0, 1, 1}, ""},
    {Caption, "requirementGroup", "", {0, 1, 1, 1}, QT_TRANSLATE_NOOP("design_search_window", "ねじれ角 φ2")},
    {Number, "requirementGroup", "angle2Edit", {1, 1, 1, 1}, ""},
    {Caption, "requirementGroup", "", {2, 1, 1, 1}, QT_TRANSLATE_NOOP("design_search_window", "度")},
    {Caption,
     "requirementGroup",
     "",
     {0, 2, 1, 1},
     QT_TRANSLATE_NOOP("design_search_window", "M2 の許容差 ±")},
    {Number, "requirementGroup", "toleranceEdit", {1, 2, 1, 1}, ""},
    {Caption, "requirementGroup", "", {2, 2, 1, 1}, QT_TRANSLATE_NOOP("design_search_window", "%")},
    {Caption, "requirementGroup", "", {0, 3, 1, 1}, QT_TRANSLATE_NOOP("design_search_window", "ねじれ角 φ1")},
    {Number, "requirementGroup", "angle1Edit", {1, 3, 1, 1}, ""},
    {Caption,
     "requirementGroup",
     "",
     {2, 3, 1, 1},
     QT_TRANSLATE_NOOP("design_search_window", "度（M1 はばね定数から）")},
    {Group, "", "armGroup", {0, 0, 0, 0}, QT_TRANSLATE_NOOP("design_search_window", "腕・方向")},
    {Caption, "armGroup", "", {0, 0, 1, 1}, QT_TRANSLATE_NOOP("design_search_window", "腕の長さ a1")},
    {Number, "armGroup", "arm1Edit", {1, 0, 1, 1}, ""},
    {Caption, "armGroup", "", {2, 0, 1, 1}, QT_TRANSLATE_NOOP("design_search_window", "mm")},
    {Caption, "armGroup", "", {0, 1, 1, 1}, QT_TRANSLATE_NOOP("design_search_window", "腕の長さ a2")},
    {Number, "armGroup", "arm2Edit", {1, 1, 1, 1}, ""},
    {Caption, "armGroup", "", {2, 1, 1, 1}, QT_TRANSLATE_NOOP("design_search_window", "mm")},
    {Check,
     "armGroup",
     "outwardCheck",
     {0, 2, 1, 1},
     QT_TRANSLATE_NOOP("design_search_window", "外向き荷重")},
    {Check, "armGroup", "leftHandCheck", {1, 2, 1, 1}, QT_TRANSLATE_NOOP("design_search_window", "左巻き")},
    {Group, "", "turnsGroup", {1, 0, 0, 0}, QT_TRANSLATE_NOOP("design_search_window", "巻数")},
    {Radio,
     "turnsGroup",
     "wholeTurnsRadio",
     {0, 0, 3, 1},
     QT_TRANSLATE_NOOP("design_search_window", "整数巻＋端数")},
    {Radio,
     "turnsGroup",
     "anyTurnsRadio",
     {0, 1, 3, 1},
     QT_TRANSLATE_NOOP("design_search_window", "任意の巻数（小数2桁）")},
    {Caption, "turnsGroup", "", {0, 2, 1, 1}, QT_TRANSLATE_NOOP("design_search_window", "最小")},
    {Spin, "turnsGroup", "turnsMinSpin", {1, 2, 1, 1}, ""},
    {Caption, "turnsGroup", "", {2, 2, 1, 1}, QT_TRANSLATE_NOOP("design_search_window", "巻")},
    {Caption, "turnsGroup", "", {0, 3, 1, 1}, QT_TRANSLATE_NOOP("design_search_window", "最大")},
    {Spin, "turnsGroup", "turnsMaxSpin", {1, 3, 1, 1}, ""},
    {Caption, "turnsGroup", "", {2, 3, 1, 1}, QT_TRANSLATE_NOOP("design_search_window", "巻")},
    {Caption,
     "turnsGroup",
     "",
     {0, 4, 1, 1},
     QT_TRANSLATE_NOOP("design_search_window", "端数（腕の間の角度）")},
    {Number, "turnsGroup", "fractionEdit", {1, 4, 1, 1}, ""},
    {Caption, "turnsGroup", "", {2, 4, 1, 1}, QT_TRANSLATE_NOOP("design_search_window", "巻")},
    {Group, "", "coilGroup", {1, 0, 0, 0}, QT_TRANSLATE_NOOP("design_search_window", "コイル径")},
    {Caption, "coilGroup", "", {0, 0, 1, 1}, QT_TRANSLATE_NOOP("design_search_window", "外径の上限")},
    {Number, "coilGroup", "outerDiaMaxEdit", {1, 0, 1, 1}, ""},
    {Caption,
     "coilGroup",
     "",
     {2, 0, 1, 1},
     QT_TRANSLATE_NOOP("design_search_window", "mm（空欄は制限なし）")},
    {Caption, "coilGroup", "", {0, 1, 1, 1}, QT_TRANSLATE_NOOP("design_search_window", "案内棒径")},
    {Number, "coilGroup", "guideRodEdit", {1, 1, 1, 1}, ""},
    {Caption, "coilGroup", "", {2, 1, 1, 1}, QT_TRANSLATE_NOOP("design_search_window", "mm 以上")},
    {Caption, "coilGroup", "", {0, 2, 1, 1}, QT_TRANSLATE_NOOP("design_search_window", "コイル径の刻み")},
    {Number, "coilGroup", "stepEdit", {1, 2, 1, 1}, ""},
    {Caption, "coilGroup", "", {2, 2, 1, 1}, QT_TRANSLATE_NOOP("design_search_window", "mm")},
    {Group, "", "materialGroup", {2, 0, 0, 1}, QT_TRANSLATE_NOOP("design_search_window", "材料")},
    {Tree, "materialGroup", "materialTree", {0, 0, 1, 1}, ""},
    {Group, "", "choiceGroup", {2, 0, 0, 0}, QT_TRANSLATE_NOOP("design_search_window", "条件・順位")},
    {Caption, "choiceGroup", "", {0, 0, 1, 1}, QT_TRANSLATE_NOOP("design_search_window", "期待寿命")},
    {Combo, "choiceGroup", "lifeCombo", {1, 0, 1, 1}, ""},
    {Caption, "choiceGroup", "", {0, 1, 1, 1}, QT_TRANSLATE_NOOP("design_search_window", "順位")},
    {Combo, "choiceGroup", "rankingCombo", {1, 1, 1, 1}, ""},
};

// Makes a control of a row: a group in its column of the inputs, anything else in its
// cell of its group's grid.
QWidget* MakeControl(const ControlRow<SearchControl>& row, QWidget* parent, QVBoxLayout* const columns[]) {
    const QString caption = QCoreApplication::translate("design_search_window", row.caption);
    QWidget* control = nullptr;
    switch (row.type) {
        case Group:
            control = new QGroupBox(caption, parent);
            new QGridLayout(control);
            columns[row.rect.x()]->addWidget(control, row.rect.height());
            return control;
        case Number: {
            auto* edit = new QLineEdit(parent);
            edit->setFixedWidth(80);
            SetBoxColour(edit, kInputColour);
            MakeNumberBox(edit);
            control = edit;
            break;
        }
        case Tree: {
            auto* tree = new QTreeWidget(parent);
            tree->setHeaderHidden(true);
            control = tree;
            break;
        }
        case Caption:
            control = new QLabel(caption, parent);
            break;
        case Spin:
            control = new NumberSpinBox(parent);
            break;
        case Check:
            control = new QCheckBox(caption, parent);
            break;
        case Radio:
            control = new QRadioButton(caption, parent);
            break;
        case Combo:
            control = new QComboBox(parent);
            break;
    }
    static_cast<QGridLayout*>(parent->layout())
        ->addWidget(control, row.rect.y(), row.rect.x(), row.rect.height(), row.rect.width());
    return control;
}

// A button of the row under the inputs; Enter in a box never presses it.
QPushButton* AddButton(QWidget* window, QHBoxLayout* row, const char* name, const char* text) {
    auto* button = new QPushButton(QCoreApplication::translate("design_search_window", text), window);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    row->addWidget(button);
    return button;
}

// An empty box means "no limit", which the search takes as 0.
double NumberOrZero(const QLineEdit* edit) {
    const QString text = edit->text().trimmed();
    return text.isEmpty() ? 0.0 : ParseNumber(text.toStdString());
}

}  // namespace

// What the search thread reads and writes. The table and the kind index are copies, so
// an edit of the material table meanwhile cannot reach the running search.
struct DesignSearchWindow::Job {
    SearchInputs inputs;
    MaterialTable table{};
    KindIndex index{};
    SearchOutcome outcome;
    std::optional<CommandError> error;
    std::atomic<bool> cancel{false};
    std::atomic<int> progress{0};
};

DesignSearchWindow::DesignSearchWindow(const MaterialTable& table, const KindIndex& kinds,
                                       const DesignCase& current, UnitSystem unit, Dialogs& dialogs,
                                       QWidget* parent)
    : QDialog(parent), table_(table), kinds_(kinds), current_(current), dialogs_(dialogs), unit_(unit) {
    setObjectName(QStringLiteral("design_search"));
    setWindowTitle(QCoreApplication::translate("design_search_window", "設計探索"));
    setFont(JapaneseFont());
    setModal(false);
    BuildControls();
    progressTimer_ = new QTimer(this);
    progressTimer_->setInterval(50);
    connect(progressTimer_, &QTimer::timeout, this, &DesignSearchWindow::ShowProgress);
    FillFromCurrentCase();
}

DesignSearchWindow::~DesignSearchWindow() {
    if (worker_ != nullptr) {
        job_->cancel = true;
        worker_->wait();
    }
}

void DesignSearchWindow::BuildControls() {
    resize(1180, 700);
    auto* top = new QVBoxLayout(this);
    auto* inputs = new QHBoxLayout;
    top->addLayout(inputs);
    QVBoxLayout* const columns[] = {new QVBoxLayout, new QVBoxLayout, new QVBoxLayout};
    for (int c = 0; c < 3; ++c) inputs->addLayout(columns[c], c == 2 ? 1 : 0);
    const ControlTable controls(
        this, kControls, [&](const auto& row, QWidget* parent) { return MakeControl(row, parent, columns); });
    controls.Take(moment2Edit, "moment2Edit", moment2Unit, "moment2Unit", angle2Edit, "angle2Edit",
                  toleranceEdit, "toleranceEdit", angle1Edit, "angle1Edit", arm1Edit, "arm1Edit", arm2Edit,
                  "arm2Edit", outwardCheck, "outwardCheck", leftHandCheck, "leftHandCheck", wholeTurnsRadio,
                  "wholeTurnsRadio", anyTurnsRadio, "anyTurnsRadio", turnsMinSpin, "turnsMinSpin",
                  turnsMaxSpin, "turnsMaxSpin", fractionEdit, "fractionEdit", outerDiaMaxEdit,
                  "outerDiaMaxEdit", guideRodEdit, "guideRodEdit", stepEdit, "stepEdit", materialTree,
                  "materialTree", lifeCombo, "lifeCombo", rankingCombo, "rankingCombo");
    moment2Unit->setText(WindowText(MomentUnitText(unit_)));
    wholeTurnsRadio->setChecked(true);
    for (QSpinBox* spin : {turnsMinSpin, turnsMaxSpin}) spin->setRange(0, 10000);
    turnsMinSpin->setValue(1);
    turnsMaxSpin->setValue(30);
    connect(anyTurnsRadio, &QRadioButton::toggled, fractionEdit, &QWidget::setDisabled);
    lifeCombo->addItem(QCoreApplication::translate("design_search_window", "指定なし"), kLifeClasses - 1);
    for (int lifeClass = 0; lifeClass < kLifeClasses - 1; ++lifeClass)
        lifeCombo->addItem(
            WindowText(LifeLabel(lifeClass)) + QCoreApplication::translate("design_search_window", "回以上"),
            lifeClass);
    const std::pair<const char*, SearchRanking> rankings[] = {
        {QT_TRANSLATE_NOOP("design_search_window", "線材の体積が小さい順"), SearchRanking::WireVolume},
        {QT_TRANSLATE_NOOP("design_search_window", "応力の余裕 σa/σ2 が大きい順"),
         SearchRanking::StressMargin},
        {QT_TRANSLATE_NOOP("design_search_window", "期待寿命が長い順"), SearchRanking::Life},
        {QT_TRANSLATE_NOOP("design_search_window", "外径が小さい順"), SearchRanking::OuterDia}};
    for (const auto& [text, ranking] : rankings)
        rankingCombo->addItem(QCoreApplication::translate("design_search_window", text),
                              static_cast<int>(ranking));

    auto* buttons = new QHBoxLayout;
    top->addLayout(buttons);
    fromCaseButton = AddButton(this, buttons, "fromCaseButton",
                               QT_TRANSLATE_NOOP("design_search_window", "現在の設計から"));
    searchButton =
        AddButton(this, buttons, "searchButton", QT_TRANSLATE_NOOP("design_search_window", "探索"));
    cancelButton =
        AddButton(this, buttons, "cancelButton", QT_TRANSLATE_NOOP("design_search_window", "中止"));
    cancelButton->setEnabled(false);
    progressBar = new QProgressBar(this);
    progressBar->setObjectName(QStringLiteral("progressBar"));
    progressBar->setRange(0, kProgressSteps);
    progressBar->setVisible(false);
    buttons->addWidget(progressBar, 1);
    buttons->addStretch();
    applyButton = AddButton(this, buttons, "applyButton", QT_TRANSLATE_NOOP("design_search_window", "適用"));
    closeButton =
        AddButton(this, buttons, "closeButton", QT_TRANSLATE_NOOP("design_search_window", "閉じる"));
    connect(fromCaseButton, &QPushButton::clicked, this, &DesignSearchWindow::FillFromCurrentCase);
    connect(searchButton, &QPushButton::clicked, this, &DesignSearchWindow::searchClick);
    connect(cancelButton, &QPushButton::clicked, this, &DesignSearchWindow::cancelClick);
    connect(applyButton, &QPushButton::clicked, this, &DesignSearchWindow::applyClick);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::close);

    summaryLabel = new QLabel(this);
    summaryLabel->setObjectName(QStringLiteral("summaryLabel"));
    top->addWidget(summaryLabel);
    noneFeasibleLabel = new QLabel(this);
    noneFeasibleLabel->setObjectName(QStringLiteral("noneFeasibleLabel"));
    QPalette red = noneFeasibleLabel->palette();
    red.setColor(QPalette::WindowText, kMessageErrorColour);
    noneFeasibleLabel->setPalette(red);
    noneFeasibleLabel->setVisible(false);
    top->addWidget(noneFeasibleLabel);

    resultTable = new QTableWidget(0, kFirstValueColumn + kSearchColumns, this);
    resultTable->setObjectName(QStringLiteral("resultTable"));
    resultTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    resultTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    resultTable->setSelectionMode(QAbstractItemView::SingleSelection);
    resultTable->verticalHeader()->setVisible(false);
    resultTable->verticalHeader()->setDefaultSectionSize(20);
    resultTable->setSortingEnabled(true);
    connect(resultTable, &QTableWidget::cellDoubleClicked, this, [this](int row, int) { ApplyRow(row); });
    top->addWidget(resultTable, 1);
    FillResults();
}

void DesignSearchWindow::FillMaterialTree() {
    materialTree->clear();
    const MaterialTable& table = table_;
    const KindIndex& index = kinds_;
    const std::vector<int> searchable = SearchableRecords(table, index);
    for (const KindEntry& kind : KindListEntries(index, table)) {
        auto* kindItem = new QTreeWidgetItem(materialTree, {FromSjis(kind.nameSjis)});
        kindItem->setFlags(kindItem->flags() | Qt::ItemIsUserCheckable | Qt::ItemIsAutoTristate);
        for (int slot = 0; slot < index.kindCount[static_cast<std::size_t>(kind.kindNo)]; ++slot) {
            const int record = MaterialNoAt(index, kind.kindNo, slot);
            if (std::find(searchable.begin(), searchable.end(), record) == searchable.end()) continue;
            const MaterialRecord* r = RecordOrNull(table, record);
            auto* symbolItem = new QTreeWidgetItem(kindItem, {FromSjis(ShortStringValue(r->symbol))});
            symbolItem->setFlags(symbolItem->flags() | Qt::ItemIsUserCheckable);
            symbolItem->setData(0, kCandidateRole, record);
            symbolItem->setCheckState(0, Qt::Checked);
        }
        if (kindItem->childCount() == 0) delete kindItem;
    }
    materialTree->expandAll();
}

void DesignSearchWindow::FillFromCurrentCase() {
    const SearchInputs in = SearchInputsFromCase(current_);
    moment2Edit->setText(WindowText(FormatShownShort(in.moment2, unit_)));
    // Angles typed in the main window come as typed; angles it computed from moments as it
    // shows them, in the short format.
    const auto angleText = [this](double angle) {
        return current_.inputMode == 1 ? FullNumberText(angle) : ShortNumberText(angle);
    };
    angle2Edit->setText(angleText(in.angle2));
    toleranceEdit->setText(FullNumberText(in.tolerancePct));
    angle1Edit->setText(angleText(in.angle1));
    arm1Edit->setText(FullNumberText(in.arm1));
    arm2Edit->setText(FullNumberText(in.arm2));
    outwardCheck->setChecked(in.outward);
    leftHandCheck->setChecked(in.leftHand);
    wholeTurnsRadio->setChecked(true);
    turnsMinSpin->setValue(in.turnsMin);
    turnsMaxSpin->setValue(in.turnsMax);
    fractionEdit->setText(FullNumberText(in.turnsFraction));
    outerDiaMaxEdit->setText(in.outerDiaMax > 0 ? FullNumberText(in.outerDiaMax) : QString());
    guideRodEdit->setText(FullNumberText(in.guideRodMin));
    stepEdit->setText(FullNumberText(in.coilDiaStep));
    FillMaterialTree();
}

SearchInputs DesignSearchWindow::ReadInputs() const {
    auto number = [](const QLineEdit* edit) { return ParseNumber(edit->text().toStdString()); };
    SearchInputs in;
    in.moment2 = FromShownUnit(number(moment2Edit), unit_);
    in.angle2 = number(angle2Edit);
    in.tolerancePct = number(toleranceEdit);
    in.angle1 = number(angle1Edit);
    in.arm1 = number(arm1Edit);
    in.arm2 = number(arm2Edit);
    in.outward = outwardCheck->isChecked();
    in.leftHand = leftHandCheck->isChecked();
    in.anyTurns = anyTurnsRadio->isChecked();
    in.turnsMin = turnsMinSpin->value();
    in.turnsMax = turnsMaxSpin->value();
    in.turnsFraction = in.anyTurns ? 0.0 : number(fractionEdit);
    in.outerDiaMax = NumberOrZero(outerDiaMaxEdit);
    in.guideRodMin = NumberOrZero(guideRodEdit);
    in.coilDiaStep = number(stepEdit);
    // The coil diameter is typed in the mode the main window uses now.
    in.diaMode = current_.diaMode;
    if (in.diaMode < 0 || in.diaMode > 2) in.diaMode = 1;
    for (int k = 0; k < materialTree->topLevelItemCount(); ++k) {
        const QTreeWidgetItem* kind = materialTree->topLevelItem(k);
        for (int s = 0; s < kind->childCount(); ++s)
            if (kind->child(s)->checkState(0) == Qt::Checked)
                in.materials.push_back(kind->child(s)->data(0, kCandidateRole).toInt());
    }
    if (in.materials.empty())
        throw CommandError(
            QCoreApplication::translate("design_search_window", "材料が選ばれていません").toStdString());
    in.lifeClassLimit = lifeCombo->currentData().toInt();
    in.ranking = static_cast<SearchRanking>(rankingCombo->currentData().toInt());
    return in;
}

void DesignSearchWindow::searchClick() {
    if (worker_ != nullptr) return;
    auto job = std::make_shared<Job>();
    bool read = false;
    RunCommand(dialogs_, this, [&] {
        job->inputs = ReadInputs();
        read = true;
    });
    if (!read) return;
    job->table = table_;
    job->index = kinds_;
    job_ = job;
    worker_ = QThread::create([job] {
        try {
            job->outcome = SearchDesigns(job->inputs, job->table, job->index, [&job](double done) {
                job->progress = static_cast<int>(done * kProgressSteps);
                return !job->cancel;
            });
        } catch (const CommandError& e) {
            job->error = e;
        }
    });
    connect(worker_, &QThread::finished, this, &DesignSearchWindow::SearchFinished);
    searchButton->setEnabled(false);
    cancelButton->setEnabled(true);
    progressBar->setValue(0);
    started_.start();
    progressTimer_->start();
    worker_->start();
}

void DesignSearchWindow::cancelClick() {
    if (job_) job_->cancel = true;
}

void DesignSearchWindow::ShowProgress() {
    if (!job_ || started_.elapsed() < kQuietMilliseconds) return;
    progressBar->setVisible(true);
    progressBar->setValue(job_->progress);
}

void DesignSearchWindow::SearchFinished() {
    progressTimer_->stop();
    progressBar->setVisible(false);
    worker_->wait();
    worker_->deleteLater();
    worker_ = nullptr;
    searchButton->setEnabled(true);
    cancelButton->setEnabled(false);
    const std::shared_ptr<Job> job = std::move(job_);
    if (job->error) {
        RunCommand(dialogs_, this, [&] { throw *job->error; });
        return;
    }
    outcome_ = std::move(job->outcome);
    FillResults();
}

void DesignSearchWindow::FillResults() {
    resultTable->setSortingEnabled(false);
    resultTable->clearContents();
    resultTable->setRowCount(static_cast<int>(outcome_.best.size()));
    QStringList titles{QCoreApplication::translate("design_search_window", "順位")};
    for (int col = 0; col < kSearchColumns; ++col)
        titles << WindowText(SearchColumnTitle(static_cast<SearchColumn>(col), unit_));
    resultTable->setHorizontalHeaderLabels(titles);
    const MaterialTable& table = table_;
    for (int row = 0; row < static_cast<int>(outcome_.best.size()); ++row) {
        const SearchCandidate& c = outcome_.best[static_cast<std::size_t>(row)];
        auto* rank = new NumberItem(QString::number(row + 1), row);
        rank->setData(kCandidateRole, row);
        resultTable->setItem(row, 0, rank);
        for (int col = 0; col < kSearchColumns; ++col) {
            const auto column = static_cast<SearchColumn>(col);
            const std::string text = SearchCellText(c, column, unit_, table);
            QTableWidgetItem* item =
                column == SearchColumn::Symbol
                    ? new QTableWidgetItem(FromSjis(text))
                    : new NumberItem(WindowText(text), SearchCellValue(c, column, unit_));
            resultTable->setItem(row, kFirstValueColumn + col, item);
        }
    }
    resultTable->horizontalHeader()->setSortIndicator(0, Qt::AscendingOrder);
    resultTable->setSortingEnabled(true);
    resultTable->resizeColumnsToContents();

    summaryLabel->setText(
        outcome_.examined > 0 || outcome_.cancelled ? WindowText(SearchSummaryText(outcome_)) : QString());
    const ComposedText none = outcome_.examined > 0 || outcome_.cancelled ? SearchNoneFeasibleText(outcome_)
                                                                          : ComposedText(std::string());
    noneFeasibleLabel->setText(WindowText(none));
    noneFeasibleLabel->setVisible(!none.empty());
}

const SearchCandidate* DesignSearchWindow::candidateAt(int row) const {
    const QTableWidgetItem* item = resultTable->item(row, 0);
    if (item == nullptr) return nullptr;
    const int index = item->data(kCandidateRole).toInt();
    if (index < 0 || index >= static_cast<int>(outcome_.best.size())) return nullptr;
    return &outcome_.best[static_cast<std::size_t>(index)];
}

void DesignSearchWindow::ApplyRow(int row) {
    const SearchCandidate* candidate = candidateAt(row);
    if (candidate == nullptr) return;
    emit designChosen(*candidate);
    StepAsideFromParent();
}

void DesignSearchWindow::StepAsideFromParent() {
    // The applied spring is shown in the window this one was opened from: the list moves
    // beside it where the screen has room, and otherwise steps back (it keeps its results
    // for the menu).
    const QWidget* owner = parentWidget() != nullptr ? parentWidget()->window() : nullptr;
    if (owner == nullptr) return;
    const QRect mainFrame = owner->frameGeometry();
    const QRect frame = frameGeometry();
    if (!isVisible() || !frame.intersects(mainFrame)) return;
    const QScreen* screen = owner->screen();
    const QRect room = screen != nullptr ? screen->availableGeometry() : QRect();
    const int top =
        std::clamp(mainFrame.top(), room.top(), std::max(room.top(), room.bottom() - frame.height()));
    for (const int left : {mainFrame.right() + 1, mainFrame.left() - frame.width()}) {
        const QRect place(QPoint(left, top), frame.size());
        if (room.contains(place)) {
            move(pos() + place.topLeft() - frame.topLeft());
            return;
        }
    }
    hide();
}

void DesignSearchWindow::applyClick() {
    ApplyRow(resultTable->currentRow());
}

void DesignSearchWindow::setUnitSystem(UnitSystem unit) {
    if (unit == unit_) return;
    // The typed requirement keeps its value in the new unit; a text that is no number
    // yet stays as typed.
    if (const auto moment = ValueInOtherUnit(moment2Edit->text().toStdString(), unit_, unit, std::nullopt))
        moment2Edit->setText(WindowText(moment->text));
    unit_ = unit;
    moment2Unit->setText(WindowText(MomentUnitText(unit_)));
    FillResults();
}
