#include "ui/editors/u_data_make.h"

#include <QAbstractItemView>
#include <QCoreApplication>
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
#include "ui/common/control_table.h"
#include "ui/common/data_files.h"
#include "ui/common/dialogs.h"
#include "ui/common/fixed_cells.h"
#include "ui/common/number_box.h"
#include "ui/common/sjis.h"
#include "ui/common/window_text.h"

using namespace torsion;

namespace {

const QString kTableName = QStringLiteral("zaidat.dst");
QString kTableFilter() {
    return QCoreApplication::translate("u_data_make", "材料のデーター|*.dst|すべてのファイル|*.*");
}
QString kRestartNotice() {
    return QCoreApplication::translate("u_data_make",
                                       "材料特性を変更した場合は、ソフトを一度終了して下さい！");
}
QString kEraseQuestion() {
    return QCoreApplication::translate("u_data_make", "本当に現在のデーターNo.の内容を消去");
}

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

enum class EditorControl { Caption, Box, NumberBox, ShownBox, Button, Spin, List };
using enum EditorControl;

// The controls in the order they are made, with their places and sizes.
constexpr ControlRow<EditorControl> kControls[] = {
    {Caption, "", "Label7", {8, 12, 64, 16}, QT_TRANSLATE_NOOP("u_data_make", "データーNo")},
    {ShownBox, "", "Edit7", {74, 8, 40, 22}, ""},
    {Button, "", "BitBtn3", {120, 7, 32, 25}, "▲"},
    {Button, "", "BitBtn4", {154, 7, 32, 25}, "▼"},
    {Button, "", "BitBtn8", {196, 7, 56, 25}, QT_TRANSLATE_NOOP("u_data_make", "消去")},
    {Button, "", "BitBtn1", {284, 7, 62, 25}, "load"},
    {Button, "", "BitBtn2", {350, 7, 62, 25}, "save"},
    {Caption, "", "Label1", {8, 44, 70, 16}, QT_TRANSLATE_NOOP("u_data_make", "材料の種類")},
    {Box, "", "Edit1", {80, 40, 176, 22}, ""},
    {Caption, "", "Label2", {264, 44, 76, 16}, QT_TRANSLATE_NOOP("u_data_make", "種類番号")},
    {Spin, "", "SE1", {342, 40, 70, 22}, ""},
    {Caption, "", "Label3", {8, 72, 70, 16}, QT_TRANSLATE_NOOP("u_data_make", "材料の記号")},
    {Box, "", "Edit2", {80, 68, 176, 22}, ""},
    {Caption, "", "Label9", {264, 72, 76, 16}, QT_TRANSLATE_NOOP("u_data_make", "種類別登録数")},
    {ShownBox, "", "Edit9", {342, 68, 30, 22}, ""},
    {Caption, "", "Label10", {376, 72, 40, 16}, "max=8"},
    {Caption, "", "Label4", {8, 100, 70, 16}, QT_TRANSLATE_NOOP("u_data_make", "横弾性係数")},
    {NumberBox, "", "Edit3", {80, 96, 120, 22}, ""},
    {Caption, "", "Label5", {204, 100, 52, 16}, "N/mm^2"},
    {Caption, "", "Label11", {264, 100, 76, 16}, QT_TRANSLATE_NOOP("u_data_make", "ねじり応力比")},
    {NumberBox, "", "Edit10", {342, 96, 52, 22}, ""},
    {Caption, "", "Label12", {398, 100, 16, 16}, "%"},
    {Caption, "", "Label6", {8, 128, 70, 16}, QT_TRANSLATE_NOOP("u_data_make", "縦弾性係数")},
    {NumberBox, "", "Edit5", {80, 124, 120, 22}, ""},
    {Caption, "", "Label8", {204, 128, 52, 16}, "N/mm^2"},
    {Caption, "", "Label13", {264, 128, 76, 16}, QT_TRANSLATE_NOOP("u_data_make", "曲げ応力比")},
    {NumberBox, "", "Edit11", {342, 124, 52, 22}, ""},
    {Caption, "", "Label14", {398, 128, 16, 16}, "%"},
    {Caption, "", "Label15", {8, 156, 70, 16}, QT_TRANSLATE_NOOP("u_data_make", "コメント")},
    {List, "", "ListBox1", {80, 152, 332, 50}, ""},
    {Caption, "", "Label16", {8, 214, 70, 16}, QT_TRANSLATE_NOOP("u_data_make", "データーの数")},
    {ShownBox, "", "Edit4", {80, 210, 40, 22}, ""},
    {Button, "", "BitBtn6", {264, 209, 72, 25}, QT_TRANSLATE_NOOP("u_data_make", "行挿入")},
    {Button, "", "BitBtn7", {340, 209, 72, 25}, QT_TRANSLATE_NOOP("u_data_make", "行削除")},
    {Caption, "", "LabelFile", {8, 590, 408, 40}, ""},
};

QWidget* MakeControl(const ControlRow<EditorControl>& row, QWidget* parent) {
    const QString caption = QCoreApplication::translate("u_data_make", row.caption);
    QWidget* control = nullptr;
    switch (row.type) {
        case Caption:
            control = new QLabel(caption, parent);
            break;
        case Button:
            control = new QPushButton(caption, parent);
            break;
        case Spin:
            control = new QSpinBox(parent);
            break;
        case List:
            control = new QListWidget(parent);
            break;
        case Box:
        case NumberBox:
        case ShownBox: {
            auto* edit = new QLineEdit(parent);
            QPalette palette = edit->palette();
            // Aqua while a box takes input, white while it only shows a result.
            palette.setColor(QPalette::Base, row.type == ShownBox ? kDisplayColour : kInputColour);
            edit->setPalette(palette);
            edit->setReadOnly(row.type == ShownBox);
            if (row.type == NumberBox) MakeNumberBox(edit);
            control = edit;
            break;
        }
    }
    control->setGeometry(row.rect);
    return control;
}

}  // namespace

