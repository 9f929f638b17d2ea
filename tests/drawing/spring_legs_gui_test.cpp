// The spring page and the data sheet sketch with each leg shape and a gap between coils,
// against reference pictures in tests/data (TS_WRITE_REFERENCES=1 rewrites them;
// TS_SCREENSHOT_DIR keeps the full-size pictures); straight legs are the drawing as it
// always was.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>

#include "drawing/data_sheet_sketch.h"
#include "drawing/spring_3d_view.h"
#include "drawing/spring_drawing.h"
#include "tests/support/leg_cases.h"
#include "tests/support/reference_picture.h"
#include "tests/support/spring_3d_cases.h"

using namespace torsion;

namespace {

QImage SpringPage(double N, double a1, double a2, const DesignOptions& options) {
    QImage image(kSpringImageWidth, kSpringImageHeight, QImage::Format_RGB32);
    DrawSpring(image, 1, 10, N, a1, a2, options);
    return image;
}

void KeepScreenshot(const QImage& image, const QString& name) {
    const QByteArray folder = qgetenv("TS_SCREENSHOT_DIR");
    if (!folder.isEmpty()) image.save(QDir(QString::fromLocal8Bit(folder)).filePath(name));
}

TEST(SpringLegsPicture, StraightLegsAreTheDrawingAsItWas) {
    // A straight leg's straight length and bend radius change nothing.
    const DesignOptions straight = LegOptions({"", LegShape::Tangential, LegShape::Tangential, 7, 2.5});
    for (const auto& [N, a1, a2] : {std::tuple{1.3, 15.0, 20.0}, {5.25, 15.0, 0.0}, {30.0, 0.0, 8.0}})
        EXPECT_EQ(SpringPage(N, a1, a2, straight), SpringPage(N, a1, a2, DesignOptions{})) << N;
}

class SpringLegsPicture : public ::testing::TestWithParam<LegRow> {};

TEST_P(SpringLegsPicture, SpringPageMatchesItsReference) {
    const QString name = QStringLiteral("spring_legs_%1.png").arg(QString::fromStdString(GetParam().name));
    const QImage page = SpringPage(1.3, 15, 20, LegOptions(GetParam()));
    KeepScreenshot(page, name);
    EXPECT_EQ(reference_picture::PictureDisagreement(page, name), "");
}

INSTANTIATE_TEST_SUITE_P(Legs, SpringLegsPicture, ::testing::ValuesIn(LegRows()),
                         [](const auto& info) { return info.param.name; });

// The 3D page's picture of each leg design: the bent legs stand out of the straight
// spring's box (radial ones sideways, axial ones along the axis too).
TEST(Spring3dLegsPicture, BentLegsReachBeyondTheStraightSpring) {
    const DesignCase c = Spring3dCase(Spring3dRows()[0]);
    QImage image(kSpring3dImageWidth, kSpring3dImageHeight, QImage::Format_RGB32);
    const Spring3dView view{-30, 30, 0.8};
    const QRectF straight = DrawSpring3d(image, Spring3dViewMesh(SpringShapeAt(c, SpringState::Free)), view);
    for (const LegRow& row : LegRows()) {
        const QRectF box =
            DrawSpring3d(image, Spring3dViewMesh(SpringShapeAt(c, SpringState::Free, LegOptions(row))), view);
        KeepScreenshot(image, QStringLiteral("spring_3d_legs_%1.png").arg(QString::fromStdString(row.name)));
        if (row.leg1 == LegShape::Radial || row.leg1 == LegShape::Axial) {
            EXPECT_FALSE(straight.contains(box)) << row.name;
        }
    }
}

TEST(DataSheetSketchLegs, EachShapeMatchesItsReference) {
    using enum LegShape;
    EXPECT_EQ(DrawDataSheetSketch({Tangential, Tangential}), DrawDataSheetSketch());
    const struct {
        const char* name;
        std::array<LegShape, 2> legs;
    } rows[] = {{"radial_axial", {Radial, Axial}},
                {"axial_radial", {Axial, Radial}},
                {"clamped", {Clamped, Clamped}}};
    for (const auto& row : rows) {
        const QString name = QStringLiteral("data_sheet_sketch_%1.png").arg(QLatin1String(row.name));
        const QImage sketch = DrawDataSheetSketch(row.legs);
        KeepScreenshot(sketch, name);
        EXPECT_EQ(reference_picture::PictureDisagreement(sketch, name), "") << row.name;
    }
}

}  // namespace
