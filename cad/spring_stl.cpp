#include "cad/spring_stl.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "core/base/file_io.h"

namespace torsion {

namespace {

void PutFloat(std::uint8_t*& out, double value) {
    static_assert(std::endian::native == std::endian::little, "STL floats are little-endian");
    const auto f = static_cast<float>(value);
    std::memcpy(out, &f, 4);
    out += 4;
}

}  // namespace

std::vector<std::uint8_t> SpringStlBytes(const SpringShape& shape) {
    const TriangleMesh mesh = SpringMesh(shape, kStlAround, kStlPerTurn);
    const auto count = static_cast<std::uint32_t>(mesh.triangles.size());
    std::vector<std::uint8_t> bytes(84 + 50 * static_cast<std::size_t>(count), 0);
    // The header names the sizes as the characteristic page does: D is the mean coil
    // diameter at the state, the wire length kept.
    char header[81];
    const int length = std::snprintf(
        header, sizeof header, "torsion coil spring, mm; d %.6g, D %.6g mean (wire length kept), %.6g turns",
        shape.wireDia, shape.coilDia, shape.turns);
    std::memcpy(bytes.data(), header, static_cast<std::size_t>(std::clamp(length, 0, 80)));
    std::memcpy(bytes.data() + 80, &count, 4);
    std::uint8_t* out = bytes.data() + 84;
    for (const auto& t : mesh.triangles) {
        const Point3 &a = mesh.vertices[t[0]], &b = mesh.vertices[t[1]], &c = mesh.vertices[t[2]];
        const double ux = b.x - a.x, uy = b.y - a.y, uz = b.z - a.z;
        const double vx = c.x - a.x, vy = c.y - a.y, vz = c.z - a.z;
        double nx = uy * vz - uz * vy, ny = uz * vx - ux * vz, nz = ux * vy - uy * vx;
        const double length = std::sqrt(nx * nx + ny * ny + nz * nz);
        if (length > 0) nx /= length, ny /= length, nz /= length;
        for (double v : {nx, ny, nz, a.x, a.y, a.z, b.x, b.y, b.z, c.x, c.y, c.z}) PutFloat(out, v);
        out += 2;  // attribute byte count
    }
    return bytes;
}

void WriteSpringStl(const std::string& path, const SpringShape& shape) {
    WriteFileReplacing(path, SpringStlBytes(shape));
}

}  // namespace torsion
