// A main window over a small material table written into a scratch program folder,
// answered by FakeDialogs. Shared by the window tests of the main window.
#pragma once

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "core/base/file_io.h"
#include "core/materials/coefficients.h"
#include "core/materials/material_table.h"
#include "tests/support/fake_dialogs.h"
#include "tests/support/material_tables.h"
#include "tests/support/typing.h"
#include "ui/common/settings.h"
#include "ui/common/sjis.h"
#include "ui/main_window/vek.h"

// Record 0: E = 200000, allowable bending stress 75 % of 2000 = 1500 N/mm^2 at every row.
// Record 1 is of kind 1, record 2 the second symbol of kind 0; the rest are empty.
inline torsion::MaterialTable TestMaterialTable() {
    const auto sjis = [](const char* utf8) { return ToSjis(QString::fromUtf8(utf8)); };
    auto table = EmptyMaterialTable();
    (*table)[0] = WireRecord({.symbol = sjis("SWP-A"),
                              .kindName = sjis("ピアノ線"),
                              .youngModulus = 200000,
                              .bendingRatio = 75,
                              .diameter = {0.5, 1.0, 2.0},
                              .tensileStrength = {2000, 2000, 2000}});
    (*table)[1] = WireRecord({.kind = 1,
                              .symbol = sjis("SUS304"),
                              .kindName = sjis("ステンレス"),
                              .youngModulus = 190000,
                              .bendingRatio = 60,
                              .diameter = {0.4, 0.7, 1.2},
                              .tensileStrength = {1800, 1700, 1600}});
    (*table)[2] = WireRecord({.symbol = sjis("SWP-B"),
                              .kindName = sjis("ピアノ線"),
                              .youngModulus = 210000,
                              .bendingRatio = 70,
                              .diameter = {0.6, 1.0, 1.6},
                              .tensileStrength = {2100, 2000, 1900}});
    for (int n : {0, 1, 2}) {
        (*table)[n].shearModulus = 78500;
        (*table)[n].torsionRatio = 50;
    }
    return *table;
}

class MainWindowApp {
  public:
    // writeTable false leaves zaidat.dst out of the program folder.
    explicit MainWindowApp(bool writeTable = true) {
        if (writeTable) {
            torsion::WriteFileReplacing(path("zaidat.dst").toStdString(),
                                        torsion::EncodeMaterialTable(TestMaterialTable()));
        }
        window = std::make_unique<Tf_vek>(materials, kinds, coefficients, dialogs, folder.path());
        window->setSettings(settings);
    }

    QString path(const QString& name) const { return QDir(folder.path()).filePath(name); }

    template <typename T = QLineEdit>
    T* find(const char* name) const {
        return window->findChild<T*>(QString::fromLatin1(name));
    }
    QString text(const char* edit) const { return find(edit)->text(); }
    QString caption(const char* label) const { return find<QLabel>(label)->text(); }
    QStringList messages() const {
        QStringList lines;
        auto* list = find<QListWidget>("ListBox1");
        for (int i = 0; i < list->count(); ++i) lines << list->item(i)->text();
        return lines;
    }
    QColor messageColour() const { return find<QListWidget>("ListBox1")->palette().color(QPalette::Text); }

    // Replaces the text of an edit box as a user would: select all, type key by key
    // (see TypeOver).
    void type(const char* edit, const QString& text) const { TypeOver(find(edit), text); }
    void enter(const char* edit, const QString& text) const {
        type(edit, text);
        QTest::keyClick(find(edit), Qt::Key_Return);
    }
    void calculate() const { QTest::mouseClick(find<QPushButton>("BitBtn2"), Qt::LeftButton); }
    void click(const char* button) const { QTest::mouseClick(find<QAbstractButton>(button), Qt::LeftButton); }

    QTemporaryDir folder;
    torsion::MaterialTable materials{};
    torsion::KindIndex kinds{};
    torsion::CoefficientRecord coefficients{};
    FakeDialogs dialogs;
    // The settings file of this run, in the scratch folder.
    Settings settings{QDir(folder.path()).filePath(QStringLiteral("settings.ini"))};
    std::unique_ptr<Tf_vek> window;
};
