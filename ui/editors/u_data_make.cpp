#include "ui/editors/u_data_make.h"

#include <QAbstractItemView>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFont>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPalette>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <QStyledItemDelegate>
#include <QTableWidget>

#include "core/base/number_text.h"
#include "drawing/japanese_font.h"
#include "ui/common/box_style.h"
#include "ui/common/data_files.h"
#include "ui/common/dialogs.h"
#include "ui/common/number_box.h"
#include "ui/common/sjis.h"
#include "ui/common/window_text.h"
#include "ui/main_window/fixed_cells.h"

using namespace torsion;

namespace {

const QString kTableName = QStringLiteral("zaidat.dst");
const QString kTableFilter = QStringLiteral("材料のデーター|*.dst|すべてのファイル|*.*");
const QString kRestartNotice = QStringLiteral("材料特性を変更した場合は、ソフトを一度終了して下さい！");
const QString kEraseQuestion = QStringLiteral("本当に現在のデーターNo.の内容を消去");

constexpr int kColumnWidths[Tdata_make::kGridColumns] = {20, 54, 101, 100, 107};
constexpr int kRowHeight = 20;

QString IntText(std::int32_t v) {
    return QString::number(v);
}

// Keeps the cell editor that is open, so that a command can take over its text
// before it reads or rewrites the grid, as a click on a button would.
class CellDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        // Every column of the grid holds numbers.
        if (auto* box = qobject_cast<QLineEdit*>(editor)) MakeNumberBox(box);
        openEditor_ = editor;
        return editor;
    }

    void finishEditing() {
        QWidget* editor = openEditor_;
        openEditor_ = nullptr;
        if (editor == nullptr) return;
        emit commitData(editor);
        emit closeEditor(editor, QAbstractItemDelegate::NoHint);
    }

  private:
    mutable QPointer<QWidget> openEditor_;
};

QLabel* AddLabel(QWidget* parent, const QString& name, const QString& text, int x, int y, int w) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(x, y, w, 16);
    return label;
}

QLineEdit* AddEdit(QWidget* parent, const QString& name, int x, int y, int w, bool outputOnly) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setGeometry(x, y, w, 22);
    QPalette palette = edit->palette();
    // Aqua while a box takes input, white while it only shows a result.
    palette.setColor(QPalette::Base, outputOnly ? kDisplayColour : kInputColour);
    edit->setPalette(palette);
    edit->setReadOnly(outputOnly);
    return edit;
}

QPushButton* AddButton(QWidget* parent, const QString& name, const QString& text, int x, int y, int w) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setGeometry(x, y, w, 25);
    return button;
}

}  // namespace

Tdata_make::Tdata_make(MaterialTable& materials, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), materials_(materials), dialogs_(dialogs) {
    setObjectName(QStringLiteral("data_make"));
    setWindowTitle(QStringLiteral("材料編集"));
    setFont(JapaneseFont());
    setModal(true);
    BuildControls();
    FormCreate();
}

