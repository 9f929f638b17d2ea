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
#include "ui/common/settings.h"
#include "ui/common/sjis.h"
#include "ui/main_window/vek.h"

struct TestMaterial {
    int record;
    int kindNo;
    QString kindName;
    QString symbol;
    double youngModulus;
    std::vector<double> diameters;
    std::vector<double> tensileStrengths;
    int bendingRatio;
};

// Record 0: E = 200000, allowable bending stress 75 % of 2000 = 1500 N/mm^2 at every row.
// Record 1 is of kind 1, record 2 the second symbol of kind 0; the rest are empty.
inline torsion::MaterialTable TestMaterialTable() {
    const std::vector<TestMaterial> materials = {
        {0,
         0,
         QStringLiteral("ピアノ線"),
         QStringLiteral("SWP-A"),
         200000,
         {0.5, 1.0, 2.0},
         {2000, 2000, 2000},
         75},
        {1,
         1,
         QStringLiteral("ステンレス"),
         QStringLiteral("SUS304"),
         190000,
         {0.4, 0.7, 1.2},
         {1800, 1700, 1600},
         60},
        {2,
         0,
         QStringLiteral("ピアノ線"),
         QStringLiteral("SWP-B"),
         210000,
         {0.6, 1.0, 1.6},
         {2100, 2000, 1900},
         70},
    };
    torsion::MaterialTable table{};
    for (torsion::MaterialRecord& r : table) r.kindNo = torsion::kEmptyKindNo;
    for (const TestMaterial& m : materials) {
        torsion::MaterialRecord& r = table[m.record];
        SetShortString(r.kindName, ToSjis(m.kindName));
        SetShortString(r.symbol, ToSjis(m.symbol));
        r.kindNo = m.kindNo;
        r.youngModulus = m.youngModulus;
        r.shearModulus = 78500;
        r.bendingRatio = m.bendingRatio;
        r.torsionRatio = 50;
        r.rowCount = static_cast<std::int32_t>(m.diameters.size());
        for (std::size_t i = 0; i < m.diameters.size(); ++i) {
            r.diameter[i] = m.diameters[i];
            r.tensileStrength[i] = m.tensileStrengths[i];
        }
    }
    return table;
}

class MainWindowApp {
  public:
    // writeTable false leaves zaidat.dst out of the program folder.
    explicit MainWindowApp(bool writeTable = true) {
        if (writeTable) {
            WriteFileReplacing(path("zaidat.dst").toStdString(), EncodeMaterialTable(TestMaterialTable()));
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

    // Replaces the text of an edit box as a user would: select all, type.
    void type(const char* edit, const QString& text) const {
        QLineEdit* box = find(edit);
        box->selectAll();
        if (text.isEmpty()) {
            QTest::keyClick(box, Qt::Key_Delete);
        } else {
            QTest::keyClicks(box, text);
        }
    }
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
