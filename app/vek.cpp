#include "app/vek.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFocusEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>
#include <QUrl>

#include "app/image_control.h"
#include "app/schematic.h"
#include "app/sjis.h"
#include "calc/calculation.h"
#include "calc/number_text.h"
#include "graphics/fatigue_diagram.h"
#include "graphics/spring_drawing.h"
#include "history/case_file.h"
#include "history/history_grid.h"
#include "history/history_text.h"
#include "materials/fatigue_life.h"
#include "print/prin.h"
#include "print/window_print.h"

namespace {

const QString kTitle = QStringLiteral("ねじりコイルばね設計計算");

QString Q(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

// The box colour for every colour group, so a disabled box shows it too.
void SetBoxColour(QWidget* w, const QColor& colour) {
    QPalette p = w->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        p.setColor(group, QPalette::Base, colour);
        p.setColor(group, QPalette::Button, colour);
    }
    w->setPalette(p);
}

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

QFont WindowFont() {
    QFont font;
    font.setFamilies({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"),
                      QStringLiteral("IPAPGothic"), QStringLiteral("Noto Sans CJK JP")});
    font.setPixelSize(12);
    return font;
}

}  // namespace

Tf_vek::Tf_vek(MaterialTable& materials, KindIndex& kinds, CoefficientRecord& coefficients, Dialogs& dialogs,
               const QString& appDir, QWidget* parent)
    : QMainWindow(parent),
      materials_(materials),
      kinds_(kinds),
      coefficients_(coefficients),
      dialogs_(dialogs),
      appDir_(appDir) {
    setObjectName(QStringLiteral("f_vek"));
    setFont(WindowFont());
    BuildControls();
    BuildMenu();
    resize(823, 837);
    move(301, 76);
    FormCreate();
}

void Tf_vek::setToolWindows(QDialog* dataMake, QDialog* keisuuMake, QDialog* printPage) {
    dataMake_ = dataMake;
    keisuuMake_ = keisuuMake;
    printPage_ = printPage;
}

void Tf_vek::BuildControls() {
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("ClientArea"));
    setCentralWidget(central);

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
    Label30 = MakeLabel(GroupBox5, QStringLiteral("Label30"), QStringLiteral("最大角度="), 24, 18);
    SpeedButton1 = MakeToolButton(GroupBox5, QStringLiteral("SpeedButton1"), QString(), {8, 37, 12, 12});
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

    SpinEdit1 = new QSpinBox(g2);
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

    sg1 = new HistoryGrid(page1);
    sg1->setGeometry(0, 0, 795, 292);
    Image2 = new ImageControl(kSpringImageWidth, kSpringImageHeight, page2);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->move(8, 8);

    // ---- wiring -------------------------------------------------------------------
    connect(BitBtn2, &QPushButton::clicked, this, &Tf_vek::BitBtn2Click);
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

    QMenu* file = addMenu(QStringLiteral("File1"), QStringLiteral("ファイル　"));
    addItem(file, QStringLiteral("Edit2"), QStringLiteral("読み取り"), &Tf_vek::Edit2Click);
    addItem(file, QStringLiteral("N3"), QStringLiteral("保存"), &Tf_vek::N3Click);
    addItem(file, QStringLiteral("N5"), QStringLiteral("要目表印刷"), &Tf_vek::N5Click);
    addItem(file, QStringLiteral("N1"), QStringLiteral("画面印刷"), &Tf_vek::N1Click);
    QMenu* edit = addMenu(QStringLiteral("Edit1"), QStringLiteral("編集　"));
    addItem(edit, QStringLiteral("N2"), QStringLiteral("全データーコピー"), &Tf_vek::N2Click);
    addItem(edit, QStringLiteral("N4"), QStringLiteral("寿命グラフコピー"), &Tf_vek::N4Click);
    QMenu* view = addMenu(QStringLiteral("View1"), QStringLiteral("表示　"));
    addItem(view, QStringLiteral("dlcheng"), QStringLiteral("角度・荷重切替"), &Tf_vek::dlchengClick);
    QMenu* tools = addMenu(QStringLiteral("Tool1"), QStringLiteral("ツール　"));
    addItem(tools, QStringLiteral("N7"), QStringLiteral("材料編集"), &Tf_vek::N7Click);
    addItem(tools, QStringLiteral("N8"), QStringLiteral("係数編集"), &Tf_vek::N8Click);
    QMenu* help = addMenu(QStringLiteral("Help1"), QStringLiteral("ヘルプ　"));
    addItem(help, QStringLiteral("help2"), QStringLiteral("ヘルプ"), &Tf_vek::help2Click);
}