void Tdata_make::BuildControls() {
    setFixedSize(424, 632);

    AddLabel(this, QStringLiteral("Label7"), QStringLiteral("データーNo"), 8, 12, 64);
    Edit7 = AddEdit(this, QStringLiteral("Edit7"), 74, 8, 40, true);
    BitBtn3 = AddButton(this, QStringLiteral("BitBtn3"), QStringLiteral("▲"), 120, 7, 32);
    BitBtn4 = AddButton(this, QStringLiteral("BitBtn4"), QStringLiteral("▼"), 154, 7, 32);
    BitBtn8 = AddButton(this, QStringLiteral("BitBtn8"), QStringLiteral("消去"), 196, 7, 56);
    BitBtn1 = AddButton(this, QStringLiteral("BitBtn1"), QStringLiteral("load"), 284, 7, 62);
    BitBtn2 = AddButton(this, QStringLiteral("BitBtn2"), QStringLiteral("save"), 350, 7, 62);

    AddLabel(this, QStringLiteral("Label1"), QStringLiteral("材料の種類"), 8, 44, 70);
    Edit1 = AddEdit(this, QStringLiteral("Edit1"), 80, 40, 176, false);
    AddLabel(this, QStringLiteral("Label2"), QStringLiteral("種類番号"), 264, 44, 76);
    SE1 = new QSpinBox(this);
    SE1->setObjectName(QStringLiteral("SE1"));
    SE1->setGeometry(342, 40, 70, 22);
    SE1->setRange(0, kEmptyKindNo);
    // The kind number changes only with the arrows; typing into the box is refused.
    if (auto* spinText = SE1->findChild<QLineEdit*>()) spinText->setReadOnly(true);

    AddLabel(this, QStringLiteral("Label3"), QStringLiteral("材料の記号"), 8, 72, 70);
    Edit2 = AddEdit(this, QStringLiteral("Edit2"), 80, 68, 176, false);
    AddLabel(this, QStringLiteral("Label9"), QStringLiteral("種類別登録数"), 264, 72, 76);
    Edit9 = AddEdit(this, QStringLiteral("Edit9"), 342, 68, 30, true);
    AddLabel(this, QStringLiteral("Label10"), QStringLiteral("max=8"), 376, 72, 40);

    AddLabel(this, QStringLiteral("Label4"), QStringLiteral("横弾性係数"), 8, 100, 70);
    Edit3 = AddEdit(this, QStringLiteral("Edit3"), 80, 96, 120, false);
    AddLabel(this, QStringLiteral("Label5"), QStringLiteral("N/mm^2"), 204, 100, 52);
    AddLabel(this, QStringLiteral("Label11"), QStringLiteral("ねじり応力比"), 264, 100, 76);
    Edit10 = AddEdit(this, QStringLiteral("Edit10"), 342, 96, 52, false);
    AddLabel(this, QStringLiteral("Label12"), QStringLiteral("%"), 398, 100, 16);

    AddLabel(this, QStringLiteral("Label6"), QStringLiteral("縦弾性係数"), 8, 128, 70);
    Edit5 = AddEdit(this, QStringLiteral("Edit5"), 80, 124, 120, false);
    AddLabel(this, QStringLiteral("Label8"), QStringLiteral("N/mm^2"), 204, 128, 52);
    AddLabel(this, QStringLiteral("Label13"), QStringLiteral("曲げ応力比"), 264, 128, 76);
    Edit11 = AddEdit(this, QStringLiteral("Edit11"), 342, 124, 52, false);
    for (QLineEdit* number : {Edit3, Edit10, Edit5, Edit11}) MakeNumberBox(number);
    AddLabel(this, QStringLiteral("Label14"), QStringLiteral("%"), 398, 128, 16);

    AddLabel(this, QStringLiteral("Label15"), QStringLiteral("コメント"), 8, 156, 70);
    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setGeometry(80, 152, 332, 50);
    ListBox1->setToolTip(QStringLiteral("ダブルクリックでクリアー"));
    ListBox1->viewport()->installEventFilter(this);

    AddLabel(this, QStringLiteral("Label16"), QStringLiteral("データーの数"), 8, 214, 70);
    Edit4 = AddEdit(this, QStringLiteral("Edit4"), 80, 210, 40, true);
    BitBtn6 = AddButton(this, QStringLiteral("BitBtn6"), QStringLiteral("行挿入"), 264, 209, 72);
    BitBtn7 = AddButton(this, QStringLiteral("BitBtn7"), QStringLiteral("行削除"), 340, 209, 72);

    SG1 = new QTableWidget(kGridRows, kGridColumns, this);
    SG1->setObjectName(QStringLiteral("SG1"));
    SG1->setItemDelegate(new CellDelegate(SG1));
    SG1->horizontalHeader()->hide();
    SG1->verticalHeader()->hide();
    SG1->horizontalHeader()->setMinimumSectionSize(8);
    SG1->verticalHeader()->setMinimumSectionSize(8);
    SG1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    SG1->verticalHeader()->setDefaultSectionSize(kRowHeight);
    for (int c = 0; c < kGridColumns; ++c) SG1->setColumnWidth(c, kColumnWidths[c]);
    SG1->setSelectionMode(QAbstractItemView::ContiguousSelection);
    SG1->setSelectionBehavior(QAbstractItemView::SelectItems);
    SG1->setTabKeyNavigation(true);
    SG1->setWordWrap(false);
    // Narrow cells clip their text instead of eliding it.
    SG1->setTextElideMode(Qt::ElideNone);
    SG1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    SG1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    SG1->setGeometry(8, 242, 408, 20 * 17 + 4);

    LabelFile = new QLabel(this);
    LabelFile->setObjectName(QStringLiteral("LabelFile"));
    LabelFile->setGeometry(8, 590, 408, 40);
    LabelFile->setTextInteractionFlags(Qt::TextSelectableByMouse);

    connect(BitBtn1, &QPushButton::clicked, this, &Tdata_make::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &Tdata_make::BitBtn2Click);
    connect(BitBtn3, &QPushButton::clicked, this, &Tdata_make::BitBtn3Click);
    connect(BitBtn4, &QPushButton::clicked, this, &Tdata_make::BitBtn4Click);
    connect(BitBtn6, &QPushButton::clicked, this, &Tdata_make::BitBtn6Click);
    connect(BitBtn7, &QPushButton::clicked, this, &Tdata_make::BitBtn7Click);
    connect(BitBtn8, &QPushButton::clicked, this, &Tdata_make::BitBtn8Click);
    connect(SE1, &QSpinBox::valueChanged, this, &Tdata_make::SE1Change);
}

