#include "cad/spring_dxf.h"

#include <dxflib/dl_creationadapter.h>
#include <dxflib/dl_dxf.h>
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <map>

#include "core/base/command_error.h"
#include "tests/support/test_files.h"

using namespace torsion;

namespace {

// What dxflib reads back from a file: entities by layer, and the box of the outline.
struct ReadBack : DL_CreationAdapter {
    std::map<std::string, int> lines, arcs, circles;
    std::map<std::string, std::string> layerLinetypes;
    double minX = INFINITY, minY = INFINITY, maxX = -INFINITY, maxY = -INFINITY;

    void Add(double x, double y) {
        if (getAttributes().getLayer() != kOutlineLayer) return;
        minX = std::min(minX, x);
        maxX = std::max(maxX, x);
        minY = std::min(minY, y);
        maxY = std::max(maxY, y);
    }
    void addLayer(const DL_LayerData& d) override { layerLinetypes[d.name] = getAttributes().getLinetype(); }
    void addLine(const DL_LineData& d) override {
        ++lines[getAttributes().getLayer()];
        Add(d.x1, d.y1);
        Add(d.x2, d.y2);
    }
    void addCircle(const DL_CircleData& d) override {
        ++circles[getAttributes().getLayer()];
        Add(d.cx - d.radius, d.cy - d.radius);
        Add(d.cx + d.radius, d.cy + d.radius);
    }
    // An arc adds its end points and the axis points it passes through.
    void addArc(const DL_ArcData& d) override {
        ++arcs[getAttributes().getLayer()];
        double span = std::fmod(d.angle2 - d.angle1, 360.0);
        if (span <= 0) span += 360.0;
        for (double a : {d.angle1, d.angle1 + span})
            Add(d.cx + d.radius * std::cos(a * M_PI / 180), d.cy + d.radius * std::sin(a * M_PI / 180));
        for (int quarter = 0; quarter < 8; ++quarter) {
            const double axis = 90.0 * quarter;
            if (axis > d.angle1 && axis < d.angle1 + span)
                Add(d.cx + d.radius * std::cos(axis * M_PI / 180),
                    d.cy + d.radius * std::sin(axis * M_PI / 180));
        }
    }
};

ReadBack WriteAndRead(double d, double D, double N, double a1, double a2) {
    ScratchDir dir;
    const std::string path = dir.File("spring.dxf");
    WriteSpringDxf(path, SpringOutlineFor(d, D, N, a1, a2));
    ReadBack read;
    DL_Dxf dxf;
    EXPECT_TRUE(dxf.in(path, &read));
    return read;
}

TEST(SpringDxf, ReadsBackAtFullSizeWithBothLayers) {
    // d = 1, D = 10, N = 5 (loops 0..4), a1 = 20, a2 = 15: the end view's reach is 20.
    const ReadBack r = WriteAndRead(1, 10, 5, 20, 15);
    EXPECT_EQ(r.lines.at(kOutlineLayer), 5 + 1 + 3 + 3);  // loop edges, closing edge, two arms
    EXPECT_EQ(r.arcs.at(kOutlineLayer), 2 * 5 + 1);       // two per loop, the outer ring
    EXPECT_EQ(r.circles.at(kOutlineLayer), 1);            // the inner ring
    EXPECT_EQ(r.lines.at(kCentreLayer), 3);
    EXPECT_EQ(r.layerLinetypes.at(kCentreLayer), "CENTER");
    // From the end of arm 1 (-D - 2m) to the last loop ((K + 1) d); the outer diameter high.
    EXPECT_NEAR(r.minX, -10 - 2 * 20, 1e-9);
    EXPECT_NEAR(r.maxX, 5, 1e-9);
    EXPECT_NEAR(r.maxY, 0.5, 1e-9);
    EXPECT_NEAR(r.minY, -10.5, 1e-9);
    EXPECT_NEAR(r.maxY - r.minY, 11, 1e-9);
}

TEST(SpringDxf, FractionOfATurnAndMissingArmsChangeTheFigures) {
    // N = 5.3: a sixth loop, arm 2 turned by 108°; no arm 1, so the ring is the left end.
    const ReadBack turned = WriteAndRead(1, 10, 5.3, 0, 15);
    EXPECT_EQ(turned.lines.at(kOutlineLayer), 6 + 1 + 3);
    EXPECT_EQ(turned.arcs.at(kOutlineLayer), 2 * 6 + 1);
    EXPECT_NEAR(turned.maxX, 6, 1e-9);
    EXPECT_NEAR(turned.minX, -10 - 15 - 5.5, 1e-9);
    // Without arm 2 the outer ring is a whole circle with a stroke across it.
    const ReadBack ring = WriteAndRead(1, 10, 2, 8, 0);
    EXPECT_EQ(ring.circles.at(kOutlineLayer), 2);
    EXPECT_EQ(ring.arcs.at(kOutlineLayer), 2 * 2);
    EXPECT_EQ(ring.lines.at(kOutlineLayer), 2 + 1 + 1 + 3);
}

TEST(SpringDxf, SizesThatCannotBeDrawnAndUnwritableFilesAreReported) {
    for (const auto& sizes : std::vector<std::array<double, 5>>{
             {0, 10, 5, 1, 1},
             {1, -10, 5, 1, 1},
             {1, 10, NAN, 1, 1},
             {1, 10, 5, -1, 1},
             {1, 10, 1e9, 1, 1},
             // Past what a drawing file holds: an arm, a diameter, the side view's length.
             {1, 10, 5, 1e240, 20},
             {1, 10, 5, 20, 1.1e10},
             {1, DBL_MAX, 5, 1, 1},
             {2e6, 10, 9999, 1, 1}}) {
        EXPECT_THROW(SpringOutlineFor(sizes[0], sizes[1], sizes[2], sizes[3], sizes[4]), CommandError)
            << sizes[0] << " " << sizes[1] << " " << sizes[2] << " " << sizes[3] << " " << sizes[4];
    }
    // Just within the limit, and the smallest sizes, are written.
    for (const auto& sizes :
         std::vector<std::array<double, 5>>{{1, 10, 5, 4.9e9, 20}, {4.9e-324, 2.2e-308, 3, 0, 0}}) {
        ScratchDir ok;
        EXPECT_NO_THROW(WriteSpringDxf(ok.File("s.dxf"),
                                       SpringOutlineFor(sizes[0], sizes[1], sizes[2], sizes[3], sizes[4])));
    }
    SpringOutline huge = SpringOutlineFor(1, 10, 5, 1, 1);
    huge.lines.push_back({0, 0, 1e240, 0});
    ScratchDir dir;
    EXPECT_THROW(WriteSpringDxf(dir.File("huge.dxf"), huge), CommandError);
    try {
        WriteSpringDxf(dir.File("no/such/spring.dxf"), SpringOutlineFor(1, 10, 5, 1, 1));
        FAIL() << "no error";
    } catch (const CommandError& e) {
        EXPECT_EQ(e.message(), "ファイル " + dir.File("no/such/spring.dxf") + " を作成できません");
    }
}

}  // namespace
