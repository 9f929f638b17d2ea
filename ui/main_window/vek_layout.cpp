// The main window's controls and menu, placed at their fixed pixel positions.
#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QComboBox>
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
#include "ui/common/image_control.h"
#include "ui/common/number_box.h"
#include "ui/common/settings.h"
#include "ui/main_window/characteristic_page.h"
#include "ui/main_window/exports.h"
#include "ui/main_window/history_grid.h"
#include "ui/main_window/message_list.h"
#include "ui/main_window/schematic.h"
#include "ui/main_window/spring_3d_page.h"
#include "ui/main_window/vek.h"

using namespace torsion;

namespace {

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text, int x, int y) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->move(x, y);
    label->adjustSize();
    return label;
}

QLineEdit* MakeEdit(QWidget* parent, const QString& name, const QRect& geometry, const QString& text,
                    const QColor& colour) {
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(name);
    edit->setGeometry(geometry);
    SetBoxColour(edit, colour);
    MakeNumberBox(edit);
    return edit;
}

QComboBox* MakeCombo(QWidget* parent, const QString& name, const QRect& geometry) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->setEditable(false);
    combo->setGeometry(geometry);
    SetBoxColour(combo, kInputColour);
    return combo;
}

QToolButton* MakeToolButton(QWidget* parent, const QString& name, const QString& text,
                            const QRect& geometry) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(text);
    button->setGeometry(geometry);
    return button;
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

    // ---- input items ------------------------------------------------------------
    GroupBox1 = new QGroupBox(QStringLiteral("入力項目"), central);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(8, 8, 377, 321);
    {
        QPalette p = GroupBox1->palette();
        p.setColor(QPalette::Window, QColor(200, 200, 200));
        GroupBox1->setPalette(p);
        GroupBox1->setAutoFillBackground(true);
    }
    Image5 = new ImageControl(kSchematicWidth, kSchematicHeight, GroupBox1);
    Image5->setObjectName(QStringLiteral("Image5"));
    Image5->move(8, 16);
    Image5->setToolTip(QStringLiteral("変位荷重切替"));
    DrawSchematic(Image5->image());

    QWidget* g1 = GroupBox1;
    Edit5 = MakeEdit(g1, QStringLiteral("Edit5"), {64, 20, 65, 20}, QStringLiteral("35"), kInputColour);
    MakeLabel(g1, QStringLiteral("Label_angle2"), QStringLiteral("角度(φ2)"), 12, 23);
    MakeLabel(g1, QStringLiteral("Label_angle2_unit"), QStringLiteral("度"), 131, 23);
    Edit4 = MakeEdit(g1, QStringLiteral("Edit4"), {280, 20, 65, 20}, QStringLiteral("30"), kInputColour);
    MakeLabel(g1, QStringLiteral("Label_angle1"), QStringLiteral("角度(φ1)"), 228, 23);
    MakeLabel(g1, QStringLiteral("Label_angle1_unit"), QStringLiteral("度"), 347, 23);
    Edit7 = MakeEdit(g1, QStringLiteral("Edit7"), {24, 60, 65, 21}, QStringLiteral("0"), kDisplayColour);
    MakeLabel(g1, QStringLiteral("Label_moment2"), QStringLiteral("荷重(M2)"), 24, 45);
    MakeLabel(g1, QStringLiteral("Label_moment2_unit"), QStringLiteral("kgf･mm"), 91, 64);
    Edit6 = MakeEdit(g1, QStringLiteral("Edit6"), {296, 48, 65, 21}, QStringLiteral("0"), kDisplayColour);
    MakeLabel(g1, QStringLiteral("Label_moment1"), QStringLiteral("荷重(M1)"), 244, 52);
    MakeLabel(g1, QStringLiteral("Label_moment1_unit"), QStringLiteral("kgf･mm"), 310, 70);
    Edit7->setEnabled(false);
    Edit6->setEnabled(false);

    soto = new QCheckBox(QStringLiteral("外方向"), g1);
    soto->setObjectName(QStringLiteral("soto"));
    soto->setGeometry(14, 118, 59, 17);

    Label28 = MakeLabel(g1, QStringLiteral("Label28"), QStringLiteral("バネ指数"), 280, 88);
    Label11 = MakeLabel(g1, QStringLiteral("Label11"), QStringLiteral("適正=4～22"), 280, 103);

    Edit13 = MakeEdit(g1, QStringLiteral("Edit13"), {296, 136, 41, 21}, QStringLiteral("20"), kInputColour);
    MakeLabel(g1, QStringLiteral("Label_arm2"), QStringLiteral("長さ(a2)"), 250, 139);
    MakeLabel(g1, QStringLiteral("Label_arm2_unit"), QStringLiteral("mm"), 339, 139);
    Edit12 = MakeEdit(g1, QStringLiteral("Edit12"), {88, 176, 41, 21}, QStringLiteral("15"), kInputColour);
    MakeLabel(g1, QStringLiteral("Label_arm1"), QStringLiteral("長さ(a1)"), 42, 179);
    MakeLabel(g1, QStringLiteral("Label_arm1_unit"), QStringLiteral("mm"), 131, 179);

    BitBtn1 = new QPushButton(g1);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(176, 190, 12, 12);
    BitBtn1->setToolTip(QStringLiteral("径切替"));
    // A small arrow, so the 12-pixel button reads as a button and not as a check box.
    BitBtn1->setIcon(QIcon(SmallArrow()));
    BitBtn1->setIconSize(QSize(8, 8));
    Label48 = MakeLabel(g1, QStringLiteral("Label48"), QStringLiteral("平均径"), 192, 190);
    Edit18 = MakeEdit(g1, QStringLiteral("Edit18"), {240, 184, 41, 21}, QStringLiteral("10"), kInputColour);
    MakeLabel(g1, QStringLiteral("Label_coil_unit"), QStringLiteral("mm"), 283, 187);

    ComboBox5 = MakeCombo(g1, QStringLiteral("ComboBox5"), {40, 224, 145, 19});
    MakeLabel(g1, QStringLiteral("Label_kind"), QStringLiteral("材料"), 8, 227);
    ComboBox7 = MakeCombo(g1, QStringLiteral("ComboBox7"), {40, 248, 145, 19});
    MakeLabel(g1, QStringLiteral("Label_symbol"), QStringLiteral("記号"), 8, 251);
    ComboBox6 = MakeCombo(g1, QStringLiteral("ComboBox6"), {56, 272, 73, 21});
    MakeLabel(g1, QStringLiteral("Label_wire"), QStringLiteral("線径"), 8, 276);
    MakeLabel(g1, QStringLiteral("Label_wire_unit"), QStringLiteral("mm"), 131, 276);
    Edit19 = MakeEdit(g1, QStringLiteral("Edit19"), {56, 296, 73, 21}, QStringLiteral("1.3"), kInputColour);
    MakeLabel(g1, QStringLiteral("Label_turns"), QStringLiteral("巻き数"), 8, 300);
    hidari = new QCheckBox(QStringLiteral("左巻き"), g1);
    hidari->setObjectName(QStringLiteral("hidari"));
    hidari->setGeometry(136, 296, 57, 17);

    GroupBox5 = new QGroupBox(QStringLiteral("推奨値"), g1);
    GroupBox5->setObjectName(QStringLiteral("GroupBox5"));
    GroupBox5->setGeometry(192, 238, 177, 75);
    {
        QPalette p = GroupBox5->palette();
        p.setColor(QPalette::WindowText, QColor(128, 0, 0));
        GroupBox5->setPalette(p);
    }
    SpeedButton7 = MakeToolButton(GroupBox5, QStringLiteral("SpeedButton7"), QString(), {8, 19, 12, 12});
    SpeedButton7->setArrowType(Qt::LeftArrow);
    Label30 = MakeLabel(GroupBox5, QStringLiteral("Label30"), QStringLiteral("最大角度="), 24, 18);
    SpeedButton1 = MakeToolButton(GroupBox5, QStringLiteral("SpeedButton1"), QString(), {8, 37, 12, 12});
    SpeedButton1->setArrowType(Qt::LeftArrow);
    Label56 = MakeLabel(GroupBox5, QStringLiteral("Label56"), QStringLiteral("最大荷重="), 24, 36);
    Label45 = MakeLabel(GroupBox5, QStringLiteral("Label45"), QStringLiteral("案内棒径="), 24, 54);
    // Captions rewritten with values get room for the longest text they show.
    for (QLabel* label : {Label30, Label56, Label45}) label->resize(150, label->height());
    Label28->resize(90, Label28->height());
    Label48->resize(46, Label48->height());

    // ---- results ----------------------------------------------------------------
    GroupBox2 = new QGroupBox(QStringLiteral("計算結果"), central);
    GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    GroupBox2->setGeometry(8, 336, 377, 121);
    QWidget* g2 = GroupBox2;
    Edit8 = MakeEdit(g2, QStringLiteral("Edit8"), {72, 13, 73, 21}, QString(), kDisplayColour);
    MakeLabel(g2, QStringLiteral("Label_spring_const"), QStringLiteral("バネ定数"), 8, 17);
    MakeLabel(g2, QStringLiteral("Label_spring_const_unit"), QStringLiteral("kgf･mm/度"), 148, 17);
    Edit9 = MakeEdit(g2, QStringLiteral("Edit9"), {72, 37, 73, 21}, QString(), kDisplayColour);
    MakeLabel(g2, QStringLiteral("Label_stress"), QStringLiteral("曲げ応力"), 8, 41);
    MakeLabel(g2, QStringLiteral("Label_stress_unit"), QStringLiteral("kgf/mm^2"), 148, 41);
    Edit11 = MakeEdit(g2, QStringLiteral("Edit11"), {72, 61, 73, 21}, QString(), kDisplayColour);
    MakeLabel(g2, QStringLiteral("Label_allow"), QStringLiteral("許容応力"), 8, 65);
    MakeLabel(g2, QStringLiteral("Label_allow_unit"), QStringLiteral("kgf/mm^2"), 148, 65);
    Edit10 = MakeEdit(g2, QStringLiteral("Edit10"), {280, 13, 73, 21}, QString(), kDisplayColour);
    MakeLabel(g2, QStringLiteral("Label_life"), QStringLiteral("期待寿命"), 228, 17);
    MakeLabel(g2, QStringLiteral("Label_life_unit"), QStringLiteral("回"), 356, 17);

    BitBtn2 = new QPushButton(QStringLiteral("計算"), g2);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setGeometry(296, 56, 75, 25);

    ListBox1 = new QListWidget(g2);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setGeometry(8, 88, 265, 25);
    messageGrowth_ = new MessageListGrowth(ListBox1, central);

    SpinEdit1 = new NumberSpinBox(g2);
    SpinEdit1->setObjectName(QStringLiteral("SpinEdit1"));
    SpinEdit1->setGeometry(280, 88, 41, 26);
    SpinEdit1->setRange(1, 10);
    SpinEdit1->setValue(1);
    // A typed number outside the slots is pulled to the nearest end when the box is left.
    SpinEdit1->setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    SpeedButton6 = MakeToolButton(g2, QStringLiteral("SpeedButton6"), QStringLiteral("▲"), {320, 88, 25, 25});
    SpeedButton5 = MakeToolButton(g2, QStringLiteral("SpeedButton5"), QStringLiteral("▼"), {344, 88, 25, 25});

    // ---- fatigue-strength diagram -------------------------------------------------
    GroupBox3 = new QGroupBox(QStringLiteral("疲れ強さ線図"), central);
    GroupBox3->setObjectName(QStringLiteral("GroupBox3"));
    GroupBox3->setGeometry(392, 8, 417, 449);
    Image1 = new ImageControl(kFatigueImageWidth, kFatigueImageHeight, GroupBox3);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->move(8, 16);

    // ---- history and spring shape -------------------------------------------------
    PageControl1 = new QTabWidget(central);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setGeometry(8, 464, 801, 321);
    auto* page1 = new QWidget;
    page1->setObjectName(QStringLiteral("TabSheet1"));
    auto* page2 = new QWidget;
    page2->setObjectName(QStringLiteral("TabSheet2"));
    PageControl1->addTab(page1, QStringLiteral("＜　計算結果の履歴　＞"));
    PageControl1->addTab(page2, QStringLiteral("＜　　バネ形状　　＞"));
    TabSheet3 = new CharacteristicPage(materials_);
    PageControl1->addTab(TabSheet3, QStringLiteral("＜　特性・公差　＞"));
    TabSheet4 = new Spring3dPage;
    PageControl1->addTab(TabSheet4, QStringLiteral("＜　3D 形状　＞"));
    connect(this, &Tf_vek::unitSystemChanged, TabSheet3, &CharacteristicPage::setUnitSystem);
    connect(TabSheet3, &CharacteristicPage::gradeChanged, this, [this](int grade) {
        if (settings_ != nullptr) settings_->setToleranceGrade(grade);
    });
    connect(TabSheet3, &CharacteristicPage::dynamicsChanged, this,
            [this](const QString& inertia, const QString& frequency) {
                if (settings_ == nullptr) return;
                settings_->setString(QStringLiteral("Characteristic/inertia"), inertia);
                settings_->setString(QStringLiteral("Characteristic/frequency"), frequency);
            });

    sg1 = new HistoryGrid(page1);
    sg1->setGeometry(0, 0, 795, 292);
    Image2 = new ImageControl(kSpringImageWidth, kSpringImageHeight, page2);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->move(8, 8);

    // ---- wiring -------------------------------------------------------------------
    connect(BitBtn2, &QPushButton::clicked, this, &Tf_vek::BitBtn2Click);
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
    connect(BitBtn1, &QPushButton::clicked, this, &Tf_vek::BitBtn1Click);
    connect(Edit18, &QLineEdit::returnPressed, this, &Tf_vek::Edit18KeyPress);
    connect(Edit19, &QLineEdit::returnPressed, this, &Tf_vek::Edit19KeyPress);
    Edit18->installEventFilter(this);
    Edit19->installEventFilter(this);
    connect(soto, &QCheckBox::clicked, this, &Tf_vek::sotoClick);
    connect(ComboBox5, &QComboBox::currentIndexChanged, this, &Tf_vek::ComboBox5Change);
    connect(ComboBox7, &QComboBox::currentIndexChanged, this, &Tf_vek::ComboBox7Change);
    connect(ComboBox6, &QComboBox::currentIndexChanged, this, &Tf_vek::ComboBox6Change);
    connect(SpeedButton7, &QToolButton::clicked, this, &Tf_vek::SpeedButton7Click);
    connect(SpeedButton1, &QToolButton::clicked, this, &Tf_vek::SpeedButton1Click);
    connect(SpeedButton5, &QToolButton::clicked, this, &Tf_vek::SpeedButton5Click);
    connect(SpeedButton6, &QToolButton::clicked, this, &Tf_vek::SpeedButton6Click);
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
        QAction* action = menu->addAction(QString::fromUtf8(format.caption));
        action->setObjectName(QString::fromUtf8(format.menuItem));
        connect(action, &QAction::triggered, this, [this, &format] { exports_->Run(format); });
        return action;
    };

    QMenu* file = addMenu(QStringLiteral("File1"), QStringLiteral("ファイル　"));
    // Standard shortcuts; the captions stay as they are.
    addItem(file, QStringLiteral("Edit2"), QStringLiteral("読み取り"), &Tf_vek::Edit2Click)
        ->setShortcut(QKeySequence::Open);
    addItem(file, QStringLiteral("N3"), QStringLiteral("保存"), &Tf_vek::N3Click)
        ->setShortcut(QKeySequence::Save);
    // The data sheet keeps its place among the prints, the other exports follow.
    const ExportFormat& dataSheet = *ExportFormatOfItem("N5");
    addExport(file, dataSheet)->setShortcut(QKeySequence::Print);
    addItem(file, QStringLiteral("N1"), QStringLiteral("画面印刷"), &Tf_vek::N1Click);
    file->addSeparator();
    for (const ExportFormat& format : ExportFormats())
        if (&format != &dataSheet) addExport(file, format);
    addItem(file, QStringLiteral("ReportTitle"), QStringLiteral("計算書の表題欄..."),
            &Tf_vek::ReportTitleClick);
    file->addSeparator();
    RecentFiles1 = file->addMenu(QStringLiteral("最近使ったファイル"));
    RecentFiles1->setObjectName(QStringLiteral("RecentFiles1"));
    RecentFiles1->setEnabled(false);
    QMenu* edit = addMenu(QStringLiteral("Edit1"), QStringLiteral("編集　"));
    addItem(edit, QStringLiteral("N2"), QStringLiteral("全データーコピー"), &Tf_vek::N2Click);
    addItem(edit, QStringLiteral("N4"), QStringLiteral("寿命グラフコピー"), &Tf_vek::N4Click);
    addItem(edit, QStringLiteral("CharacteristicGraphCopy"), QStringLiteral("特性グラフコピー"),
            &Tf_vek::CharacteristicGraphCopyClick);
    addItem(edit, QStringLiteral("Spring3dCopy"), QStringLiteral("3D 図コピー"), &Tf_vek::Spring3dCopyClick);
    QMenu* view = addMenu(QStringLiteral("View1"), QStringLiteral("表示　"));
    addItem(view, QStringLiteral("dlcheng"), QStringLiteral("角度・荷重切替"), &Tf_vek::dlchengClick);
    view->addSeparator();
    auto* units = new QActionGroup(this);
    UnitKgf = addItem(view, QStringLiteral("UnitKgf"), QStringLiteral("kgf 単位"), &Tf_vek::UnitKgfClick);
    UnitSI = addItem(view, QStringLiteral("UnitSI"), QStringLiteral("SI 単位 (N·mm, N/mm²)"),
                     &Tf_vek::UnitSIClick);
    for (QAction* unit : {UnitKgf, UnitSI}) {
        unit->setCheckable(true);
        units->addAction(unit);
    }
    UnitKgf->setChecked(true);
    QMenu* tools = addMenu(QStringLiteral("Tool1"), QStringLiteral("ツール　"));
    addItem(tools, QStringLiteral("N7"), QStringLiteral("材料編集"), &Tf_vek::N7Click);
    addItem(tools, QStringLiteral("N8"), QStringLiteral("係数編集"), &Tf_vek::N8Click);
    addItem(tools, QStringLiteral("designSearchItem"), QStringLiteral("設計探索"),
            &Tf_vek::designSearchClick);
    QMenu* help = addMenu(QStringLiteral("Help1"), QStringLiteral("ヘルプ　"));
    addItem(help, QStringLiteral("help2"), QStringLiteral("ヘルプ"), &Tf_vek::help2Click)
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