void Tdata_make::FormCreate() {
    // Header rows and the row-number column behave like fixed cells: they are
    // neither selectable nor editable, keyboard moves skip them, and they look
    // like headers.
    const QBrush headerBack = palette().brush(QPalette::Button);
    const QBrush headerText = palette().brush(QPalette::ButtonText);
    const QString fixedTexts[2][kGridColumns] = {
        {QStringLiteral("No"), QStringLiteral("材料線径"), QStringLiteral("引張り強さ"),
         QStringLiteral("許容ねじり応力"), QStringLiteral("許容曲げ応力")},
        {QString(), QStringLiteral("        mm"), QStringLiteral("           N/mm^2"),
         QStringLiteral("           N/mm^2"), QStringLiteral("           N/mm^2")}};
    for (int r = 0; r < kGridRows; ++r) {
        for (int c = 0; c < kGridColumns; ++c) {
            auto* item = new QTableWidgetItem;
            if (r < kFixedRows || c == 0) {
                item->setFlags(Qt::NoItemFlags);
                item->setBackground(headerBack);
                item->setForeground(headerText);
                item->setText(r < kFixedRows ? fixedTexts[r][c] : QString::number(r - kFixedRows));
            } else {
                item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemIsEnabled);
            }
            SG1->setItem(r, c, item);
        }
    }
    SG1->setCurrentCell(kFixedRows, 1);
    KeepFixedCellsInPlace(*SG1, kFixedRows, 1);
    ShowMaterialRecord(0);
}

QString Tdata_make::CellText(int gridRow, int column) const {
    const QTableWidgetItem* item = SG1->item(gridRow, column);
    return item != nullptr ? item->text() : QString();
}

void Tdata_make::SetCellText(int gridRow, int column, const QString& text) {
    if (QTableWidgetItem* item = SG1->item(gridRow, column)) item->setText(text);
}

void Tdata_make::ShowMaterialRecord(int n) {
    const MaterialRecord* record = RecordOrNull(materials_, n);
    if (record == nullptr) return;
    const MaterialRecord& r = *record;
    Edit7->setText(QString::number(n));
    Edit1->setText(FromSjis(ShortStringValue(r.kindName)));
    Edit2->setText(FromSjis(ShortStringValue(r.symbol)));
    Edit3->setText(FullNumberText(r.shearModulus));
    Edit4->setText(IntText(r.rowCount));
    SE1->setValue(r.kindNo);  // runs the kind check when the value changes
    Edit5->setText(FullNumberText(r.youngModulus));
    Edit10->setText(IntText(r.torsionRatio));
    Edit11->setText(IntText(r.bendingRatio));
    for (int i = 0; i < kMaterialRows; ++i) {
        const int g = i + kFixedRows;
        SetCellText(g, 1, FullNumberText(r.diameter[i]));
        SetCellText(g, 2, FullNumberText(r.tensileStrength[i]));
        SetCellText(g, 3, FullNumberText(r.allowTorsion[i]));
        SetCellText(g, 4, FullNumberText(r.allowBending[i]));
    }
}

