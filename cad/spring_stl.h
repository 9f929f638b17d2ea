// The spring as a binary STL file: the 3D geometry's closed wire mesh, fine enough
// that its volume is within a fraction of a per cent of the round wire's.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/geometry/spring_3d.h"

namespace torsion {

// The mesh density of the file: points around the wire and rings per turn.
inline constexpr int kStlAround = 24;
inline constexpr int kStlPerTurn = 48;

// The file's bytes: an 80-byte header, the triangle count and 50 bytes per triangle
// (outward normal, three corners counter-clockwise from outside), little-endian floats.
std::vector<std::uint8_t> SpringStlBytes(const SpringShape& shape);

// Writes the bytes to path, replacing an older file only when the new one is complete.
void WriteSpringStl(const std::string& path, const SpringShape& shape);

}  // namespace torsion
