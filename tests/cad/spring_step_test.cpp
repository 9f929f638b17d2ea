// The STEP solid read back with the kernel: one valid solid with the wire's volume, the
// body's size, the arms where the drawing puts them, the hands mirrored; and the STL of
// the same spring holding the same volume.
#include "cad/spring_step.h"

#include <gtest/gtest.h>

#include <BRepAdaptor_Surface.hxx>
#include <BRepBndLib.hxx>
#include <BRepCheck_Analyzer.hxx>
#include <BRepGProp.hxx>
#include <BRepLProp_SLProps.hxx>
#include <Bnd_Box.hxx>
#include <GProp_GProps.hxx>
#include <STEPControl_Reader.hxx>
#include <TopExp_Explorer.hxx>
#include <TopoDS.hxx>
#include <TopoDS_Face.hxx>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <sstream>

#include "cad/spring_stl.h"
#include "core/geometry/spring_outline.h"
#include "core/tolerances/loaded_geometry.h"
#include "tests/support/leg_cases.h"
#include "tests/support/mesh_checks.h"
#include "tests/support/spring_3d_cases.h"
#include "tests/support/test_cases.h"

using namespace torsion;

namespace {

constexpr double kPi = std::numbers::pi;

struct ReadBack {
    int solids = 0;
    bool valid = false;
    double volume = 0;
    Bnd_Box box;
    std::vector<std::pair<gp_Pnt, gp_Dir>> flatEnds;  // centre, outward normal
};

std::string TempPath(const std::string& name) {
    return (std::filesystem::temp_directory_path() / ("ts_step_" + name)).string();
}

void Write(const std::string& path, const SpringShape& s, const StepTitle& title = {}) {
    std::string message;
    if (!TorsionWriteSpringStep(path.c_str(), &s, &title, &message)) throw CommandError(message);
}

ReadBack Read(const std::string& path) {
    ReadBack r;
    STEPControl_Reader reader;
    if (reader.ReadFile(path.c_str()) != IFSelect_RetDone) return r;
    reader.TransferRoots();
    const TopoDS_Shape shape = reader.OneShape();
    for (TopExp_Explorer e(shape, TopAbs_SOLID); e.More(); e.Next()) ++r.solids;
    r.valid = BRepCheck_Analyzer(shape).IsValid();
    GProp_GProps props;
    BRepGProp::VolumeProperties(shape, props);
    r.volume = props.Mass();
    BRepBndLib::AddOptimal(shape, r.box, Standard_False, Standard_False);
    for (TopExp_Explorer e(shape, TopAbs_FACE); e.More(); e.Next()) {
        const TopoDS_Face face = TopoDS::Face(e.Current());
        BRepAdaptor_Surface surface(face);
        if (surface.GetType() != GeomAbs_Plane) continue;
        GProp_GProps area;
        BRepGProp::SurfaceProperties(face, area);
        gp_Dir normal = surface.Plane().Axis().Direction();
        if (face.Orientation() == TopAbs_REVERSED) normal.Reverse();
        r.flatEnds.emplace_back(area.CentreOfMass(), normal);
    }
    return r;
}

double Wrap180(double degrees) {
    return std::remainder(degrees, 360.0);
}

TEST(SpringStep, DefaultSpringAtEveryStateIsTheRightSolid) {
    const Spring3dRow row = Spring3dRows()[0];
    const DesignCase c = Spring3dCase(row);
    const double angles[] = {0, c.angle1, c.angle2, c.maxAngle};
    const std::string path = TempPath("default.step");
    for (int i = 0; i < kSpringStates; ++i) {
        SCOPED_TRACE(i);
        const SpringShape s = SpringShapeAt(c, static_cast<SpringState>(i));
        Write(path, s);
        const ReadBack r = Read(path);
        EXPECT_EQ(r.solids, 1);
        EXPECT_TRUE(r.valid);
        // The wire length the characteristic page shows: π·D·N + a1 + a2.
        const double area = kPi * c.wireDia * c.wireDia / 4;
        EXPECT_NEAR(r.volume / (area * LoadedSpringGeometry(c, 0).wireLength), 1, 0.005);
        double x0, y0, z0, x1, y1, z1;
        r.box.Get(x0, y0, z0, x1, y1, z1);
        EXPECT_NEAR(z1 - z0, s.bodyLength, 0.05);
        // The arms end in flat faces square to them; arm 2 turned by the state's angle.
        ASSERT_EQ(r.flatEnds.size(), 2u);
        const Point3 ends[] = {Arm1End(s), Arm2End(s)};
        const double arms[] = {s.arm1, s.arm2};
        double polar[2];
        for (int k = 0; k < 2; ++k) {
            const auto& [centre, normal] = r.flatEnds[static_cast<std::size_t>(k)];
            const bool matches = centre.Distance(gp_Pnt(ends[k].x, ends[k].y, ends[k].z)) < 1e-3;
            const auto& [c2, n2] = r.flatEnds[static_cast<std::size_t>(1 - k)];
            const gp_Pnt found = matches ? centre : c2;
            const gp_Dir out = matches ? normal : n2;
            EXPECT_LT(found.Distance(gp_Pnt(ends[k].x, ends[k].y, ends[k].z)), 1e-3) << "arm " << k + 1;
            const gp_Pnt tangent = found.Translated(-arms[k] * gp_Vec(out));
            polar[k] = std::atan2(tangent.Y(), tangent.X()) * 180 / kPi;
        }
        const double freeAngle = 360 * (c.turns - std::trunc(c.turns));
        EXPECT_NEAR(Wrap180(polar[1] - polar[0] - freeAngle - angles[i]), 0, 0.1);
    }
    std::filesystem::remove(path);
}

TEST(SpringStep, LeftHandIsTheMirrorAndTheHeaderCarriesTheTitle) {
    Spring3dRow row = Spring3dRows()[0];
    const std::string right = TempPath("right.step"), left = TempPath("left.step");
    Write(right, SpringShapeAt(Spring3dCase(row), SpringState::Angle2), {"ねじりばね A", "TS-0012", "山田"});
    row.leftHand = true;
    Write(left, SpringShapeAt(Spring3dCase(row), SpringState::Angle2));
    const ReadBack r = Read(right), l = Read(left);
    EXPECT_NEAR(l.volume, r.volume, 1e-5 * r.volume);
    double rb[6], lb[6];
    r.box.Get(rb[0], rb[1], rb[2], rb[3], rb[4], rb[5]);
    l.box.Get(lb[0], lb[1], lb[2], lb[3], lb[4], lb[5]);
    const double mirrored[] = {-rb[3], rb[1], rb[2], -rb[0], rb[4], rb[5]};
    for (int i = 0; i < 6; ++i) EXPECT_NEAR(lb[i], mirrored[i], 1e-3) << i;

    std::ifstream in(right);
    std::stringstream text;
    text << in.rdbuf();
    for (const char* field : {"'TS-0012'", "'ねじりばね A'", "('山田')", "FILE_SCHEMA(('AUTOMOTIVE_DESIGN"})
        EXPECT_NE(text.str().find(field), std::string::npos) << field;
    std::filesystem::remove(right);
    std::filesystem::remove(left);
}

class ExtremeSprings : public ::testing::TestWithParam<Spring3dRow> {};

// Each extreme size gives a valid solid with the wire's volume, and the STL of the same
// spring is closed, turned outward and holds the solid's volume within 1 %.
TEST_P(ExtremeSprings, ExportBothWays) {
    const SpringShape s = SpringShapeAt(Spring3dCase(GetParam()), SpringState::Angle2);
    const std::string path = TempPath(GetParam().name + ".step");
    Write(path, s);
    const ReadBack r = Read(path);
    EXPECT_EQ(r.solids, 1);
    EXPECT_TRUE(r.valid);
    EXPECT_NEAR(r.volume / (kPi * s.wireDia * s.wireDia / 4 * CentreLineLength(s)), 1, 0.005);
    std::filesystem::remove(path);

    const std::vector<std::uint8_t> stl = SpringStlBytes(s);
    std::uint32_t count = 0;
    std::memcpy(&count, stl.data() + 80, 4);
    ASSERT_EQ(stl.size(), 84 + 50 * std::size_t{count});
    std::vector<MeshTriangle> triangles(count);
    for (std::uint32_t i = 0; i < count; ++i)
        std::memcpy(triangles[i].data(), stl.data() + 84 + 50 * i + 12, 36);
    EXPECT_EQ(MeshEdgeFault(triangles), "");
    EXPECT_NEAR(MeshVolumeOf(triangles) / r.volume, 1, 0.01);
}

INSTANTIATE_TEST_SUITE_P(Springs, ExtremeSprings, ::testing::ValuesIn(Spring3dRows()),
                         [](const auto& info) { return info.param.name; });

class StepLegs : public ::testing::TestWithParam<LegRow> {};

// Every leg shape and a gap between coils: one valid solid with the swept wire's volume,
// the legs' flat ends where the model and the drawing put them (0.01 mm), and the body as
// long as the pitch makes it, the axial legs beyond.
TEST_P(StepLegs, ReadBackMatchesTheDrawing) {
    const DesignCase c = Spring3dCase(Spring3dRows()[0]);
    const DesignOptions o = LegOptions(GetParam());
    const SpringShape s = SpringShapeAt(c, SpringState::Free, o);
    const SpringFigure f = SpringFigureFor(c.wireDia, c.meanDia, c.turns, c.arm1, c.arm2, o);
    const std::string path = TempPath(GetParam().name + ".step");
    Write(path, s);
    const ReadBack r = Read(path);
    std::filesystem::remove(path);
    EXPECT_EQ(r.solids, 1);
    EXPECT_TRUE(r.valid);
    EXPECT_NEAR(r.volume / (kPi * s.wireDia * s.wireDia / 4 * CentreLineLength(s)), 1, 0.005);
    ASSERT_EQ(r.flatEnds.size(), 2u);
    const Point3 ends[] = {Arm1End(s), Arm2End(s)};
    for (int k = 0; k < 2; ++k) {
        const gp_Pnt end(ends[k].x, ends[k].y, ends[k].z);
        const gp_Pnt found = r.flatEnds[0].first.Distance(end) < r.flatEnds[1].first.Distance(end)
                                 ? r.flatEnds[0].first
                                 : r.flatEnds[1].first;
        EXPECT_LT(found.Distance(end), 0.01) << "leg " << k + 1;
        const OutlinePoint drawn = f.legs[static_cast<std::size_t>(k)].end;
        EXPECT_NEAR(found.X(), drawn.x - f.endCentre.x, 0.01) << "leg " << k + 1;
        EXPECT_NEAR(found.Y(), drawn.y - f.endCentre.y, 0.01) << "leg " << k + 1;
    }
    double x0, y0, z0, x1, y1, z1;
    r.box.Get(x0, y0, z0, x1, y1, z1);
    const bool axial1 = s.legs[0].turn == LegTurn::AlongAxis, axial2 = s.legs[1].turn == LegTurn::AlongAxis;
    const double bottom = axial1 ? ends[0].z : -s.wireDia / 2;
    const double top = axial2 ? ends[1].z : s.bodyLength - s.wireDia / 2;
    EXPECT_NEAR(z1 - z0, top - bottom, 0.05);
}

INSTANTIATE_TEST_SUITE_P(Legs, StepLegs, ::testing::ValuesIn(LegRows()),
                         [](const auto& info) { return info.param.name; });

TEST(SpringStep, AFileThatCannotBeWrittenLeavesNothing) {
    const std::string path = TempPath("missing_folder/spring.step");
    const SpringShape s = SpringShapeAt(Spring3dCase(Spring3dRows()[0]), SpringState::Free);
    EXPECT_EQ(ErrorOf([&] { Write(path, s); }), "ファイル " + path + " を作成できません");
    EXPECT_FALSE(std::filesystem::exists(path + ".~part"));
}

}  // namespace
