// The main window's controls and menu, placed at their fixed pixel positions.
#include <QAbstractButton>
#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>

#include "drawing/fatigue_diagram.h"
#include "drawing/spring_drawing.h"
#include "ui/common/control_table.h"
#include "ui/common/image_control.h"
#include "ui/common/number_box.h"
#include "ui/common/settings.h"
#include "ui/main_window/characteristic_page.h"
#include "ui/main_window/exports.h"
#include "ui/main_window/history_grid.h"
#include "ui/main_window/message_list.h"
#include "ui/main_window/practice_page.h"
#include "ui/main_window/schematic.h"
#include "ui/main_window/spring_3d_page.h"
#include "ui/main_window/vek.h"

using namespace torsion;

namespace {

enum class VekControl {
    Group,
    Caption,
    InputBox,
    DisplayBox,
    Combo,
    Check,
    Arrow,
    Button,
    Image,
    List,
    Spin,
    Pages,
    Page
};
using Row = ControlRow<VekControl>;
using enum VekControl;

// The controls in the order they are made (a parent before its children). A caption's
// rectangle gives its place, and a width that it keeps for texts written later (0: its
// text's); an image's gives its place and the size of its picture.
constexpr Row kControls[] = {
    {Group, "", "GroupBox1", {8, 8, 377, 321}, QT_TRANSLATE_NOOP("vek_layout", "入力項目")},
    {Image, "GroupBox1", "Image5", {8, 16, kSchematicWidth, kSchematicHeight}, ""},
    {InputBox, "GroupBox1", "Edit5", {64, 20, 65, 20}, "35"},
    {Caption, "GroupBox1", "Label_angle2", {12, 23, 0, 0}, QT_TRANSLATE_NOOP("vek_layout", "角度(φ2)")},
    {Caption, "GroupBox1", "Label_angle2_unit", {131, 23, 0, 0}, QT_TRANSLATE_NOOP("vek_layout", "度")},
    {InputBox, "GroupBox1", "Edit4", {280, 20, 65, 20}, "30"},
    {Caption, "GroupBox1", "Label_angle1", {228, 23, 0, 0}, QT_TRANSLATE_NOOP("vek_layout", "角度(φ1)")},
    {Caption, "GroupBox1", "Label_angle1_unit", {347, 23, 0, 0}, QT_TRANSLATE_NOOP("vek_layout", "度")},
    {DisplayBox, "GroupBox1", "Edit7", {24, 60, 65, 21}, "0"},
    {Caption, "GroupBox1", "Label_moment2", {24, 45, 0, 0}, QT_TRANSLATE_NOOP("vek_layout", "荷重(M2)")},
    {Caption, "GroupBox1", "Label_moment2_unit", {91, 64, 0, 0}, QT_TRANSLATE_NOOP("vek_layout", "kgf･mm")},
    {DisplayBox, "GroupBox1", "Edit6", {296, 48, 65, 21}, "0"},
    {Caption, "GroupBox1", "Label_moment1", {244, 52, 0, 0}, QT_TRANSLATE_NOOP("vek_layout", "荷重(M1)")},
    {Caption, "GroupBox1", "Label_moment1_unit", {310, 70, 0, 0}, QT_TRANSLATE_NOOP("vek_layout", "kgf･mm")},
    {Check, "GroupBox1", "soto", {14, 118, 59, 17}, QT_TRANSLATE_NOOP("vek_layout", "外方向")},
    {Caption, "GroupBox1", "Label28", {280, 88, 90, 0}, QT_TRANSLATE_NOOP("vek_layout", "バネ指数")},
    {Caption, "GroupBox1", "Label11", {280, 103, 0, 0}, QT_TRANSLATE_NOOP("vek_layout", "適正=4～22")},
    {InputBox, "GroupBox1", "Edit13", {296, 136, 41, 21}, "20"},
    {Caption, "GroupBox1", "Label_arm2", {250, 139, 0, 0}, QT_TRANSLATE_NOOP("vek_layout", "長さ(a2)")},
    {Caption, "GroupBox1", "Label_arm2_unit", {339, 139, 0, 0}, "mm"},
    {InputBox, "GroupBox1", "Edit12", {88, 176, 41, 21}, "15"},
    {Caption, "GroupBox1", "Label_arm1", {42, 179, 0, 0}, QT_TRANSLATE_NOOP("vek_layout", "長さ(a1)")},
    {Caption, "GroupBox1", "Label_arm1_unit", {131, 179, 0, 0}, "mm"},
    {Button, "GroupBox1", "BitBtn1", {176, 190, 12, 12}, ""},
    {Caption, "GroupBox1", "Label48", {192, 190, 46, 0}, QT_TRANSLATE_NOOP("vek_layout", "平均径")},
    {InputBox, "GroupBox1", "Edit18", {240, 184, 41, 21}, "10"},
    {Caption, "GroupBox1", "Label_coil_unit", {283, 187, 0, 0}, "mm"},
    {Combo, "GroupBox1", "ComboBox5", {40, 224, 145, 19}, ""},
    {Caption, "GroupBox1", "Label_kind", {8, 227, 0, 0}, QT_TRANSLATE_NOOP("vek_layout", "材料")},
    {Combo, "GroupBox1", "ComboBox7", {40, 248, 145, 19}, ""},
    {Caption, "GroupBox1", "Label_symbol", {8, 251, 0, 0}, QT_TRANSLATE_NOOP("vek_layout", "記号")},
    {Combo, "GroupBox1", "ComboBox6", {56, 272, 73, 21}, ""},
    {Caption, "GroupBox1", "Label_wire", {8, 276, 0, 0}, QT_TRANSLATE_NOOP("vek_layout", "線径")},
    {Caption, "GroupBox1", "Label_wire_unit", {131, 276, 0, 0}, "mm"},
    {InputBox, "GroupBox1", "Edit19", {56, 296, 73, 21}, "1.3"},
    {Caption, "GroupBox1", "Label_turns", {8, 300, 0, 0}, QT_TRANSLATE_NOOP("vek_layout", "巻き数")},
    {Check, "GroupBox1", "hidari", {136, 296, 57, 17}, QT_TRANSLATE_NOOP("vek_layout", "左巻き")},
    {Group, "GroupBox1", "GroupBox5", {192, 238, 177, 75}, QT_TRANSLATE_NOOP("vek_layout", "推奨値")},
    {Arrow, "GroupBox5", "SpeedButton7", {8, 19, 12, 12}, ""},
    {Caption, "GroupBox5", "Label30", {24, 18, 150, 0}, QT_TRANSLATE_NOOP("vek_layout", "最大角度=")},
    {Arrow, "GroupBox5", "SpeedButton1", {8, 37, 12, 12}, ""},
    {Caption, "GroupBox5", "Label56", {24, 36, 150, 0}, QT_TRANSLATE_NOOP("vek_layout", "最大荷重=")},
    {Caption, "GroupBox5", "Label45", {24, 54, 150, 0}, QT_TRANSLATE_NOOP("vek_layout", "案内棒径=")},
    {Group, "", "GroupBox2", {8, 336, 377, 121}, QT_TRANSLATE_NOOP("vek_layout", "計算結果")},
    {DisplayBox, "GroupBox2", "Edit8", {72, 13, 73, 21}, ""},
    {Caption, "GroupBox2", "Label_spring_const", {8, 17, 0, 0}, QT_TRANSLATE_NOOP("vek_layout", "バネ定数")},
    {Caption,
     "GroupBox2",
     "Label_spring_const_unit",
     {148, 17, 0, 0},
     QT_TRANSLATE_NOOP("vek_layout", "kgf･mm/度")},
    {DisplayBox, "GroupBox2", "Edit9", {72, 37, 73, 21}, ""},
    {Caption, "GroupBox2", "Label_stress", {8, 41, 0, 0}, QT_TRANSLATE_NOOP("vek_layout", "曲げ応力")},
    {Caption, "GroupBox2", "Label_stress_unit", {148, 41, 0, 0}, "kgf/mm^2"},
    {DisplayBox, "GroupBox2", "Edit11", {72, 61, 73, 21}, ""},
    {Caption, "GroupBox2", "Label_allow", {8, 65, 0, 0}, QT_TRANSLATE_NOOP("vek_layout", "許容応力")},
    {Caption, "GroupBox2", "Label_allow_unit", {148, 65, 0, 0}, "kgf/mm^2"},
    {DisplayBox, "GroupBox2", "Edit10", {280, 13, 73, 21}, ""},
    {Caption, "GroupBox2", "Label_life", {228, 17, 0, 0}, QT_TRANSLATE_NOOP("vek_layout", "期待寿命")},
    {Caption, "GroupBox2", "Label_life_unit", {356, 17, 0, 0}, QT_TRANSLATE_NOOP("vek_layout", "回")},
    {Button, "GroupBox2", "BitBtn2", {296, 56, 75, 25}, QT_TRANSLATE_NOOP("vek_layout", "計算")},
    {List, "GroupBox2", "ListBox1", {8, 88, 265, 25}, ""},
    {Spin, "GroupBox2", "SpinEdit1", {280, 88, 41, 26}, ""},
    {Arrow, "GroupBox2", "SpeedButton6", {320, 88, 25, 25}, "▲"},
    {Arrow, "GroupBox2", "SpeedButton5", {344, 88, 25, 25}, "▼"},
    {Group, "", "GroupBox3", {392, 8, 417, 449}, QT_TRANSLATE_NOOP("vek_layout", "疲れ強さ線図")},
    {Image, "GroupBox3", "Image1", {8, 16, kFatigueImageWidth, kFatigueImageHeight}, ""},
    {Pages, "", "PageControl1", {8, 464, 801, 321}, ""},
    {Page, "PageControl1", "TabSheet1", {}, QT_TRANSLATE_NOOP("vek_layout", "＜　計算結果の履歴　＞")},
    {Page, "PageControl1", "TabSheet2", {}, QT_TRANSLATE_NOOP("vek_layout", "＜　　バネ形状　　＞")},
    {Image, "TabSheet2", "Image2", {8, 8, kSpringImageWidth, kSpringImageHeight}, ""},
};

QWidget* MakeControl(const Row& row, QWidget* parent) {
    const QString caption = QCoreApplication::translate("vek_layout", row.caption);
    QWidget* control = nullptr;
    switch (row.type) {
        case Caption: {
            auto* label = new QLabel(caption, parent);
            label->move(row.rect.topLeft());
            label->adjustSize();
            // Captions rewritten with values get room for the longest text they show.
            if (row.rect.width() > 0) label->resize(row.rect.width(), label->height());
            return label;
        }
        case Image: {
            auto* image = new ImageControl(row.rect.width(), row.rect.height(), parent);
            image->move(row.rect.topLeft());
            return image;
        }
        case Page: {
            auto* page = new QWidget;
            static_cast<QTabWidget*>(parent)->addTab(page, caption);
            return page;
        }
        case InputBox:
        case DisplayBox: {
            auto* edit = new QLineEdit(caption, parent);
            SetBoxColour(edit, row.type == InputBox ? kInputColour : kDisplayColour);
            MakeNumberBox(edit);
            control = edit;
            break;
        }
        case Combo: {
            auto* combo = new QComboBox(parent);
            combo->setEditable(false);
            SetBoxColour(combo, kInputColour);
            control = combo;
            break;
        }
        case Arrow: {
            auto* arrow = new QToolButton(parent);
            arrow->setText(caption);
            control = arrow;
            break;
        }
        case Group:
            control = new QGroupBox(caption, parent);
            break;
        case Check:
            control = new QCheckBox(caption, parent);
            break;
        case Button:
            control = new QPushButton(caption, parent);
            break;
        case List:
            control = new QListWidget(parent);
            break;
        case Spin:
            control = new NumberSpinBox(parent);
            break;
        case Pages:
            control = new QTabWidget(parent);
            break;
    }
    control->setGeometry(row.rect);
    return control;
}

// A right-pointing triangle of 8 x 8 pixels for the diameter switch.
QPixmap SmallArrow() {
    QPixmap pixmap(8, 8);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    const QPoint triangle[] = {{1, 0}, {7, 4}, {1, 8}};
    painter.drawPolygon(triangle, 3);
    return pixmap;
}

// The size the main window opens with (Tf_vek's constructor).
constexpr QSize kUsualWindowSize(823, 837);

// Grows a widget by as much as its window is larger than usual; in a window of the
// usual size (or smaller, where the content scrolls) it keeps its own size.
class GrowWithWindow : public QObject {
  public:
    GrowWithWindow(QWidget* watched, QWidget* target, QSize usualWindow)
        : QObject(watched), target_(target), normal_(target->size()), usual_(usualWindow) {
        watched->installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Resize) {
            const QSize extra =
                (static_cast<QWidget*>(watched)->window()->size() - usual_).expandedTo({0, 0});
            target_->resize(normal_ + extra);
        }
        return false;
    }

