// Checks on triangle meshes shared by the 3D geometry and STL tests: closed, one
// consistent orientation, and the enclosed volume.
#pragma once

#include <array>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "core/geometry/spring_3d.h"

using MeshTriangle = std::array<std::array<float, 3>, 3>;

inline std::vector<MeshTriangle> TrianglesOf(const torsion::TriangleMesh& mesh) {
    std::vector<MeshTriangle> out;
    for (const auto& t : mesh.triangles) {
        MeshTriangle m;
        for (int i = 0; i < 3; ++i) {
            const torsion::Point3& p = mesh.vertices[t[static_cast<std::size_t>(i)]];
            m[static_cast<std::size_t>(i)] = {static_cast<float>(p.x), static_cast<float>(p.y),
                                              static_cast<float>(p.z)};
        }
        out.push_back(m);
    }
    return out;
}

// Empty when every edge (vertices matched by their coordinates) belongs to exactly two
// triangles that run along it in opposite directions; else what is wrong.
inline std::string MeshEdgeFault(const std::vector<MeshTriangle>& triangles) {
    using Key = std::tuple<float, float, float>;
    std::map<std::pair<Key, Key>, int> directed;
    const auto key = [](const std::array<float, 3>& p) { return Key{p[0], p[1], p[2]}; };
    for (const MeshTriangle& t : triangles)
        for (std::size_t i = 0; i < 3; ++i) {
            const Key a = key(t[i]), b = key(t[(i + 1) % 3]);
            if (a == b) return "a triangle with a zero-length edge";
            ++directed[{a, b}];
        }
    for (const auto& [edge, count] : directed) {
        const auto back = directed.find({edge.second, edge.first});
        if (count != 1) return "an edge used " + std::to_string(count) + " times the same way";
        if (back == directed.end()) return "an open edge";
    }
    return {};
}

inline double MeshVolumeOf(const std::vector<MeshTriangle>& triangles) {
    double sum = 0;
    for (const MeshTriangle& t : triangles) {
        const auto& a = t[0];
        const auto& b = t[1];
        const auto& c = t[2];
        sum += static_cast<double>(a[0]) * (double(b[1]) * c[2] - double(b[2]) * c[1]) +
               static_cast<double>(a[1]) * (double(b[2]) * c[0] - double(b[0]) * c[2]) +
               static_cast<double>(a[2]) * (double(b[0]) * c[1] - double(b[1]) * c[0]);
    }
    return sum / 6;
}
