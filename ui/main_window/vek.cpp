#include "ui/main_window/vek.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
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
#include <QScreen>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>
#include <QUrl>
#include <cmath>

#include "core/base/file_io.h"
#include "core/base/number_text.h"
#include "core/calc/calculation.h"
#include "core/calc/practice.h"
#include "core/design/design_search.h"
#include "core/evaluation/evaluation.h"
#include "core/files/history_text.h"
#include "core/materials/fatigue_life.h"
#include "drawing/fatigue_diagram.h"
#include "drawing/japanese_font.h"
#include "drawing/spring_drawing.h"
#include "ui/common/data_files.h"
#include "ui/common/image_control.h"
#include "ui/common/settings.h"
#include "ui/common/sjis.h"
#include "ui/common/window_text.h"
#include "ui/main_window/case_files.h"
#include "ui/main_window/characteristic_page.h"
#include "ui/main_window/exports.h"
#include "ui/main_window/history_grid.h"
#include "ui/main_window/legs_group.h"
#include "ui/main_window/message_list.h"
#include "ui/main_window/practice_page.h"
#include "ui/main_window/schematic.h"
#include "ui/main_window/spring_3d_page.h"
#include "ui/main_window/tool_windows.h"
#include "ui/print/window_print.h"
#include "ui/search/design_search_window.h"

using namespace torsion;