  private:
    QWidget* target_;
    QSize normal_;
    QSize usual_;
};

}  // namespace

void Tf_vek::BuildControls() {
    // The content scrolls when the window is smaller than it (a small screen); in a
    // window of the usual size the scroll area shows nothing of its own.
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("ClientScroll"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    auto* central = new QWidget;
    central->setObjectName(QStringLiteral("ClientArea"));
    central->setMinimumSize(817, 793);  // the page control's corner plus a margin
    scroll->setWidget(central);
    setCentralWidget(scroll);

    const ControlTable controls(central, kControls, MakeControl);
    controls.Take(GroupBox1, "GroupBox1", Image5, "Image5", Edit4, "Edit4", Edit5, "Edit5", Edit6, "Edit6",
                  Edit7, "Edit7", Edit12, "Edit12", Edit13, "Edit13", BitBtn1, "BitBtn1", Label48, "Label48",
                  Edit18, "Edit18", Edit19, "Edit19", ComboBox5, "ComboBox5", ComboBox7, "ComboBox7",
                  ComboBox6, "ComboBox6", soto, "soto", hidari, "hidari", Label28, "Label28", Label11,
                  "Label11", GroupBox5, "GroupBox5", Label30, "Label30", SpeedButton7, "SpeedButton7",
                  Label56, "Label56", SpeedButton1, "SpeedButton1", Label45, "Label45", GroupBox2,
                  "GroupBox2", Edit8, "Edit8", Edit9, "Edit9", Edit11, "Edit11", Edit10, "Edit10", BitBtn2,
                  "BitBtn2", ListBox1, "ListBox1", SpinEdit1, "SpinEdit1", SpeedButton6, "SpeedButton6",
                  SpeedButton5, "SpeedButton5", GroupBox3, "GroupBox3", Image1, "Image1", PageControl1,
                  "PageControl1", Image2, "Image2");
    QPalette grey = GroupBox1->palette(), darkRed = GroupBox5->palette();
    grey.setColor(QPalette::Window, QColor(200, 200, 200));
    darkRed.setColor(QPalette::WindowText, QColor(128, 0, 0));
    GroupBox1->setPalette(grey);
    GroupBox1->setAutoFillBackground(true);
    GroupBox5->setPalette(darkRed);
    Image5->setToolTip(QCoreApplication::translate("vek_layout", "変位荷重切替"));
    DrawSchematic(Image5->image());
    Edit7->setEnabled(false);
    Edit6->setEnabled(false);
    BitBtn1->setToolTip(QCoreApplication::translate("vek_layout", "径切替"));
    // A small arrow, so the 12-pixel button reads as a button and not as a check box.
    BitBtn1->setIcon(QIcon(SmallArrow()));
    BitBtn1->setIconSize(QSize(8, 8));
    SpeedButton7->setArrowType(Qt::LeftArrow);
    SpeedButton1->setArrowType(Qt::LeftArrow);
    messageGrowth_ = new MessageListGrowth(ListBox1, central);
    SpinEdit1->setRange(1, 10);
    SpinEdit1->setValue(1);
    // A typed number outside the slots is pulled to the nearest end when the box is left.
    SpinEdit1->setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    // A larger window gives the pages its room (the characteristic table grows with it).
    new GrowWithWindow(central, PageControl1, kUsualWindowSize);
    TabSheet3 = new CharacteristicPage(materials_);
    PageControl1->addTab(TabSheet3, QCoreApplication::translate("vek_layout", "＜　特性・公差　＞"));
    TabSheet4 = new Spring3dPage;
    PageControl1->addTab(TabSheet4, QCoreApplication::translate("vek_layout", "＜　3D 形状　＞"));
    // The design conditions and the practices side by side, on a page of their own so that
    // nothing of the window moves.
    TabSheet5 = new PracticePage(materials_);
    PageControl1->addTab(TabSheet5, QCoreApplication::translate("vek_layout", "＜　設計基準　＞"));
    connect(this, &Tf_vek::unitSystemChanged, TabSheet3, &CharacteristicPage::setUnitSystem);
    connect(this, &Tf_vek::unitSystemChanged, TabSheet5, &PracticePage::setUnitSystem);
    connect(TabSheet5, &PracticePage::practiceChosen, this, &Tf_vek::PracticeBoxChange);
    connect(TabSheet5, &PracticePage::temperatureEntered, this, &Tf_vek::TemperatureBoxExit);
    connect(TabSheet3, &CharacteristicPage::gradeChanged, this, [this](int grade) {
        if (settings_ != nullptr) settings_->setToleranceGrade(grade);
    });
    connect(TabSheet3, &CharacteristicPage::dynamicsChanged, this,
            [this](const QString& inertia, const QString& frequency) {
                if (settings_ == nullptr) return;
                settings_->setString(QStringLiteral("Characteristic/inertia"), inertia);
                settings_->setString(QStringLiteral("Characteristic/frequency"), frequency);
            });
    sg1 = new HistoryGrid(PageControl1->widget(0));
    sg1->setGeometry(0, 0, 795, 292);

    // ---- wiring -------------------------------------------------------------------
    // Ctrl+Return calculates from any box of the window.
    for (const QKeySequence& keys :
         {QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)}) {
        auto* calculate = new QShortcut(keys, this);
        connect(calculate, &QShortcut::activated, this, &Tf_vek::BitBtn2Click);
    }
    // Tab moves in reading order: the angles, moments and arms by their numbers.
    const QWidget* order[] = {Edit4,        Edit5,        Edit6,        Edit7,        soto,      Edit12,
                              Edit13,       BitBtn1,      Edit18,       ComboBox5,    ComboBox7, ComboBox6,
                              Edit19,       hidari,       SpeedButton7, SpeedButton1, Edit8,     Edit9,
                              Edit11,       Edit10,       BitBtn2,      ListBox1,     SpinEdit1, SpeedButton6,
                              SpeedButton5, PageControl1, sg1};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(const_cast<QWidget*>(order[i]), const_cast<QWidget*>(order[i + 1]));
    const std::pair<QAbstractButton*, void (Tf_vek::*)()> clicks[] = {
        {BitBtn2, &Tf_vek::BitBtn2Click},
        {BitBtn1, &Tf_vek::BitBtn1Click},
        {soto, &Tf_vek::sotoClick},
        {SpeedButton7, &Tf_vek::SpeedButton7Click},
        {SpeedButton1, &Tf_vek::SpeedButton1Click},
        {SpeedButton5, &Tf_vek::SpeedButton5Click},
        {SpeedButton6, &Tf_vek::SpeedButton6Click}};
    for (const auto& [button, slot] : clicks) connect(button, &QAbstractButton::clicked, this, slot);
    connect(Edit18, &QLineEdit::returnPressed, this, &Tf_vek::Edit18KeyPress);
    connect(Edit19, &QLineEdit::returnPressed, this, &Tf_vek::Edit19KeyPress);
    Edit18->installEventFilter(this);
    Edit19->installEventFilter(this);
    connect(ComboBox5, &QComboBox::currentIndexChanged, this, &Tf_vek::ComboBox5Change);
    connect(ComboBox7, &QComboBox::currentIndexChanged, this, &Tf_vek::ComboBox7Change);
    connect(ComboBox6, &QComboBox::currentIndexChanged, this, &Tf_vek::ComboBox6Change);
    connect(sg1, &HistoryGrid::currentCellChosen, this, &Tf_vek::sg1Click);
}