void Tf_vek::FormCreate() {
    // A missing coefficient file is no fault: the values stay 0 until the user saves them.
    const QString coefficientPath = QDir(appDir_).filePath(QStringLiteral("keisuu.dat"));
    if (QFileInfo(coefficientPath).isFile()) {
        RunCommand(dialogs_, this, [&] { LoadCoefficients(coefficients_, coefficientPath.toStdString()); });
    }
    setWindowTitle(kTitle);

    bool tableLoaded = false;
    RunCommand(dialogs_, this, [&] {
        LoadMaterialTable(materials_, QDir(appDir_).filePath(QStringLiteral("zaidat.dst")).toStdString());
        tableLoaded = true;
    });
    if (!tableLoaded) return;

    RunCommand(dialogs_, this, [&] {
        sg1->setRowCount(kHistorySlots + 2);
        SpinEdit1->setMaximum(kHistorySlots);

        kinds_ = BuildKindIndex(materials_);
        FillKindList();
        {
            const QSignalBlocker b5(ComboBox5), b7(ComboBox7), b6(ComboBox6);
            ComboBox5->setCurrentIndex(ComboBox5->count() > 0 ? 0 : -1);
            FillSymbolList(0);
            ComboBox7->setCurrentIndex(ComboBox7->count() > 0 ? 0 : -1);
        }
        FillDiameterList(0);
        {
            const QSignalBlocker b6(ComboBox6);
            ComboBox6->setCurrentIndex(ComboBox6->count() > 0 ? 0 : -1);
        }
        InitCurrentCase(cases_[0]);
        ShowCase(0);
        ReadWindowToCase();
        InitHistoryGrid();
        UpdateRecommended();
    });
}

// ---- reading and showing the current case -----------------------------------------

void Tf_vek::ReadWindowToCase() {
    WindowInputs in;
    in.kindPos = ComboBox5->currentIndex();
    in.symbolPos = ComboBox7->currentIndex();
    in.diameterPos = ComboBox6->currentIndex();
    in.coilDiaText = Edit18->text().toStdString();
    in.wireDiaText = ComboBox6->currentText().toStdString();
    in.turnsText = Edit19->text().toStdString();
    in.angle1Text = Edit4->text().toStdString();
    in.angle2Text = Edit5->text().toStdString();
    in.moment1Text = Edit6->text().toStdString();
    in.moment2Text = Edit7->text().toStdString();
    in.arm1Text = Edit12->text().toStdString();
    in.arm2Text = Edit13->text().toStdString();
    in.outward = soto->isChecked();
    in.leftHand = hidari->isChecked();

    DesignCase& current = cases_[0];
    if (auto caption = ReadDiameters(current, materials_, kinds_, in)) Label28->setText(Q(*caption));
    ReadOperatingInputs(current, in);
}

void Tf_vek::ShowCase(int slot) {
    if (slot < 0 || slot >= kCaseSlots) return;
    const DesignCase& shown = cases_[slot];

    SelectMaterial(shown.materialNo);
    FillDiameterList(shown.materialNo);
    if (shown.wireDiaIndex >= 0 && shown.wireDiaIndex < ComboBox6->count()) {
        const QSignalBlocker block(ComboBox6);
        ComboBox6->setCurrentIndex(shown.wireDiaIndex);
    }

    const StressCoefficients ratio = CaseStressCoefficients(shown, materials_);
    DrawFatigueDiagram(Image1->image(), ratio.valid, ratio.lower, ratio.upper);
    Image1->update();
    cases_[0].lifeClass = EstimateLife(ratio.lower, ratio.upper);

    const CaseTexts texts = CaseDisplayTexts(shown);
    if (texts.diameterLabel) Label48->setText(Q(*texts.diameterLabel));
    if (texts.coilDiaText) Edit18->setText(Q(*texts.coilDiaText));
    Edit19->setText(Q(texts.turnsText));
    Edit4->setText(Q(texts.angle1Text));
    Edit5->setText(Q(texts.angle2Text));
    Edit6->setText(Q(texts.moment1Text));
    Edit7->setText(Q(texts.moment2Text));
    Edit8->setText(Q(texts.springConstText));
    Edit9->setText(Q(texts.stress2Text));
    Edit11->setText(Q(texts.allowStressText));
    Edit12->setText(Q(texts.arm1Text));
    Edit13->setText(Q(texts.arm2Text));
    Edit10->setText(Q(LifeLabel(cases_[0].lifeClass)));
    Label45->setText(Q(texts.guideRodCaption));
    soto->setChecked(shown.outward != 0);
    hidari->setChecked(shown.leftHand != 0);
    ApplyInputMode();
}

