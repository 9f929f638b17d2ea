// The STEP solid, built and written with Open CASCADE. The only source file of the
// program that includes the kernel's headers.
#include "cad/spring_step.h"

#include <APIHeaderSection_MakeHeader.hxx>
#include <BRepBuilderAPI_MakeEdge.hxx>
#include <BRepBuilderAPI_MakeFace.hxx>
#include <BRepBuilderAPI_MakeVertex.hxx>
#include <BRepBuilderAPI_MakeWire.hxx>
#include <BRepCheck_Analyzer.hxx>
#include <BRepOffsetAPI_MakePipe.hxx>
#include <BRep_Tool.hxx>
#include <GC_MakeArcOfCircle.hxx>
#include <GeomAPI_Interpolate.hxx>
#include <Geom_BSplineCurve.hxx>
#include <Geom_Circle.hxx>
#include <Geom_Line.hxx>
#include <Geom_TrimmedCurve.hxx>
#include <IFSelect_ReturnStatus.hxx>
#include <Interface_Static.hxx>
#include <Message.hxx>
#include <Message_Messenger.hxx>
#include <Message_PrinterOStream.hxx>
#include <STEPControl_Writer.hxx>
#include <Standard_Failure.hxx>
#include <StepBasic_Product.hxx>
#include <StepData_StepModel.hxx>
#include <TColStd_HArray1OfBoolean.hxx>
#include <TColStd_HArray1OfReal.hxx>
#include <TColgp_Array1OfVec.hxx>
#include <TColgp_HArray1OfPnt.hxx>
#include <TCollection_HAsciiString.hxx>
#include <TopExp.hxx>
#include <TopoDS.hxx>
#include <TopoDS_Face.hxx>
#include <TopoDS_Vertex.hxx>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <gp_Ax2.hxx>
#include <gp_Circ.hxx>
#include <iterator>
#include <mutex>
#include <numbers>
#include <vector>

#include "core/base/command_error.h"

