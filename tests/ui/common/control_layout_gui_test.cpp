// The controls of the main window, the material editor and the design search: every
// named control and every caption with its class, place, size and text, checked
// against tests/data/control_layout.txt. TS_WRITE_REFERENCES=1 rewrites the file.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QTest>

#include "tests/support/vek_test_app.h"
#include "ui/editors/u_data_make.h"
#include "ui/search/design_search_window.h"

namespace {

QString TextOf(const QWidget* w) {
    if (const auto* label = qobject_cast<const QLabel*>(w)) return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(w)) return button->text();
    if (const auto* edit = qobject_cast<const QLineEdit*>(w)) return edit->text();
    if (const auto* group = qobject_cast<const QGroupBox*>(w)) return group->title();
    return QString();
}

// One line per named control and per caption: window, parent, name, class, geometry, text.
QStringList LayoutOf(const QString& window, const QWidget& root) {
    QStringList lines;
    for (const QWidget* w : root.findChildren<QWidget*>()) {
        const bool caption = qobject_cast<const QLabel*>(w) != nullptr;
        if (w->objectName().isEmpty() && !caption) continue;
        if (w->objectName().startsWith(QLatin1String("qt_"))) continue;
        const QRect g = w->geometry();
        lines << QStringLiteral("%1 %2/%3 %4 %5,%6,%7,%8 %9")
                     .arg(window, w->parentWidget()->objectName(), w->objectName(),
                          QString::fromLatin1(w->metaObject()->className()))
                     .arg(g.x())
                     .arg(g.y())
                     .arg(g.width())
                     .arg(g.height())
                     .arg(TextOf(w).replace(u'\n', QStringLiteral("\\n")));
    }
    lines.sort();
    return lines;
}

TEST(ControlLayout, EveryControlKeepsItsPlaceNameAndCaption) {
    MainWindowApp app;
    QStringList lines = LayoutOf(QStringLiteral("f_vek"), *app.window->centralWidget());
    Tdata_make editor(app.materials, app.dialogs);
    lines += LayoutOf(QStringLiteral("data_make"), editor);
    DesignSearchWindow search(app.materials, app.kinds, app.window->cases()[0], torsion::UnitSystem::Kgf,
                              app.dialogs);
    search.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&search));
    search.layout()->activate();
    lines += LayoutOf(QStringLiteral("design_search"), search);

    QFile reference(QStringLiteral(TS_SOURCE_DIR "/tests/data/control_layout.txt"));
    if (qEnvironmentVariableIntValue("TS_WRITE_REFERENCES") == 1) {
        ASSERT_TRUE(reference.open(QIODevice::WriteOnly | QIODevice::Truncate));
        reference.write((lines.join('\n') + '\n').toUtf8());
        return;
    }
    ASSERT_TRUE(reference.open(QIODevice::ReadOnly));
    const QStringList expected = QString::fromUtf8(reference.readAll()).split('\n', Qt::SkipEmptyParts);
    EXPECT_EQ(lines.size(), expected.size());
    for (qsizetype i = 0; i < std::min(lines.size(), expected.size()); ++i)
        ASSERT_EQ(lines[i].toStdString(), expected[i].toStdString());
}

}  // namespace