Tdata_make::Tdata_make(MaterialTable& materials, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), materials_(materials), dialogs_(dialogs) {
    setObjectName(QStringLiteral("data_make"));
    setWindowTitle(QCoreApplication::translate("u_data_make", "材料編集"));
    setFont(JapaneseFont());
    setModal(true);
    BuildControls();
    FormCreate();
}

void Tdata_make::BuildControls() {
    setFixedSize(424, 632);
    const ControlTable controls(this, kControls, MakeControl);
    controls.Take(Edit7, "Edit7", BitBtn3, "BitBtn3", BitBtn4, "BitBtn4", BitBtn8, "BitBtn8", BitBtn1,
                  "BitBtn1", BitBtn2, "BitBtn2", Edit1, "Edit1", SE1, "SE1", Edit2, "Edit2", Edit9, "Edit9",
                  Edit3, "Edit3", Edit10, "Edit10", Edit5, "Edit5", Edit11, "Edit11", ListBox1, "ListBox1",
                  Edit4, "Edit4", BitBtn6, "BitBtn6", BitBtn7, "BitBtn7", LabelFile, "LabelFile");
    SE1->setRange(0, kEmptyKindNo);
    // The kind number changes only with the arrows; typing into the box is refused.
    if (auto* spinText = SE1->findChild<QLineEdit*>()) spinText->setReadOnly(true);
    ListBox1->setToolTip(QCoreApplication::translate("u_data_make", "ダブルクリックでクリアー"));
    ListBox1->viewport()->installEventFilter(this);
    LabelFile->setTextInteractionFlags(Qt::TextSelectableByMouse);

    SG1 = new QTableWidget(kGridRows, kGridColumns, this);
    SG1->setObjectName(QStringLiteral("SG1"));
    SG1->setItemDelegate(new CellDelegate(SG1));
    for (QHeaderView* header : {SG1->horizontalHeader(), SG1->verticalHeader()}) {
        header->hide();
        header->setMinimumSectionSize(8);
    }
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

    const std::pair<QPushButton*, void (Tdata_make::*)()> clicks[] = {
        {BitBtn1, &Tdata_make::BitBtn1Click}, {BitBtn2, &Tdata_make::BitBtn2Click},
        {BitBtn3, &Tdata_make::BitBtn3Click}, {BitBtn4, &Tdata_make::BitBtn4Click},
        {BitBtn6, &Tdata_make::BitBtn6Click}, {BitBtn7, &Tdata_make::BitBtn7Click},
        {BitBtn8, &Tdata_make::BitBtn8Click}};
    for (const auto& [button, slot] : clicks) connect(button, &QPushButton::clicked, this, slot);
    connect(SE1, &QSpinBox::valueChanged, this, &Tdata_make::SE1Change);
}

void Tdata_make::FormCreate() {
    // Header rows and the row-number column behave like fixed cells: they are
    // neither selectable nor editable, keyboard moves skip them, and they look
    // like headers.
    const QBrush headerBack = palette().brush(QPalette::Button);
    const QBrush headerText = palette().brush(QPalette::ButtonText);
    const QString fixedTexts[2][kGridColumns] = {
        {QStringLiteral("No"), QCoreApplication::translate("u_data_make", "材料線径"),
         QCoreApplication::translate("u_data_make", "引張り強さ"),
         QCoreApplication::translate("u_data_make", "許容ねじり応力"),
         QCoreApplication::translate("u_data_make", "許容曲げ応力")},
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
        if (!dialogs_.confirm(this, kEraseQuestion())) return;
        EraseRecord();
        ShowMaterialRecord(editRecordNo_);
    });
}

void Tdata_make::BitBtn1Click() {
    RunCommand(dialogs_, this, [&] {
        static_cast<CellDelegate*>(SG1->itemDelegate())->finishEditing();
        const QString path = dialogs_.openFileName(this, kTableFilter(), lastOpenName_);
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
        const QString chosen = dialogs_.saveFileName(this, kTableFilter(), lastSaveName_);
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
                    this, QCoreApplication::translate("u_data_make", "ファイル %1 に保存しました。\n%2")
                              .arg(path, kRestartNotice()));
                return;
            }
        }
        dialogs_.showInformation(this, kRestartNotice());
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
        ListBox1->addItem(QCoreApplication::translate("u_data_make", "種類番号＝ ") + QString::number(value) +
                          QCoreApplication::translate("u_data_make", " は８以上登録できません！"));
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
