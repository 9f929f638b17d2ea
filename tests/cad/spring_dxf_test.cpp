#include "cad/spring_dxf.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

#include "core/base/command_error.h"
#include "tests/support/dxf_reader.h"
#include "tests/support/test_files.h"

using namespace torsion;

namespace {

dxf_reader::Drawing WriteAndRead(double d, double D, double N, double a1, double a2) {
    ScratchDir dir;
    const std::string path = dir.File("spring.dxf");
    WriteSpringDxf(path, SpringOutlineFor(d, D, N, a1, a2));
    EXPECT_EQ(dxf_reader::SpringDxfDisagreements(path, d, D, N, a1, a2), "");
    const dxf_reader::Drawing read = dxf_reader::ReadDxf(path);
    EXPECT_TRUE(read.complete);
    return read;
}

TEST(SpringDxf, ReadsBackAtFullSizeWithBothLayers) {
    // d = 1, D = 10, N = 5 (loops 0..4), a1 = 20, a2 = 15: the end view's reach is 20.
    const dxf_reader::Drawing r = WriteAndRead(1, 10, 5, 20, 15);
    EXPECT_EQ(r.Count("LINE", kOutlineLayer), 5 + 1 + 3 + 3);  // loop edges, closing edge, two arms
    EXPECT_EQ(r.Count("ARC", kOutlineLayer), 2 * 5 + 1);       // two per loop, the outer ring
    EXPECT_EQ(r.Count("CIRCLE", kOutlineLayer), 1);            // the inner ring
    EXPECT_EQ(r.Count("LINE", kCentreLayer), 3);
    EXPECT_EQ(r.LayerLinetype(kCentreLayer), "CENTER");
    // From the end of arm 1 (-D - 2m) to the last loop ((K + 1) d); the outer diameter high.
    const dxf_reader::Box box = dxf_reader::ExtentOf(r, kOutlineLayer);
    EXPECT_NEAR(box.minX, -10 - 2 * 20, 1e-9);
    EXPECT_NEAR(box.maxX, 5, 1e-9);
    EXPECT_NEAR(box.maxY, 0.5, 1e-9);
    EXPECT_NEAR(box.minY, -10.5, 1e-9);
}

TEST(SpringDxf, FractionOfATurnAndMissingArmsChangeTheFigures) {
    // N = 5.3: a sixth loop, arm 2 turned by 108°; no arm 1, so the ring is the left end.
    const dxf_reader::Drawing turned = WriteAndRead(1, 10, 5.3, 0, 15);
    EXPECT_EQ(turned.Count("LINE", kOutlineLayer), 6 + 1 + 3);
    EXPECT_NEAR(dxf_reader::ExtentOf(turned, kOutlineLayer).maxX, 6, 1e-9);
    EXPECT_NEAR(dxf_reader::ExtentOf(turned, kOutlineLayer).minX, -10 - 15 - 5.5, 1e-9);
    // Without arm 2 the outer ring is a whole circle with a stroke across it.
    const dxf_reader::Drawing ring = WriteAndRead(1, 10, 2, 8, 0);
    EXPECT_EQ(ring.Count("CIRCLE", kOutlineLayer), 2);
    EXPECT_EQ(ring.Count("LINE", kOutlineLayer), 2 + 1 + 1 + 3);
    // A fifth of a turn adds no loop; half a turn points arm 2 back over the ring.
    WriteAndRead(0.8, 6.5, 4.2, 12, 30);
    WriteAndRead(2.5, 30, 7.5, 40, 55);
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
