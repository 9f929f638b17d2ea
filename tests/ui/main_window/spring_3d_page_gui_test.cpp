// The page "＜　3D 形状　＞": filled by "計算", turned by dragging, zoomed by the wheel,
// reset by a double-click, arm 2 moved by the state; the picture copied; the STEP and
// STL exports of the menu.
#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QGuiApplication>
#include <QTabWidget>
#include <QWheelEvent>
#include <cstring>

#include "tests/support/vek_test_app.h"
#include "ui/common/image_control.h"
#include "ui/main_window/spring_3d_page.h"

namespace {

class Spring3dPageTest : public ::testing::Test {
  protected:
    Spring3dPage* page() const { return app.window->spring3dPage(); }
    ImageControl* image() const { return page()->image(); }
    QImage picture() const { return page()->picture().convertToFormat(QImage::Format_RGB32); }
    void trigger(const char* action) const {
        auto* a = app.window->findChild<QAction*>(QString::fromLatin1(action));
        ASSERT_NE(a, nullptr) << action;
        a->trigger();
    }

    MainWindowApp app;
};

TEST_F(Spring3dPageTest, FourthPageShowsTheCalculatedSpringInsideThePicture) {
    auto* pages = app.find<QTabWidget>("PageControl1");
    ASSERT_EQ(pages->count(), 5);
    EXPECT_EQ(pages->tabText(3), QStringLiteral("＜　3D 形状　＞"));
    EXPECT_EQ(pages->widget(3), page());
    EXPECT_TRUE(page()->springBox().isEmpty()) << "nothing before the first calculation";

    app.calculate();
    const QImage shown = picture();
    const QRectF box = page()->springBox();
    EXPECT_FALSE(box.isEmpty());
    EXPECT_TRUE(QRectF(shown.rect()).contains(box)) << box.x() << " " << box.y() << " " << box.width();
    EXPECT_NE(shown.pixel(box.center().toPoint()) | shown.pixel(box.center().toPoint() + QPoint(3, 0)), 0)
        << "the picture is painted";
    EXPECT_EQ(shown.pixel(0, 0), qRgb(255, 255, 255)) << "white around the spring";
}

TEST_F(Spring3dPageTest, DragTurnsWheelZoomsDoubleClickResets) {
    app.calculate();
    const QImage first = picture();
    QTest::mousePress(image(), Qt::LeftButton, {}, QPoint(100, 100));
    QMouseEvent move(QEvent::MouseMove, QPointF(160, 120), image()->mapToGlobal(QPointF(160, 120)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(image(), &move);
    EXPECT_DOUBLE_EQ(page()->view().yaw, Spring3dView{}.yaw + 30);
    EXPECT_NE(picture(), first) << "turned";

    const QRectF before = page()->springBox();
    QWheelEvent wheel(QPointF(50, 50), image()->mapToGlobal(QPointF(50, 50)), QPoint(), QPoint(0, 120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(image(), &wheel);
    EXPECT_GT(page()->springBox().width(), before.width() * 1.05) << "zoomed in";

    QTest::mouseDClick(image(), Qt::LeftButton, {}, QPoint(100, 100));
    EXPECT_EQ(picture(), first) << "back to the first view";
}

TEST_F(Spring3dPageTest, StateMovesArmTwoAndTheCopyIsThePicture) {
    app.calculate();
    const QImage free = picture();
    app.find<QComboBox>("StateBox")->setCurrentIndex(3);  // 最大角度
    EXPECT_EQ(page()->state(), torsion::SpringState::MaxAngle);
    EXPECT_NE(picture(), free);

    trigger("Spring3dCopy");
    EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), picture());
}

TEST_F(Spring3dPageTest, MenuWritesStepAndStlAfterCalculate) {
    trigger("StepExport");
    ASSERT_EQ(app.dialogs.errors.size(), 1);
    EXPECT_EQ(app.dialogs.errors[0], QStringLiteral("3D モデルは「計算」の後に出力できます"));

    app.calculate();
    const QString step = app.path(QStringLiteral("ばね.step")), stl = app.path(QStringLiteral("ばね.stl"));
    app.dialogs.saveNames = {step, stl};
    trigger("StepExport");
    trigger("StlExport");
    EXPECT_EQ(app.dialogs.errors.size(), 1) << app.dialogs.errors.join('\n').toStdString();
    QFile stepFile(step);
    ASSERT_TRUE(stepFile.open(QIODevice::ReadOnly));
    EXPECT_TRUE(stepFile.readLine().startsWith("ISO-10303-21;"));
    QFile stlFile(stl);
    ASSERT_TRUE(stlFile.open(QIODevice::ReadOnly));
    const QByteArray bytes = stlFile.readAll();
    ASSERT_GT(bytes.size(), 84);
    quint32 count = 0;
    std::memcpy(&count, bytes.constData() + 80, 4);
    EXPECT_EQ(bytes.size(), 84 + 50 * static_cast<qsizetype>(count));
}

}  // namespace