void Tdata_make::StoreMaterialRecord() {
    static_cast<CellDelegate*>(SG1->itemDelegate())->finishEditing();
    MaterialRecord& r = materials_[static_cast<std::size_t>(editRecordNo_)];
    SetShortString(r.kindName, ToSjis(Edit1->text()));
    SetShortString(r.symbol, ToSjis(Edit2->text()));
    r.shearModulus = ParseNumber(Edit3->text().toStdString());
    r.youngModulus = ParseNumber(Edit5->text().toStdString());
    r.kindNo = SE1->value();
    r.torsionRatio = ParseInteger(Edit10->text().toStdString());
    r.bendingRatio = ParseInteger(Edit11->text().toStdString());

    // The list ends at the first diameter cell that reads exactly "0". When all 50
    // rows are filled, all 50 are in use.
    int rowEnd = kMaterialRows;
    for (int i = 0; i < kMaterialRows; ++i) {
        const int g = i + kFixedRows;
        r.diameter[i] = ParseNumber(CellText(g, 1).toStdString());
        r.tensileStrength[i] = ParseNumber(CellText(g, 2).toStdString());
        r.allowTorsion[i] = ParseNumber(CellText(g, 3).toStdString());
        r.allowBending[i] = ParseNumber(CellText(g, 4).toStdString());
        if (CellText(g, 1) == QStringLiteral("0")) {
            rowEnd = i;
            break;
        }
    }
    r.rowCount = rowEnd;
    Edit4->setText(IntText(rowEnd));
    for (int j = rowEnd; j < kMaterialRows; ++j) {
        r.diameter[j] = 0;
        r.tensileStrength[j] = 0;
        r.allowTorsion[j] = 0;
        r.allowBending[j] = 0;
    }
}

int Tdata_make::CurrentDataRow() const {
    const int g = SG1->currentRow();
    if (g < kFixedRows || g >= kGridRows) return -1;
    return g - kFixedRows;
}

void Tdata_make::InsertRow(int k) {
    MaterialRecord& r = materials_[static_cast<std::size_t>(editRecordNo_)];
    for (int j = kMaterialRows - 2; j >= k; --j) {
        r.diameter[j + 1] = r.diameter[j];
        r.tensileStrength[j + 1] = r.tensileStrength[j];
        r.allowTorsion[j + 1] = r.allowTorsion[j];
        r.allowBending[j + 1] = r.allowBending[j];
    }
    r.diameter[k] = 0;
    r.tensileStrength[k] = 0;
    r.allowTorsion[k] = 0;
    r.allowBending[k] = 0;
}

void Tdata_make::DeleteRow(int k) {
    MaterialRecord& r = materials_[static_cast<std::size_t>(editRecordNo_)];
    for (int j = k; j <= kMaterialRows - 2; ++j) {
        r.diameter[j] = r.diameter[j + 1];
        r.tensileStrength[j] = r.tensileStrength[j + 1];
        r.allowTorsion[j] = r.allowTorsion[j + 1];
        r.allowBending[j] = r.allowBending[j + 1];
    }
    const int last = kMaterialRows - 1;
    r.diameter[last] = 0;
    r.tensileStrength[last] = 0;
    r.allowTorsion[last] = 0;
    r.allowBending[last] = 0;
}

void Tdata_make::EraseRecord() {
    MaterialRecord& r = materials_[static_cast<std::size_t>(editRecordNo_)];
    // Only the length bytes: the bytes behind them stay as they were.
    r.kindName[0] = 0;
    r.symbol[0] = 0;
    r.shearModulus = 0;
    r.youngModulus = 0;
    r.rowCount = 0;
    r.kindNo = kEmptyKindNo;
    r.torsionRatio = 0;
    r.bendingRatio = 0;
    r.diameter.fill(0);
    r.tensileStrength.fill(0);
    r.allowTorsion.fill(0);
    r.allowBending.fill(0);
}