void Tf_vek::CheckCase() {
    const CheckResult result = ::CheckCase(cases_[0]);
    ListBox1->clear();
    QPalette p = ListBox1->palette();
    p.setColor(QPalette::Text, result.error ? kMessageErrorColour : palette().color(QPalette::WindowText));
    ListBox1->setPalette(p);
    for (const std::string& line : result.lines) ListBox1->addItem(Q(line));
}

void Tf_vek::UpdateRecommended() {
    ReadWindowToCase();
    DesignCase& current = cases_[0];
    CalculateCase(current, materials_);
    if (!SpringIndexInRecommendedRange(current.springIndex)) {
        ListBox1->clear();
        QPalette p = ListBox1->palette();
        p.setColor(QPalette::Text, kMessageErrorColour);
        ListBox1->setPalette(p);
        ListBox1->addItem(QString::fromUtf8(kSpringIndexRangeError));
        return;
    }
    Label30->setText(Q(MaxAngleCaption(current.maxAngle)));
    Label56->setText(Q(MaxTorqueCaption(current.maxMoment)));
    Label45->setText(Q(GuideRodCaption(current.guideRodDia)));
    ListBox1->clear();
}

void Tf_vek::ApplyInputMode() {
    const bool anglesGiven = cases_[0].inputMode != 0;
    for (QLineEdit* edit : {Edit4, Edit5}) {
        edit->setEnabled(anglesGiven);
        SetBoxColour(edit, anglesGiven ? kInputColour : kDisplayColour);
    }
    for (QLineEdit* edit : {Edit6, Edit7}) {
        edit->setEnabled(!anglesGiven);
        SetBoxColour(edit, anglesGiven ? kDisplayColour : kInputColour);
    }
}

// ---- material lists ---------------------------------------------------------------

void Tf_vek::FillKindList() {
    const QSignalBlocker block(ComboBox5);
    for (const KindEntry& entry : KindListEntries(kinds_, materials_))
        ComboBox5->addItem(FromSjis(entry.nameSjis));
}

void Tf_vek::FillSymbolList(int kind) {
    const QSignalBlocker block(ComboBox7);
    ComboBox7->clear();
    for (const std::string& symbol : SymbolListEntries(kinds_, materials_, kind))
        ComboBox7->addItem(FromSjis(symbol));
}

void Tf_vek::FillDiameterList(int recordNo) {
    const int entry = ApplyDiameterListChoice(cases_[0], materials_, kinds_, ComboBox5->currentIndex(),
                                              ComboBox7->currentIndex(), ComboBox6->currentIndex(), recordNo);
    const QSignalBlocker block(ComboBox6);
    ComboBox6->clear();
    for (const std::string& text : DiameterListEntries(materials_, recordNo)) ComboBox6->addItem(Q(text));
    ComboBox6->setCurrentIndex(entry >= 0 && entry < ComboBox6->count() ? entry : -1);
}

void Tf_vek::SelectMaterial(int recordNo) {
    // A record in no kind slot leaves the lists as they are.
    const std::optional<MaterialSlot> slot = FindMaterialSlot(kinds_, recordNo);
    if (!slot) return;
    const QSignalBlocker b5(ComboBox5), b7(ComboBox7);
    ComboBox5->setCurrentIndex(slot->kind < ComboBox5->count() ? slot->kind : -1);
    FillSymbolList(slot->kind);
    ComboBox7->setCurrentIndex(slot->slot < ComboBox7->count() ? slot->slot : -1);
}

void Tf_vek::InitHistoryGrid() {
    sg1->InitHistoryGrid(cases_, materials_);
}

// ---- handlers ---------------------------------------------------------------------

void Tf_vek::BitBtn2Click() {
    RunCommand(dialogs_, this, [&] {
        ReadWindowToCase();
        CalculateCase(cases_[0], materials_);
        ShowCase(0);
        CheckCase();
        const DesignCase& c = cases_[0];
        DrawSpring(Image2->image(), c.wireDia, c.meanDia, c.turns, c.arm1, c.arm2);
        Image2->update();
    });
}

