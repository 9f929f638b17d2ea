// The spring drawing as a DXF file, written with dxflib (AutoCAD 2000 text format).
#include "cad/spring_dxf.h"

#include <dxflib/dl_dxf.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>

#include "core/base/command_error.h"
#include "core/base/file_io.h"

namespace torsion {

namespace {

// Long dash, gap, short dash, gap, in mm: the usual centre-line pattern.
double kCentrePattern[] = {12.0, -3.0, 3.0, -3.0};

struct Extents {
    double minX = INFINITY, minY = INFINITY, maxX = -INFINITY, maxY = -INFINITY;
    void Add(double x, double y) {
        minX = std::min(minX, x);
        minY = std::min(minY, y);
        maxX = std::max(maxX, x);
        maxY = std::max(maxY, y);
    }
};

Extents ExtentsOf(const SpringOutline& o) {
    Extents e;
    for (const auto& lines : {o.lines, o.centreLines})
        for (const OutlineLine& l : lines) {
            e.Add(l.x1, l.y1);
            e.Add(l.x2, l.y2);
        }
    // Circles and arcs by their whole circle: a little generous for arcs, never short.
    for (const OutlineCircle& c : o.circles) {
        e.Add(c.cx - c.radius, c.cy - c.radius);
        e.Add(c.cx + c.radius, c.cy + c.radius);
    }
    for (const OutlineArc& a : o.arcs) {
        e.Add(a.cx - a.radius, a.cy - a.radius);
        e.Add(a.cx + a.radius, a.cy + a.radius);
    }
    return e;
}

void WriteTables(DL_Dxf& dxf, DL_WriterA& dw) {
    dw.sectionTables();
    dxf.writeVPort(dw);
    dw.tableLinetypes(4);
    dxf.writeLinetype(dw, DL_LinetypeData("BYBLOCK", "", 0, 0, 0.0));
    dxf.writeLinetype(dw, DL_LinetypeData("BYLAYER", "", 0, 0, 0.0));
    dxf.writeLinetype(dw, DL_LinetypeData("CONTINUOUS", "Solid line", 0, 0, 0.0));
    dxf.writeLinetype(dw, DL_LinetypeData("CENTER", "Center ____ _ ____ _", 0, 4, 21.0, kCentrePattern));
    dw.tableEnd();
    dw.tableLayers(3);
    dxf.writeLayer(dw, DL_LayerData("0", 0), DL_Attributes("", DL_Codes::black, 100, "CONTINUOUS", 1.0));
    dxf.writeLayer(dw, DL_LayerData(kOutlineLayer, 0),
                   DL_Attributes("", DL_Codes::blue, 50, "CONTINUOUS", 1.0));
    dxf.writeLayer(dw, DL_LayerData(kCentreLayer, 0), DL_Attributes("", DL_Codes::red, 18, "CENTER", 1.0));
    dw.tableEnd();
    dw.tableStyle(1);
    dxf.writeStyle(dw, DL_StyleData("Standard", 0, 0.0, 1.0, 0.0, 0, 2.5, "txt", ""));
    dw.tableEnd();
    dxf.writeView(dw);
    dxf.writeUcs(dw);
    dw.tableAppid(1);
    dxf.writeAppid(dw, "ACAD");
    dw.tableEnd();
    dxf.writeDimStyle(dw, 2.5, 1.25, 0.625, 0.625, 2.5);
    dxf.writeBlockRecord(dw);
    dw.tableEnd();
    dw.sectionEnd();
}

void WriteBlocks(DL_Dxf& dxf, DL_WriterA& dw) {
    dw.sectionBlocks();
    for (const char* name : {"*Model_Space", "*Paper_Space", "*Paper_Space0"}) {
        dxf.writeBlock(dw, DL_BlockData(name, 0, 0.0, 0.0, 0.0));
        dxf.writeEndBlock(dw, name);
    }
    dw.sectionEnd();
}

}  // namespace

void WriteSpringDxf(const std::string& path, const SpringOutline& outline) {
    // The writer formats numbers into buffers of a fixed size: a coordinate past the
    // drawing limit would overrun them, and no CAD program could use it anyway.
    const Extents e = ExtentsOf(outline);
    const double reach = std::max({-e.minX, e.maxX, -e.minY, e.maxY});
    if (!(reach <= kMaxOutlineCoordinate)) throw CommandError(TS_TEXT("この寸法のばねは図にできません"));
    ReplacingFile file(path);
    const std::string& temp = file.temporaryPath();
    {
        DL_Dxf dxf;
        std::unique_ptr<DL_WriterA> dw(dxf.out(temp.c_str(), DL_Codes::AC1015));
        if (!dw) ThrowCannotCreate(path);

        dxf.writeHeader(*dw);
        dw->dxfString(9, "$INSUNITS");
        dw->dxfInt(70, 4);  // millimetres
        dw->dxfString(9, "$MEASUREMENT");
        dw->dxfInt(70, 1);  // metric
        dw->dxfString(9, "$EXTMIN");
        dw->coord(10, e.minX, e.minY, 0.0);
        dw->dxfString(9, "$EXTMAX");
        dw->coord(10, e.maxX, e.maxY, 0.0);
        dw->sectionEnd();
        WriteTables(dxf, *dw);
        WriteBlocks(dxf, *dw);

        dw->sectionEntities();
        const DL_Attributes outlineAttributes(kOutlineLayer, 256, -1, "BYLAYER", 1.0);
        const DL_Attributes centreAttributes(kCentreLayer, 256, -1, "BYLAYER", 1.0);
        for (const OutlineLine& l : outline.lines)
            dxf.writeLine(*dw, DL_LineData(l.x1, l.y1, 0.0, l.x2, l.y2, 0.0), outlineAttributes);
        for (const OutlineArc& a : outline.arcs)
            dxf.writeArc(*dw, DL_ArcData(a.cx, a.cy, 0.0, a.radius, a.startDegrees, a.endDegrees),
                         outlineAttributes);
        for (const OutlineCircle& c : outline.circles)
            dxf.writeCircle(*dw, DL_CircleData(c.cx, c.cy, 0.0, c.radius), outlineAttributes);
        for (const OutlineLine& l : outline.centreLines)
            dxf.writeLine(*dw, DL_LineData(l.x1, l.y1, 0.0, l.x2, l.y2, 0.0), centreAttributes);
        dw->sectionEnd();
        dxf.writeObjects(*dw);
        dxf.writeObjectsEnd(*dw);
        dw->dxfEOF();
        dw->close();
    }
    // The writer reports no write errors; a file that did not get its end is incomplete.
    std::FILE* check = std::fopen(temp.c_str(), "rb");
    bool complete = false;
    if (check) {
        char tail[16] = {};
        if (std::fseek(check, -8, SEEK_END) == 0)
            complete =
                std::fread(tail, 1, 8, check) > 0 && std::string(tail).find("EOF") != std::string::npos;
        std::fclose(check);
    }
    if (!complete) ThrowCannotCreate(path);
    file.Commit();
}

}  // namespace torsion