namespace {

QString kTitle() {
    return QCoreApplication::translate("vek", "ねじりコイルばね設計計算");
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
    setFont(JapaneseFont());
    BuildControls();
    BuildMenu();
    resize(823, 837);
    move(301, 76);
    caseFiles_ = std::make_unique<CaseFiles>(
        cases_, options_, materials_, dialogs_, this, RecentFiles1,
        CaseFiles::WindowHooks{[this] { ReadWindowToCase(); }, [this] { ShowRecalledCase(); },
                               [this] { ShowHistoryRows(); },
                               [this](const QString& name) { RecentFileClick(name); }});
    exports_ = std::make_unique<Exports>(
        cases_, materials_, calculated_, dialogs_, this,
        Exports::WindowHooks{[this] { return ShownInputs(); },
                             [this] {
                                 const CharacteristicPage* page = characteristicPage();
                                 return EvaluationOptions{
                                     page != nullptr ? page->grade() : kDefaultToleranceGrade,
                                     page != nullptr ? page->dynamics() : DynamicsInputs{}, ShownOptions()};
                             },
                             [this] { return calculatedOptions_; }, [this] { return unitSystem_; },
                             [this] {
                                 if (!TabSheet4->hasCase())
                                     throw CommandError(QCoreApplication::translate(
                                                            "vek", "3D モデルは「計算」の後に出力できます")
                                                            .toStdString());
                                 return std::tuple(TabSheet4->shownCase(), TabSheet4->state(),
                                                   TabSheet4->shownOptions());
                             },
                             [this](const std::function<void(Tprinform&)>& fill) {
                                 toolWindows_->ShowPrintPage([&](Tprinform& page) {
                                     fill(page);
                                     return true;
                                 });
                             }});
    toolWindows_ = std::make_unique<ToolWindows>(this);
    FormCreate();
}

Tf_vek::~Tf_vek() {
    // The message list's model announces that it is emptied while the list itself is
    // being destroyed; the helper that follows its rows goes first.
    delete messageGrowth_;
}

void Tf_vek::FitToScreen(const QRect& available) {
    // Before the window is first shown its frame is not known: leave room for a title bar.
    QSize frame = frameGeometry().size() - geometry().size();
    if (!isVisible()) frame = frame.expandedTo(QSize(0, 32));
    const QSize room = available.size() - frame;
    if (width() <= room.width() && height() <= room.height()) return;
    resize(std::min(width(), room.width()), std::min(height(), room.height()));
    const int x = std::clamp(this->x(), available.left(), available.right() + 1 - width() - frame.width());
    const int y = std::clamp(this->y(), available.top(), available.bottom() + 1 - height() - frame.height());
    move(x, y);
}

void Tf_vek::EnableRecovery(const QString& folder) {
    caseFiles_->EnableRecovery(folder);
}

void Tf_vek::setSettings(Settings& settings) {
    settings_ = &settings;
    ApplyUnitSystem(settings.unitSystem());
    // The stored place only while it still shows the title bar on a screen; otherwise
    // the window keeps its usual place.
    if (const std::optional<QPoint> position = settings.windowPosition()) {
        const QPoint titleBar = *position + QPoint(frameGeometry().width() / 2, 10);
        for (const QScreen* screen : QGuiApplication::screens()) {
            if (screen->availableGeometry().contains(titleBar)) {
                move(*position);
                break;
            }
        }
    }
    (settings.language().value_or(LanguageOfEnvironment()) == Language::English ? LanguageEnglish
                                                                                : LanguageJapanese)
        ->setChecked(true);
    caseFiles_->setSettings(&settings);
    exports_->setSettings(&settings);
    TabSheet3->setGrade(settings.toleranceGrade());
    TabSheet3->setDynamicsTexts(settings.stringValue(QStringLiteral("Characteristic/inertia")),
                                settings.stringValue(QStringLiteral("Characteristic/frequency")));
}

void Tf_vek::setToolWindows(QDialog* dataMake, QDialog* keisuuMake, QDialog* printPage) {
    toolWindows_->set(dataMake, keisuuMake, printPage);
}

void Tf_vek::FormCreate() {
    // A missing coefficient file is no fault: the values stay 0 until the user saves them.
    const QString coefficientPath = DataFileToRead(appDir_, QStringLiteral("keisuu.dat"));
    if (QFileInfo(coefficientPath).isFile()) {
        RunCommand(dialogs_, this, [&] { LoadCoefficients(coefficients_, coefficientPath.toStdString()); });
    }
    setWindowTitle(kTitle());

    bool tableLoaded = false;
    const QString tablePath = DataFileToRead(appDir_, QStringLiteral("zaidat.dst"));
    RunCommand(dialogs_, this, [&] {
        const std::size_t size = LoadMaterialTable(materials_, tablePath.toStdString());
        tableLoaded = true;
        // A damaged table is named once; start-up goes on with the sound records.
        const ComposedText warning = MaterialTableWarning(tablePath.toStdString(), materials_, size);
        if (!warning.empty()) dialogs_.showWarning(this, WindowText(warning));
    });
    // The history grid shows its headings and slot numbers whatever fails below.
    sg1->setRowCount(kHistorySlots + 2);
    SpinEdit1->setMaximum(kHistorySlots);
    if (!tableLoaded) {
        InitHistoryGrid();
        return;
    }

    bool gridFilled = false;
    RunCommand(dialogs_, this, [&] {
        kinds_ = BuildKindIndex(materials_);
        FillKindList();
        {
            const QSignalBlocker b5(ComboBox5), b7(ComboBox7), b6(ComboBox6);
            ComboBox5->setCurrentIndex(ComboBox5->count() > 0 ? 0 : -1);
            FillSymbolList(0);
            ComboBox7->setCurrentIndex(ComboBox7->count() > 0 ? 0 : -1);
        }
        // The start case is record 0's, unless a damaged table left it out of the lists:
        // then the first listed record stands for it.
        const int startRecord = MaterialRecordListable(materials_[0]) ? 0 : MaterialNoAt(kinds_, 0, 0);
        FillDiameterList(startRecord);
        {
            const QSignalBlocker b6(ComboBox6);
            ComboBox6->setCurrentIndex(ComboBox6->count() > 0 ? 0 : -1);
        }
        InitCurrentCase(cases_[0]);
        cases_[0].materialNo = startRecord;
        ShowEvaluation(EvaluationOf(cases_[0], materials_), ShowFrom::Defaults);
        ReadWindowToCase();
        InitHistoryGrid();
        gridFilled = true;
        UpdateRecommended();
    });
    if (!gridFilled) InitHistoryGrid();
}

// ---- reading and showing the current case -----------------------------------------

void Tf_vek::ReadWindowToCase() {
    const WindowInputs in = CurrentWindowInputs();
    DesignCase& current = cases_[0];
    if (auto caption = ReadDiameters(current, materials_, kinds_, in)) Label28->setText(WindowText(*caption));
    ReadOperatingInputs(current, in);
    options_[0] = ShownOptions();
}

DesignOptions Tf_vek::ShownOptions() const {
    // What the page does not show stays the current case's.
    DesignOptions o = options_[0];
    o.practice = TabSheet5->practice();
    o.temperature = TemperatureOfText(TabSheet5->temperatureText().toStdString());
    TabSheet5->legsGroup()->readInto(o);
    return o;
}

EvaluationOptions Tf_vek::CurrentOptions() const {
    return EvaluationOptions{std::nullopt, {}, options_[0]};
}

WindowInputs Tf_vek::CurrentWindowInputs() const {
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
    in.unit = unitSystem_;
    in.moment1Written = WrittenValueOf(Edit6);
    in.moment2Written = WrittenValueOf(Edit7);
    return in;
}

DesignCase Tf_vek::ShownInputs() const {
    DesignCase c = cases_[0];
    const WindowInputs in = CurrentWindowInputs();
    ReadDiameters(c, materials_, kinds_, in);
    ReadOperatingInputs(c, in);
    return c;
}

void Tf_vek::ShowCase() {
    ShowEvaluation(EvaluationOf(cases_[0], materials_, CurrentOptions()), ShowFrom::Calculation);
}

void Tf_vek::ShowEvaluation(const Evaluation& e, ShowFrom from) {
    const DesignCase& shown = e.design;
    SelectMaterial(shown.materialNo);
    FillDiameterList(shown.materialNo);
    if (shown.wireDiaIndex >= 0 && shown.wireDiaIndex < ComboBox6->count()) {
        const QSignalBlocker block(ComboBox6);
        ComboBox6->setCurrentIndex(shown.wireDiaIndex);
    }
    cases_[0].lifeClass = shown.lifeClass;
    // A spring that cannot be made has no results: its boxes stay empty beside the lines
    // of the checks. A case not yet calculated (no spring constant) has no life to show.
    const bool results = e.exists || from == ShowFrom::Defaults;
    // Input boxes show texts that read back to the case's numbers (a typed 231.54 stays
    // 231.54), so the next "計算" calculates the same case; results are in short format.
    const auto input = [&](QLineEdit* box, double value) {
        box->setText(WindowText(FormatRoundTrip(value)));
    };
    const auto inputMoment = [&](QLineEdit* box, double kgf) {
        WrittenValue value{kgf, FormatShownExact(kgf, unitSystem_), true};
        box->setText(WindowText(value.text));
        writtenValues_[box] = std::move(value);
    };
    if (const std::optional<ShownDiameter> diameter = ShownCoilDiameter(shown)) {
        Label48->setText(WindowText(diameter->label));
        input(Edit18, shown.diaMode == 0   ? shown.innerDia
                      : shown.diaMode == 1 ? shown.meanDia
                                           : shown.outerDia);
    }
    input(Edit19, shown.turns);
    if (shown.inputMode != 0) {
        input(Edit4, shown.angle1);
        input(Edit5, shown.angle2);
    } else {
        inputMoment(Edit6, shown.moment1);
        inputMoment(Edit7, shown.moment2);
    }
    input(Edit12, shown.arm1);
    input(Edit13, shown.arm2);
    soto->setChecked(shown.outward != 0);
    hidari->setChecked(shown.leftHand != 0);
    TabSheet5->showOptions(e.designOptions);
    ApplyInputMode();
    if (shown.meanDia != 0 && shown.wireDia != 0 && std::isfinite(shown.meanDia / shown.wireDia))
        Label28->setText(WindowText(SpringIndexCaption(shown.meanDia / shown.wireDia)));
    if (!results) {
        ClearResults();
        CheckCase(e.checks);
        return;
    }

    const StressCoefficients& ratio = e.stressRatio;
    DrawFatigueDiagram(Image1->image(), ratio.valid, ratio.lower, ratio.upper);
    Image1->update();
    if (shown.inputMode != 0) {
        ShowValue(Edit6, shown.moment1);
        ShowValue(Edit7, shown.moment2);
    } else {
        Edit4->setText(WindowText(FormatShort(shown.angle1)));
        Edit5->setText(WindowText(FormatShort(shown.angle2)));
    }
    ShowValue(Edit8, shown.springConst);
    ShowValue(Edit9, shown.stress2);
    ShowValue(Edit11, shown.allowStress);
    Edit10->setText(shown.springConst != 0 ? WindowText(LifeLabel(shown.lifeClass)) : QString());
    Label45->setText(WindowText(CaseDisplayTexts(shown).guideRodCaption));
    if (from == ShowFrom::Defaults) return;

    CheckCase(e.checks);
    // The recommended values of the case shown; out of the recommended range they stay.
    if (SpringIndexInRecommendedRange(shown.springIndex)) {
        Label30->setText(WindowText(MaxAngleCaption(shown.maxAngle)));
        SetMomentCaption(shown.maxMoment, captionApplied_);
    }
    DrawSpring(Image2->image(), shown.wireDia, shown.meanDia, shown.turns, shown.arm1, shown.arm2,
               e.designOptions);
    Image2->update();
    TabSheet3->ShowCase(shown, e.designOptions, unitSystem_);
    TabSheet4->ShowCase(shown, e.designOptions);
    TabSheet5->ShowCase(shown, e.designOptions, unitSystem_);
    calculated_ = cases_[0];
    calculatedOptions_ = e.designOptions;
}

void Tf_vek::ClearResults() {
    DrawFatigueDiagram(Image1->image(), false, 0, 0);
    Image1->update();
    QList<QLineEdit*> boxes = {Edit8, Edit9, Edit11, Edit10};
    boxes << (cases_[0].inputMode != 0 ? QList<QLineEdit*>{Edit6, Edit7} : QList<QLineEdit*>{Edit4, Edit5});
    for (QLineEdit* box : boxes) {
        box->clear();
        writtenValues_.erase(box);
    }
    // The captions keep their names and lose their values.
    Label30->setText(QCoreApplication::translate("vek", "最大角度="));
    captionMoment_.reset();
    Label56->setText(QCoreApplication::translate("vek", "最大トルク="));
    Label45->setText(QCoreApplication::translate("vek", "案内棒径="));
    ListBox1->clear();
    Image2->image().fill(Qt::white);
    Image2->update();
    TabSheet3->Clear();
    TabSheet4->Clear();
    TabSheet5->Clear();
    calculated_.reset();
}

void Tf_vek::CheckCase(const CheckResult& result) {
    QStringList lines;
    for (const ComposedText& line : result.lines) lines.append(WindowText(line));
    ShowMessageLines(*ListBox1, lines,
                     result.error ? kMessageErrorColour : palette().color(QPalette::WindowText));
}

void Tf_vek::UpdateRecommended() {
    ReadWindowToCase();
    DesignCase& current = cases_[0];
    current = EvaluateDesign(current, materials_, CurrentOptions()).design;
    if (!SpringIndexInRecommendedRange(current.springIndex)) {
        ListBox1->clear();
        QPalette p = ListBox1->palette();
        p.setColor(QPalette::Text, kMessageErrorColour);
        ListBox1->setPalette(p);
        ListBox1->addItem(QString::fromUtf8(kSpringIndexRangeError));
        return;
    }
    Label30->setText(WindowText(MaxAngleCaption(current.maxAngle)));
    SetMomentCaption(current.maxMoment, false);
    Label45->setText(WindowText(GuideRodCaption(current.guideRodDia)));
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

void Tf_vek::InitHistoryGrid() {
    sg1->InitHistoryGrid(cases_, materials_);
}

// ---- handlers ---------------------------------------------------------------------

void Tf_vek::BitBtn2Click() {
    const bool done = RunCommand(dialogs_, this, [&] {
        ReadWindowToCase();
        const Evaluation evaluation = EvaluateDesign(cases_[0], materials_, CurrentOptions());
        cases_[0] = evaluation.design;
        ShowEvaluation(evaluation, ShowFrom::Calculation);
    });
    // A calculation that ended in an error leaves no results of another case on screen.
    if (!done) ClearResults();
}

void Tf_vek::BitBtn1Click() {
    RunCommand(dialogs_, this, [&] {
        // A foreign mode from a case file has nothing to switch from.
        if (!SwitchDiameterMode(cases_[0])) return;
        const std::optional<ShownDiameter> shown = ShownCoilDiameter(cases_[0]);
        Label48->setText(WindowText(shown->label));
        Edit18->setText(WindowText(shown->text));
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

void Tf_vek::PracticeBoxChange() {
    RunCommand(dialogs_, this, [&] { UpdateRecommended(); });
}

void Tf_vek::TemperatureBoxExit() {
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
        Edit5->setText(ShortNumberText(c.maxAngle));
        ReadWindowToCase();
        c = EvaluateDesign(c, materials_, CurrentOptions()).design;
        c.appliedMaxAngle = c.maxAngle;
    });
}

void Tf_vek::SpeedButton1Click() {
    RunCommand(dialogs_, this, [&] {
        DesignCase& c = cases_[0];
        ShowValue(Edit7, c.maxMoment);
        ReadWindowToCase();
        c = EvaluateDesign(c, materials_, CurrentOptions()).design;
        c.appliedMaxAngle = c.maxAngle;
        SetMomentCaption(c.maxMoment, true);
    });
}

void Tf_vek::help2Click() {
    RunCommand(dialogs_, this, [&] {
        // The page in the window's language: the catalogue names the English page; without
        // it beside the program the Japanese page opens.
        const QString japanese = QDir(appDir_).filePath(QStringLiteral("help/helphelp.htm"));
        const QString own = QDir(appDir_).filePath(QCoreApplication::translate("vek", "help/helphelp.htm"));
        const QString path = QFileInfo(own).isFile() ? own : japanese;
        if (!QFileInfo(path).isFile())
            throw CommandError(QCoreApplication::translate("vek", "ヘルプファイル %1 が見つかりません")
                                   .arg(path)
                                   .toStdString());
        if (QDesktopServices::openUrl(QUrl::fromLocalFile(path))) return;
        // No program opens documents on this desktop: the page opens in a window of its own.
        toolWindows_->ShowHelp(path);
    });
}

void Tf_vek::N4Click() {
    RunCommand(dialogs_, this, [&] { QGuiApplication::clipboard()->setImage(Image1->image()); });
}

void Tf_vek::CharacteristicGraphCopyClick() {
    RunCommand(dialogs_, this, [&] { QGuiApplication::clipboard()->setImage(TabSheet3->image()->image()); });
}

void Tf_vek::Spring3dCopyClick() {
    RunCommand(dialogs_, this, [&] { QGuiApplication::clipboard()->setImage(TabSheet4->picture()); });
}