void Tf_vek::BitBtn1Click() {
    RunCommand(dialogs_, this, [&] {
        DesignCase& c = cases_[0];
        switch (c.diaMode) {
            case 0:
                Label48->setText(QStringLiteral("平均径"));
                c.diaMode = 1;
                Edit18->setText(Q(FormatFull(c.meanDia)));
                break;
            case 1:
                Label48->setText(QStringLiteral("外径"));
                c.diaMode = 2;
                Edit18->setText(Q(FormatFull(c.outerDia)));
                break;
            case 2:
                Label48->setText(QStringLiteral("内径"));
                c.diaMode = 0;
                Edit18->setText(Q(FormatFull(c.innerDia)));
                break;
            default:
                break;  // a foreign mode from a case file: nothing to switch from
        }
    });
}

void Tf_vek::dlchengClick() {
    RunCommand(dialogs_, this, [&] {
        cases_[0].inputMode = cases_[0].inputMode == 0 ? 1 : 0;
        ApplyInputMode();
    });
}

void Tf_vek::DiameterCheck() {
    const QString text = Edit18->text();
    if (!text.isEmpty() && text != ComboBox6->currentText()) UpdateRecommended();
}

void Tf_vek::TurnsEntered() {
    const QString text = Edit19->text();
    if (text.isEmpty()) return;
    DesignCase& c = cases_[0];
    c.turns = ParseNumber(text.toStdString());
    UpdateRecommended();
}

void Tf_vek::Edit18KeyPress() {
    RunCommand(dialogs_, this, [&] { DiameterCheck(); });
}

void Tf_vek::Edit18Exit() {
    RunCommand(dialogs_, this, [&] { DiameterCheck(); });
}

void Tf_vek::Edit19KeyPress() {
    RunCommand(dialogs_, this, [&] { TurnsEntered(); });
}

void Tf_vek::Edit19Exit() {
    RunCommand(dialogs_, this, [&] { TurnsEntered(); });
}

bool Tf_vek::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        // Only a move to another control of this window leaves the box; switching to
        // another window or opening a menu keeps the focus where it is.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        const bool leftBox = reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
        if (leftBox && watched == Edit18) Edit18Exit();
        if (leftBox && watched == Edit19) Edit19Exit();
    }
    return QMainWindow::eventFilter(watched, event);
}

void Tf_vek::sotoClick() {
    RunCommand(dialogs_, this, [&] { UpdateRecommended(); });
}

void Tf_vek::ComboBox5Change(int index) {
    RunCommand(dialogs_, this, [&] {
        FillSymbolList(index);
        {
            const QSignalBlocker block(ComboBox7);
            ComboBox7->setCurrentIndex(ComboBox7->count() > 0 ? 0 : -1);
        }
        FillDiameterList(MaterialNoAt(kinds_, index, 0));
        UpdateRecommended();
    });
}

void Tf_vek::ComboBox7Change(int index) {
    RunCommand(dialogs_, this, [&] {
        FillDiameterList(MaterialNoAt(kinds_, ComboBox5->currentIndex(), index));
        UpdateRecommended();
    });
}

void Tf_vek::ComboBox6Change(int) {
    RunCommand(dialogs_, this, [&] { UpdateRecommended(); });
}

void Tf_vek::SpeedButton7Click() {
    RunCommand(dialogs_, this, [&] {
        DesignCase& c = cases_[0];
        Edit5->setText(Q(FormatShort(c.maxAngle)));
        ReadWindowToCase();
        CalculateCase(c, materials_);
        c.appliedMaxAngle = c.maxAngle;
    });
}

void Tf_vek::SpeedButton1Click() {
    RunCommand(dialogs_, this, [&] {
        DesignCase& c = cases_[0];
        Edit7->setText(Q(FormatShort(c.maxMoment)));
        ReadWindowToCase();
        CalculateCase(c, materials_);
        c.appliedMaxAngle = c.maxAngle;
        Label56->setText(Q(AppliedMomentCaption(c.maxMoment)));
    });
}

void Tf_vek::help2Click() {
    RunCommand(dialogs_, this, [&] {
        // The shell's answer is not reported: a missing help page simply opens nothing.
        const QString path = QDir(appDir_).filePath(QStringLiteral("help/helphelp.htm"));
        QDesktopServices::openUrl(QUrl::fromLocalFile(path));
    });
}

void Tf_vek::N4Click() {
    RunCommand(dialogs_, this, [&] { QGuiApplication::clipboard()->setImage(Image1->image()); });
}

// ---- history, case file, print and editor commands ------------------------------

namespace {

const QString kCaseFileFilter = QStringLiteral("ねじりばねデーター|*.nbd");

bool IsHistorySlot(int slot) {
    return slot >= 1 && slot <= kHistorySlots;
}

}  // namespace

