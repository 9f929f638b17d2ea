// The main window's shown unit: the boxes, captions and labels of moments, stresses and
// rates in kgf or SI.
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
#include "ui/main_window/message_list.h"
#include "ui/main_window/schematic.h"
#include "ui/main_window/spring_3d_page.h"
#include "ui/main_window/tool_windows.h"
#include "ui/main_window/vek.h"
#include "ui/print/window_print.h"
#include "ui/search/design_search_window.h"

using namespace torsion;

// ---- the shown unit ---------------------------------------------------------------

void Tf_vek::ShowValue(QLineEdit* box, double kgfValue) {
    WrittenValue written{kgfValue, FormatShownShort(kgfValue, unitSystem_)};
    box->setText(WindowText(written.text));
    writtenValues_[box] = std::move(written);
}

std::optional<WrittenValue> Tf_vek::WrittenValueOf(QLineEdit* box) const {
    const auto found = writtenValues_.find(box);
    if (found == writtenValues_.end()) return std::nullopt;
    return found->second;
}

void Tf_vek::SetMomentCaption(double maxMoment, bool applied) {
    captionMoment_ = maxMoment;
    captionApplied_ = applied;
    Label56->setText(WindowText(applied ? AppliedMomentCaption(maxMoment, unitSystem_)
                                        : MaxTorqueCaption(maxMoment, unitSystem_)));
}

void Tf_vek::setUnitSystem(UnitSystem unit) {
    if (unit == unitSystem_) return;
    ApplyUnitSystem(unit);
    if (settings_ != nullptr) settings_->setUnitSystem(unit);
}

void Tf_vek::ApplyUnitSystem(UnitSystem unit) {
    (unit == UnitSystem::SI ? UnitSI : UnitKgf)->setChecked(true);
    if (unit == unitSystem_) return;
    const UnitSystem from = unitSystem_;
    unitSystem_ = unit;

    for (QLineEdit* box : {Edit6, Edit7, Edit8, Edit9, Edit11}) {
        const std::optional<WrittenValue> value =
            ValueInOtherUnit(box->text().toStdString(), from, unit, WrittenValueOf(box));
        if (!value) continue;
        box->setText(WindowText(value->text));
        writtenValues_[box] = *value;
    }
    if (captionMoment_) SetMomentCaption(*captionMoment_, captionApplied_);

    const std::pair<const char*, std::string> unitLabels[] = {
        {"Label_moment1_unit", MomentUnitText(unit)},    {"Label_moment2_unit", MomentUnitText(unit)},
        {"Label_spring_const_unit", RateUnitText(unit)}, {"Label_stress_unit", StressUnitText(unit)},
        {"Label_allow_unit", StressUnitText(unit)},
    };
    for (const auto& [name, text] : unitLabels) {
        if (auto* label = findChild<QLabel*>(QString::fromLatin1(name))) {
            label->setText(WindowText(text));
            label->adjustSize();
        }
    }

    sg1->setUnitSystem(unit);
    // A grid that start-up left without headings (no material table) stays so.
    if (sg1->rowCount() >= kHistoryGridRows) InitHistoryGrid();
    emit unitSystemChanged(unit);
}

void Tf_vek::UnitKgfClick() {
    setUnitSystem(UnitSystem::Kgf);
}

void Tf_vek::LanguageClick(Language language) {
    if (settings_ == nullptr) return;
    const Language before = settings_->language().value_or(LanguageOfEnvironment());
    settings_->setLanguage(language);
    // The words are read once at start; both languages say so, whichever the user reads.
    if (language != before)
        dialogs_.showInformation(this,
                                 QStringLiteral("言語は次回の起動から切り替わります。\n"
                                                "The language changes when the program is started next."));
}

void Tf_vek::UnitSIClick() {
    setUnitSystem(UnitSystem::SI);
}
