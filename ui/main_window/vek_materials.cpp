// The main window's material lists: kind, symbol and wire diameter, filled from the
// material table and set to a record.
#include <QComboBox>
#include <QSignalBlocker>
#include <optional>
#include <string>

#include "core/materials/material_selection.h"
#include "ui/common/sjis.h"
#include "ui/common/window_text.h"
#include "ui/main_window/vek.h"

using namespace torsion;

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
    for (const std::string& text : DiameterListEntries(materials_, recordNo))
        ComboBox6->addItem(WindowText(text));
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
