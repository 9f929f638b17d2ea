// The spring drawing as a DXF file for CAD programs: both views at 1:1 in millimetres,
// the outline on layer "OUTLINE" and the centre lines on layer "CENTER".
#pragma once

#include <string>

#include "core/geometry/spring_outline.h"

namespace torsion {

inline constexpr const char* kOutlineLayer = "OUTLINE";
inline constexpr const char* kCentreLayer = "CENTER";

// Writes the outline to path (a temporary file beside it, then renamed over it);
// throws "ファイル %s を作成できません" when it cannot be written.
void WriteSpringDxf(const std::string& path, const SpringOutline& outline);

}  // namespace torsion