void Tf_vek::BuildMenu() {
    MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    setMenuBar(MainMenu1);

    auto addMenu = [this](const QString& name, const QString& title) {
        QMenu* menu = MainMenu1->addMenu(title);
        menu->setObjectName(name);
        return menu;
    };
    auto addItem = [this](QMenu* menu, const QString& name, const QString& text, void (Tf_vek::*slot)()) {
        QAction* action = menu->addAction(text);
        action->setObjectName(name);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };

    // The exports are rows of the export table: its caption and name, run by Exports.
    auto addExport = [this](QMenu* menu, const ExportFormat& format) {
        QAction* action = menu->addAction(QCoreApplication::translate("export_table", format.caption));
        action->setObjectName(QString::fromUtf8(format.menuItem));
        connect(action, &QAction::triggered, this, [this, &format] { exports_->Run(format); });
        return action;
    };

    QMenu* file = addMenu(QStringLiteral("File1"), QCoreApplication::translate("vek_layout", "ファイル　"));
    // Standard shortcuts; the captions stay as they are.
    addItem(file, QStringLiteral("Edit2"), QCoreApplication::translate("vek_layout", "読み取り"),
            &Tf_vek::Edit2Click)
        ->setShortcut(QKeySequence::Open);
    addItem(file, QStringLiteral("N3"), QCoreApplication::translate("vek_layout", "保存"), &Tf_vek::N3Click)
        ->setShortcut(QKeySequence::Save);
    // The data sheet keeps its place among the prints, the other exports follow.
    const ExportFormat& dataSheet = *ExportFormatOfItem("N5");
    addExport(file, dataSheet)->setShortcut(QKeySequence::Print);
    addItem(file, QStringLiteral("N1"), QCoreApplication::translate("vek_layout", "画面印刷"),
            &Tf_vek::N1Click);
    file->addSeparator();
    for (const ExportFormat& format : ExportFormats())
        if (&format != &dataSheet) addExport(file, format);
    addItem(file, QStringLiteral("ReportTitle"),
            QCoreApplication::translate("vek_layout", "計算書の表題欄..."), &Tf_vek::ReportTitleClick);
    file->addSeparator();
    RecentFiles1 = file->addMenu(QCoreApplication::translate("vek_layout", "最近使ったファイル"));
    RecentFiles1->setObjectName(QStringLiteral("RecentFiles1"));
    RecentFiles1->setEnabled(false);
    file->addSeparator();
    // Closes the window as its close button does (asking first when the history is unsaved).
    QAction* quit = file->addAction(QCoreApplication::translate("vek_layout", "終了"));
    quit->setObjectName(QStringLiteral("QuitItem"));
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(quit, &QAction::triggered, this, &QWidget::close);
    QMenu* edit = addMenu(QStringLiteral("Edit1"), QCoreApplication::translate("vek_layout", "編集　"));
    addItem(edit, QStringLiteral("N2"), QCoreApplication::translate("vek_layout", "全データーコピー"),
            &Tf_vek::N2Click);
    addItem(edit, QStringLiteral("N4"), QCoreApplication::translate("vek_layout", "寿命グラフコピー"),
            &Tf_vek::N4Click);
    addItem(edit, QStringLiteral("CharacteristicGraphCopy"),
            QCoreApplication::translate("vek_layout", "特性グラフコピー"),
            &Tf_vek::CharacteristicGraphCopyClick);
    addItem(edit, QStringLiteral("Spring3dCopy"), QCoreApplication::translate("vek_layout", "3D 図コピー"),
            &Tf_vek::Spring3dCopyClick);
    QMenu* view = addMenu(QStringLiteral("View1"), QCoreApplication::translate("vek_layout", "表示　"));
    addItem(view, QStringLiteral("dlcheng"), QCoreApplication::translate("vek_layout", "角度・荷重切替"),
            &Tf_vek::dlchengClick);
    view->addSeparator();
    auto* units = new QActionGroup(this);
    UnitKgf = addItem(view, QStringLiteral("UnitKgf"), QCoreApplication::translate("vek_layout", "kgf 単位"),
                      &Tf_vek::UnitKgfClick);
    UnitSI =
        addItem(view, QStringLiteral("UnitSI"),
                QCoreApplication::translate("vek_layout", "SI 単位 (N·mm, N/mm²)"), &Tf_vek::UnitSIClick);
    for (QAction* unit : {UnitKgf, UnitSI}) {
        unit->setCheckable(true);
        units->addAction(unit);
    }
    UnitKgf->setChecked(true);
    view->addSeparator();
    // The same caption in both languages, so a user who cannot read the other finds it.
    Language1 = view->addMenu(QStringLiteral("言語 / Language"));
    Language1->setObjectName(QStringLiteral("Language1"));
    auto* languages = new QActionGroup(this);
    LanguageJapanese = Language1->addAction(QStringLiteral("日本語"));
    LanguageJapanese->setObjectName(QStringLiteral("LanguageJapanese"));
    LanguageEnglish = Language1->addAction(QStringLiteral("English"));
    LanguageEnglish->setObjectName(QStringLiteral("LanguageEnglish"));
    for (auto [action, language] :
         {std::pair{LanguageJapanese, Language::Japanese}, std::pair{LanguageEnglish, Language::English}}) {
        action->setCheckable(true);
        languages->addAction(action);
        connect(action, &QAction::triggered, this, [this, language] { LanguageClick(language); });
    }
    LanguageJapanese->setChecked(true);
    QMenu* tools = addMenu(QStringLiteral("Tool1"), QCoreApplication::translate("vek_layout", "ツール　"));
    addItem(tools, QStringLiteral("N7"), QCoreApplication::translate("vek_layout", "材料編集"),
            &Tf_vek::N7Click);
    addItem(tools, QStringLiteral("N8"), QCoreApplication::translate("vek_layout", "係数編集"),
            &Tf_vek::N8Click);
    addItem(tools, QStringLiteral("designSearchItem"), QCoreApplication::translate("vek_layout", "設計探索"),
            &Tf_vek::designSearchClick);
    QMenu* help = addMenu(QStringLiteral("Help1"), QCoreApplication::translate("vek_layout", "ヘルプ　"));
    addItem(help, QStringLiteral("help2"), QCoreApplication::translate("vek_layout", "ヘルプ"),
            &Tf_vek::help2Click)
        ->setShortcut(QKeySequence(Qt::Key_F1));

    // Alt+letter opens a menu as the usual (F)(E)(V)(T)(H) would; the captions keep no mnemonic.
    const std::pair<QMenu*, Qt::Key> letters[] = {
        {file, Qt::Key_F}, {edit, Qt::Key_E}, {view, Qt::Key_V}, {tools, Qt::Key_T}, {help, Qt::Key_H}};
    for (const auto& [menu, key] : letters) {
        auto* shortcut = new QShortcut(QKeySequence(Qt::ALT | key), this);
        connect(shortcut, &QShortcut::activated, this,
                [this, menu] { MainMenu1->setActiveAction(menu->menuAction()); });
    }
}
