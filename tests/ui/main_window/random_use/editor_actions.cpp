// The random user's actions in the material editor and the coefficient window, and
// restarts on damaged data files.
#include <QFile>
#include <QFileInfo>
#include <QTableWidget>

#include "tests/ui/main_window/random_use/session.h"

namespace torsion::random_use {

// ---- material editor ---------------------------------------------------------------

void RandomSession::typeEditorBox() {
    const QString name = pick({QStringLiteral("Edit1"), QStringLiteral("Edit2"), QStringLiteral("Edit3"),
                               QStringLiteral("Edit5"), QStringLiteral("Edit10"), QStringLiteral("Edit11")});
    detail_ = " " + name.toStdString();
    QLineEdit* box = dataMake_->findChild<QLineEdit*>(name);
    typeInto(box, HostileText(rng_));
}

void RandomSession::typeEditorCell() {
    auto* grid = dataMake_->findChild<QTableWidget*>(QStringLiteral("SG1"));
    const int row = Tdata_make::kFixedRows + static_cast<int>(rng_() % kMaterialRows);
    const int col = 1 + static_cast<int>(rng_() % 4);
    grid->setCurrentCell(row, col);
    FlushDeletes();
    QString text = HostileText(rng_);
    // Mostly numbers, so that the list grows and ends in many places.
    if (chance(50)) text = chance(20) ? QStringLiteral("0") : QString::number((rng_() % 5000) / 100.0);
    detail_ = " row " + std::to_string(row) + " col " + std::to_string(col);
    if (chance(30)) {
        // Through the cell editor, which may be left open for the next command.
        grid->editItem(grid->item(row, col));
        if (auto* editor = grid->viewport()->findChild<QLineEdit*>();
            editor != nullptr && editor->isVisible()) {
            typeInto(editor, text);
            if (chance(40)) QTest::keyClick(editor, chance(50) ? Qt::Key_Return : Qt::Key_Tab);
            return;
        }
    }
    detail_ += " '" + text.left(40).toStdString() + "'";
    grid->item(row, col)->setText(text);
}

void RandomSession::moveRecord() {
    if (chance(50))
        dataMake_->BitBtn3Click();
    else
        dataMake_->BitBtn4Click();
}

void RandomSession::insertOrDeleteRow() {
    auto* grid = dataMake_->findChild<QTableWidget*>(QStringLiteral("SG1"));
    const int row = static_cast<int>(rng_() % Tdata_make::kGridRows);
    grid->setCurrentCell(row, 1 + static_cast<int>(rng_() % 4));
    FlushDeletes();
    detail_ = " row " + std::to_string(grid->currentRow());
    if (chance(50))
        dataMake_->BitBtn6Click();
    else
        dataMake_->BitBtn7Click();
}

void RandomSession::eraseRecord() {
    dialogs_.confirmAnswers.push_back(chance(50));
    dataMake_->BitBtn8Click();
}

void RandomSession::kindNumber() {
    auto* spin = dataMake_->findChild<QSpinBox*>(QStringLiteral("SE1"));
    if (chance(50))
        spin->stepBy(chance(50) ? 1 : -1);
    else
        spin->setValue(static_cast<int>(rng_() % 13) - 1);
}

void RandomSession::clearComments() {
    dataMake_->ListBox1DblClick();
}

QString RandomSession::tableFileName() {
    switch (rng_() % 6) {
        case 0:
            return QString();
        case 1:
            return path(QStringLiteral("plainfile/t.dst"));
        case 2:
            return path(QStringLiteral("adir"));
        case 3:
            return path(QStringLiteral("材料.dst"));
        default:
            return path(QStringLiteral("table%1.dst").arg(rng_() % 2));
    }
}

void RandomSession::loadMaterialTable() {
    QString name;
    if (chance(60)) {
        name = path(QStringLiteral("damaged%1.dst").arg(rng_() % 3));
        WriteBytes(name, DamagedMaterialFile(rng_, materials_));
    } else {
        name = chance(20) ? path(QStringLiteral("missing.dst")) : tableFileName();
    }
    detail_ = " " + QFileInfo(name).fileName().toStdString();
    const MaterialTable before = materials_;
    const std::optional<Bytes> file = name.isEmpty() ? std::nullopt : FileBytes(name);
    const int errors = static_cast<int>(dialogs_.errors.size());
    if (!name.isEmpty()) dialogs_.openNames.push_back(name);
    dataMake_->BitBtn1Click();
    if (!name.isEmpty() && !file) {
        if (MaterialBytes(materials_) != MaterialBytes(before))
            fail("an unreadable table file changed the table");
        if (dialogs_.errors.size() != errors + 1) fail("an unreadable table file was not reported");
        return;
    }
    MaterialTable expected = before;
    if (file) OverlayMaterialTable(expected, *file);
    NormaliseEmptyRecords(expected);
    if (MaterialBytes(materials_) != MaterialBytes(expected)) fail("loading a table file gave another table");
    if (dataMake_->editRecordNo() != 0) fail("loading did not show record 0");
}

void RandomSession::saveMaterialTable() {
    const QString name = tableFileName();
    detail_ = " " + QFileInfo(name).fileName().toStdString();
    const std::optional<Bytes> before = name.isEmpty() ? std::nullopt : FileBytes(name);
    const int errors = static_cast<int>(dialogs_.errors.size());
    const int infos = static_cast<int>(dialogs_.informations.size());
    if (!name.isEmpty()) dialogs_.saveNames.push_back(name);
    dataMake_->BitBtn2Click();
    const bool failed = dialogs_.errors.size() != errors;
    if (failed == (dialogs_.informations.size() != infos))
        fail("the restart notice must follow exactly the saves that did not fail");
    if (name.isEmpty()) return;
    const std::optional<Bytes> after = FileBytes(name);
    if (!failed && after != MaterialBytes(materials_))
        fail("a table save reported no error but the file differs");
    if (failed && after != before) fail("a failed table save changed the file");
}

// ---- coefficient window ------------------------------------------------------------

void RandomSession::typeCoefficient() {
    const QString name = QStringLiteral("Edit%1").arg(1 + rng_() % kCoefficientCount);
    detail_ = " " + name.toStdString();
    QString text = HostileText(rng_);
    if (chance(40)) text = RandomNumberText(rng_);
    typeInto(keisuu_->findChild<QLineEdit*>(name), text);
}

void RandomSession::setCoefficients() {
    const QString file = path(QStringLiteral("keisuu.dat"));
    const std::optional<Bytes> before = FileBytes(file);
    const int errors = static_cast<int>(dialogs_.errors.size());
    const Bytes memory = EncodeCoefficients(coefficients_);
    const auto asked = dialogs_.confirmations.size();
    // Yes and no by turns (not from the random sequence, which the other actions share).
    const bool yes = ++coefficientSaves_ % 2 == 0;
    dialogs_.confirmAnswers.push_back(yes);
    keisuu_->BitBtn1Click();
    dialogs_.confirmAnswers.clear();
    const std::optional<Bytes> after = FileBytes(file);
    if (dialogs_.confirmations.size() != asked && !yes) {
        // A value outside its hint, declined: nothing changes.
        if (after != before || EncodeCoefficients(coefficients_) != memory)
            fail("a declined coefficient save changed the file or the values");
        return;
    }
    if (dialogs_.errors.size() == errors && after != EncodeCoefficients(coefficients_))
        fail("coefficients saved without error but the file differs");
    if (dialogs_.errors.size() != errors && after != before)
        fail("a failed coefficient save changed the file");
}

// ---- restart -----------------------------------------------------------------------

void RandomSession::restart() {
    stop();
    const int variant = static_cast<int>(rng_() % 6);
    detail_ = " variant " + std::to_string(variant);
    MaterialTable base{};
    OverlayMaterialTable(base, defaultTable_);
    switch (variant) {
        case 0:
            WriteBytes(path(QStringLiteral("zaidat.dst")), defaultTable_);
            break;
        case 1:
            QFile::remove(path(QStringLiteral("zaidat.dst")));
            break;
        default:
            WriteBytes(path(QStringLiteral("zaidat.dst")), DamagedMaterialFile(rng_, base));
            break;
    }
    if (chance(30)) {
        Bytes coefficients = defaultCoefficients_;
        coefficients.resize(rng_() % (coefficients.size() + 1));
        if (chance(50)) coefficients = RandomBytes(rng_, rng_() % 1000);
        WriteBytes(path(QStringLiteral("keisuu.dat")), coefficients);
    }
    start(false);
}

}  // namespace torsion::random_use