void Tdata_make::BitBtn3Click() {
    RunCommand(dialogs_, this, [&] {
        StoreMaterialRecord();
        if (editRecordNo_ < kMaterialRecords - 1) {
            ++editRecordNo_;
            ShowMaterialRecord(editRecordNo_);
        }
    });
}

void Tdata_make::BitBtn4Click() {
    RunCommand(dialogs_, this, [&] {
        StoreMaterialRecord();
        if (editRecordNo_ > 0) {
            --editRecordNo_;
            ShowMaterialRecord(editRecordNo_);
        }
    });
}

void Tdata_make::BitBtn6Click() {
    RunCommand(dialogs_, this, [&] {
        StoreMaterialRecord();
        const int k = CurrentDataRow();
        if (k < 0) return;
        InsertRow(k);
        ShowMaterialRecord(editRecordNo_);
    });
}

void Tdata_make::BitBtn7Click() {
    RunCommand(dialogs_, this, [&] {
        StoreMaterialRecord();
        const int k = CurrentDataRow();
        if (k < 0) return;
        DeleteRow(k);
        ShowMaterialRecord(editRecordNo_);
    });
}

void Tdata_make::BitBtn8Click() {
    RunCommand(dialogs_, this, [&] {
        // A text being typed into a cell ends as it would when the button takes the focus.
        static_cast<CellDelegate*>(SG1->itemDelegate())->finishEditing();
        if (!dialogs_.confirm(this, kEraseQuestion)) return;
        EraseRecord();
        ShowMaterialRecord(editRecordNo_);
    });
}

void Tdata_make::BitBtn1Click() {
    RunCommand(dialogs_, this, [&] {
        static_cast<CellDelegate*>(SG1->itemDelegate())->finishEditing();
        const QString path = dialogs_.openFileName(this, kTableFilter, lastOpenName_);
        if (!path.isEmpty()) {
            lastOpenName_ = path;
            LoadMaterialTable(materials_, path.toStdString());
        }
        NormaliseEmptyRecords(materials_);
        editRecordNo_ = 0;
        ShowMaterialRecord(0);
    });
}

void Tdata_make::BitBtn2Click() {
    RunCommand(dialogs_, this, [&] {
        StoreMaterialRecord();
        NormaliseEmptyRecords(materials_);
        const QString chosen = dialogs_.saveFileName(this, kTableFilter, lastSaveName_);
        if (!chosen.isEmpty()) {
            lastSaveName_ = chosen;
            QString path = chosen;
            // The program folder's table that this user may not write: the user's copy
            // takes the change, and the next start reads it.
            if (!programFolder_.isEmpty() &&
                QFileInfo(chosen).absoluteFilePath() ==
                    QFileInfo(QDir(programFolder_).filePath(kTableName)).absoluteFilePath())
                path = DataFileToWrite(programFolder_, kTableName);
            MakeFolderOf(path);
            SaveMaterialTable(materials_, path.toStdString());
            ShowFilePlace();
            if (path != chosen) {
                dialogs_.showInformation(
                    this, QStringLiteral("ファイル %1 に保存しました。\n%2").arg(path, kRestartNotice));
                return;
            }
        }
        dialogs_.showInformation(this, kRestartNotice);
    });
}

void Tdata_make::setProgramFolder(const QString& folder) {
    programFolder_ = folder;
    if (lastSaveName_.isEmpty()) lastSaveName_ = DataFileToWrite(folder, kTableName);
    ShowFilePlace();
}

void Tdata_make::ShowFilePlace() {
    if (programFolder_.isEmpty()) return;
    LabelFile->setText(DataFilePlaceText(DataFileToRead(programFolder_, kTableName),
                                         DataFileToWrite(programFolder_, kTableName)));
}

void Tdata_make::SE1Change(int value) {
    int count = 1;
    for (const MaterialRecord& r : materials_) {
        if (r.kindNo == value) ++count;
    }
    Edit9->setText(QString::number(count));
    if (count > 8) {
        ListBox1->addItem(QStringLiteral("種類番号＝ ") + QString::number(value) +
                          QStringLiteral(" は８以上登録できません！"));
    }
}

void Tdata_make::ListBox1DblClick() {
    ListBox1->clear();
}

bool Tdata_make::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick && watched == ListBox1->viewport()) {
        ListBox1DblClick();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