namespace torsion {

namespace {

constexpr const char* kCannotModel = kCannotModelMessage;

// Points a coil edge interpolates, per turn; the cubic through them and their exact
// tangents stays within about 1e-4·D of the coil, and the file stays small.
constexpr int kPointsPerTurn = 12;

gp_Pnt Pnt(Point3 p) {
    return {p.x, p.y, p.z};
}
gp_Vec Vec(Point3 p) {
    return {p.x, p.y, p.z};
}

// One B-spline edge of the coil from ψ0 to ψ1 through points and exact tangents.
TopoDS_Edge CoilEdge(const SpringShape& s, double psi0, double psi1, const TopoDS_Vertex& v0,
                     const TopoDS_Vertex& v1) {
    const int n =
        std::max(3, static_cast<int>(std::ceil((psi1 - psi0) / (2 * std::numbers::pi) * kPointsPerTurn)) + 1);
    Handle(TColgp_HArray1OfPnt) points = new TColgp_HArray1OfPnt(1, n);
    Handle(TColStd_HArray1OfReal) parameters = new TColStd_HArray1OfReal(1, n);
    TColgp_Array1OfVec tangents(1, n);
    Handle(TColStd_HArray1OfBoolean) given = new TColStd_HArray1OfBoolean(1, n);
    for (int i = 1; i <= n; ++i) {
        const double psi = i == n ? psi1 : psi0 + (psi1 - psi0) * (i - 1) / (n - 1);
        points->SetValue(i, Pnt(CoilPoint(s, psi)));
        parameters->SetValue(i, psi);
        tangents.SetValue(i, Vec(CoilDerivative(s, psi)));
        given->SetValue(i, Standard_True);
    }
    GeomAPI_Interpolate interpolate(points, parameters, Standard_False, 1e-9);
    interpolate.Load(tangents, given, Standard_False);
    interpolate.Perform();
    if (!interpolate.IsDone()) throw CommandError(kCannotModel);
    return BRepBuilderAPI_MakeEdge(interpolate.Curve(), v0, v1);
}

TopoDS_Vertex Vertex(Point3 p) {
    return BRepBuilderAPI_MakeVertex(Pnt(p));
}

// The edge of a leg piece from vertex a to vertex b (the piece's own direction or the
// reverse); a bend is the quarter circle through its middle.
TopoDS_Edge LegEdge(const LegPiece& piece, const TopoDS_Vertex& a, const TopoDS_Vertex& b) {
    if (!piece.arc) return BRepBuilderAPI_MakeEdge(a, b);
    // The middle of the quarter: the centre plus the two radii, each by cos 45°.
    const double c = std::cos(std::numbers::pi / 4);
    const Point3 middle{piece.centre.x + c * (piece.from.x + piece.to.x - 2 * piece.centre.x),
                        piece.centre.y + c * (piece.from.y + piece.to.y - 2 * piece.centre.y),
                        piece.centre.z + c * (piece.from.z + piece.to.z - 2 * piece.centre.z)};
    const GC_MakeArcOfCircle arc(BRep_Tool::Pnt(a), Pnt(middle), BRep_Tool::Pnt(b));
    if (!arc.IsDone()) throw CommandError(kCannotModel);
    return BRepBuilderAPI_MakeEdge(arc.Value(), a, b);
}

TopoDS_Shape SpringSolid(const SpringShape& s) {
    BRepBuilderAPI_MakeWire wire;
    const double sweep = CoilSweep(s);
    const TopoDS_Vertex coilStart = Vertex(CoilPoint(s, 0));
    // Leg 1 from its end to the coil.
    const std::vector<LegPiece> leg1 = LegPieces(s, 0);
    TopoDS_Vertex from = leg1.empty() ? coilStart : Vertex(leg1.back().to);
    for (auto piece = leg1.rbegin(); piece != leg1.rend(); ++piece) {
        const TopoDS_Vertex to = std::next(piece) == leg1.rend() ? coilStart : Vertex(piece->from);
        wire.Add(LegEdge(*piece, from, to));
        from = to;
    }
    // One edge a turn: short edges keep each swept face's approximation small.
    const int pieces = std::max(1, static_cast<int>(std::ceil(s.turns)));
    for (int i = 1; i <= pieces; ++i) {
        const double psi0 = sweep * (i - 1) / pieces, psi1 = i == pieces ? sweep : sweep * i / pieces;
        const TopoDS_Vertex to = Vertex(CoilPoint(s, psi1));
        wire.Add(CoilEdge(s, psi0, psi1, from, to));
        from = to;
    }
    for (const LegPiece& piece : LegPieces(s, 1)) {
        const TopoDS_Vertex to = Vertex(piece.to);
        wire.Add(LegEdge(piece, from, to));
        from = to;
    }
    if (!wire.IsDone()) throw CommandError(kCannotModel);

    // The wire's round section where the centre line starts, square to it.
    const bool leg = !leg1.empty();
    const Point3 start = leg ? Arm1End(s) : CoilPoint(s, 0);
    const Point3 along = leg ? LegEndDirection(s, 0) : CoilDerivative(s, 0);
    const gp_Dir direction = leg ? gp_Dir(-along.x, -along.y, -along.z) : gp_Dir(Vec(along));
    const gp_Circ section(gp_Ax2(Pnt(start), direction), s.wireDia / 2);
    const TopoDS_Wire sectionWire = BRepBuilderAPI_MakeWire(BRepBuilderAPI_MakeEdge(section));
    const TopoDS_Face disc = BRepBuilderAPI_MakeFace(sectionWire, Standard_True);

    BRepOffsetAPI_MakePipe pipe(wire.Wire(), disc);
    pipe.Build();
    if (!pipe.IsDone()) throw CommandError(kCannotModel);
    const TopoDS_Shape solid = pipe.Shape();
    if (solid.IsNull() || solid.ShapeType() != TopAbs_SOLID || !BRepCheck_Analyzer(solid).IsValid())
        throw CommandError(kCannotModel);
    return solid;
}

// Japanese text goes into the file as UTF-8, as the exchange format's third edition
// allows; the kernel would double the backslashes of the older \X2\ form.
Handle(TCollection_HAsciiString) Text(const std::string& utf8) {
    return new TCollection_HAsciiString(utf8.c_str());
}

std::string Number(double x) {
    char text[32];
    std::snprintf(text, sizeof text, "%.6g", x);
    return text;
}

void SetHeader(STEPControl_Writer& writer, const SpringShape& s, const StepTitle& title) {
    const Handle(StepData_StepModel) model = writer.Model();
    const std::string product = title.productName.empty() ? "torsion coil spring" : title.productName;
    for (Standard_Integer i = 1; i <= model->NbEntities(); ++i) {
        const Handle(StepBasic_Product) p = Handle(StepBasic_Product)::DownCast(model->Value(i));
        if (p.IsNull()) continue;
        p->SetName(Text(product));
        p->SetId(Text(title.drawingNo.empty() ? product : title.drawingNo));
    }
    APIHeaderSection_MakeHeader header(model);
    header.SetName(Text(title.drawingNo.empty() ? product : title.drawingNo));
    header.SetAuthorValue(1, Text(title.designer));
    header.SetOriginatingSystem(Text("torsion-spring"));
    header.SetAuthorisation(Text(""));
    std::string description = "torsion coil spring, d " + Number(s.wireDia) + " mm, D " + Number(s.coilDia) +
                              " mm mean (wire length kept), " + Number(s.turns) + " turns, " +
                              (s.leftHand ? "left" : "right") + " hand, " +
                              (s.pitch > s.wireDia ? "pitch " + Number(s.pitch) + " mm" : "close-wound");
    if (s.stateAngle != 0) description += ", arm 2 turned " + Number(s.stateAngle) + " deg";
    if (!title.productName.empty()) description += "; " + title.productLabel + " " + title.productName;
    if (!title.drawingNo.empty()) description += "; " + title.drawingNoLabel + " " + title.drawingNo;
    if (!title.designer.empty()) description += "; " + title.designerLabel + " " + title.designer;
    header.SetDescriptionValue(1, Text(description));
}

}  // namespace

void WriteSpringStep(const std::string& path, const SpringShape& shape, const StepTitle& title) {
    // The kernel's translator settings are global; one writer at a time.
    static std::mutex lock;
    const std::lock_guard<std::mutex> hold(lock);
    TopoDS_Shape solid;
    try {
        solid = SpringSolid(shape);
    } catch (const Standard_Failure&) {
        throw CommandError(kCannotModel);
    }
    static const bool quiet = [] {
        // The kernel reports its progress on the standard output; the program has no use for it.
        Message::DefaultMessenger()->RemovePrinters(STANDARD_TYPE(Message_PrinterOStream));
        return true;
    }();
    (void)quiet;
    STEPControl_Writer writer;
    Interface_Static::SetCVal("write.step.schema", "AP214IS");
    Interface_Static::SetCVal("write.step.unit", "MM");
    Interface_Static::SetCVal("write.precision.mode", "1");
    if (writer.Transfer(solid, STEPControl_ManifoldSolidBrep) != IFSelect_RetDone)
        throw CommandError(kCannotModel);
    SetHeader(writer, shape, title);
    if (writer.Write(path.c_str()) != IFSelect_RetDone) ThrowCannotCreate(path);
}

}  // namespace torsion

extern "C" __attribute__((visibility("default"))) bool TorsionWriteSpringStep(
    const char* path, const torsion::SpringShape* shape, const torsion::StepTitle* title,
    std::string* message) {
    try {
        torsion::WriteSpringStep(path, *shape, *title);
        return true;
    } catch (const torsion::CommandError& e) {
        *message = e.message();
    } catch (const std::exception&) {
        *message = "このばねは 3D モデルにできません";
    }
    return false;
}
