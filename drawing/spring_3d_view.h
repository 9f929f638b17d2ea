// The 3D page's picture: the spring's triangle mesh, shaded and painted with QPainter
// (no OpenGL, so it draws offscreen, in tests and over remote desktops). Faces turned
// away are skipped and the rest painted back to front.
#pragma once

#include <QImage>
#include <QRectF>

#include "core/geometry/spring_3d.h"

// How the spring is seen: turned about its axis (yaw) and tilted towards the viewer
// (pitch), in degrees, and enlarged by zoom from the size that fits any turn.
struct Spring3dView {
    double yaw = -30;
    double pitch = 30;
    double zoom = 1;
};

inline constexpr int kSpring3dImageWidth = 560;
inline constexpr int kSpring3dImageHeight = 281;

// The page's mesh density for a spring: finer for few turns, coarser for many, so a
// redraw stays quick enough for smooth turning.
torsion::TriangleMesh Spring3dViewMesh(const torsion::SpringShape& shape);

// Paints the mesh over a white image; returns the pixel box of what was painted (empty
// when nothing was).
QRectF DrawSpring3d(QImage& image, const torsion::TriangleMesh& mesh, const Spring3dView& view);