int Tf_vek::HistorySlotNumber() const {
    // The text as typed counts, even before the spin box has corrected it; a text that
    // is no integer counts as the minimum. An integer too large for any slot number
    // becomes 0, which the buttons refuse, rather than the minimum.
    const QString typed = SpinEdit1->cleanText().trimmed();
    static const QRegularExpression integer(QStringLiteral("^[+-]?[0-9]+$"));
    if (!integer.match(typed).hasMatch()) return 1;
    bool ok = false;
    const int value = typed.toInt(&ok, 10);
    return ok ? value : 0;
}

bool Tf_vek::historyUnsaved() const {
    if (!historyChanged_) return false;
    for (int slot = 1; slot <= kHistorySlots; ++slot)
        if (cases_[static_cast<std::size_t>(slot)].used != 0) return true;
    return false;
}

void Tf_vek::SpeedButton5Click() {
    RunCommand(dialogs_, this, [&] {
        const int slot = HistorySlotNumber();
        // A number outside the history, typed and not yet corrected, stores nowhere.
        if (!IsHistorySlot(slot)) return;
        CopyCase(cases_, 0, slot);
        sg1->FillHistoryRow(slot, cases_, materials_);
        historyChanged_ = true;
    });
}

void Tf_vek::SpeedButton6Click() {
    RunCommand(dialogs_, this, [&] {
        const int slot = HistorySlotNumber();
        if (!IsHistorySlot(slot) || cases_[static_cast<std::size_t>(slot)].used == 0) return;
        CopyCase(cases_, slot, 0);
        ShowCase(0);
    });
}

void Tf_vek::sg1Click() {
    RunCommand(dialogs_, this, [&] {
        const int slot = sg1->currentRow() - 1;
        if (!IsHistorySlot(slot) || cases_[static_cast<std::size_t>(slot)].used != 1) return;
        CopyCase(cases_, slot, 0);
        const int entry = cases_[0].wireDiaIndex;
        if (entry >= 0 && entry < ComboBox6->count()) {
            const QSignalBlocker block(ComboBox6);
            ComboBox6->setCurrentIndex(entry);
        }
        ShowCase(0);
    });
}

void Tf_vek::Edit2Click() {
    RunCommand(dialogs_, this, [&] {
        const QString name = dialogs_.openFileName(this, kCaseFileFilter, lastCaseOpenName_);
        if (!name.isEmpty()) {
            lastCaseOpenName_ = name;
            // A file that cannot be read ends the command here: table and grid stay as they were.
            ReadCaseFile(cases_, name.toStdString());
            for (int slot = 1; slot <= kHistorySlots; ++slot)
                if (cases_[static_cast<std::size_t>(slot)].used != 0) historyChanged_ = true;
        }
        for (int slot = 1; slot <= kHistorySlots; ++slot) sg1->FillHistoryRow(slot, cases_, materials_);
    });
}

bool Tf_vek::SaveCaseFile() {
    bool saved = false;
    RunCommand(dialogs_, this, [&] {
        ReadWindowToCase();
        const QString name = dialogs_.saveFileName(this, kCaseFileFilter, lastCaseSaveName_);
        if (name.isEmpty()) return;
        lastCaseSaveName_ = name;
        WriteCaseFile(cases_, name.toStdString());
        historyChanged_ = false;
        saved = true;
    });
    return saved;
}

void Tf_vek::N3Click() {
    SaveCaseFile();
}

void Tf_vek::N2Click() {
    RunCommand(dialogs_, this,
               [&] { CopyGridToClipboard(*sg1, 0, 0, kHistoryColumns - 1, kHistoryGridRows - 1); });
}

void Tf_vek::closeEvent(QCloseEvent* event) {
    if (historyUnsaved()) {
        switch (dialogs_.askYesNoCancel(this, QStringLiteral("履歴が保存されていません。保存しますか？"))) {
            case Dialogs::Answer::Yes:
                if (!SaveCaseFile()) {
                    event->ignore();
                    return;
                }
                break;
            case Dialogs::Answer::No:
                break;
            case Dialogs::Answer::Cancel:
                event->ignore();
                return;
        }
    }
    QMainWindow::closeEvent(event);
}

void Tf_vek::N5Click() {
    auto* page = qobject_cast<Tprinform*>(printPage_);
    if (page == nullptr) return;
    page->fillFrom(cases_[0]);
    page->exec();
}

void Tf_vek::N1Click() { PrintWindowOnDefaultPrinter(*this, ScaleMode::FitToPage, dialogs_); }

void Tf_vek::N7Click() {
    if (dataMake_ != nullptr) dataMake_->exec();
}

void Tf_vek::N8Click() {
    if (keisuuMake_ != nullptr) keisuuMake_->exec();
}
