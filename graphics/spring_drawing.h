// Scale drawing of the spring (end view and side view) for the second page of the
// main window, from d, D, N, a1, a2 in mm.
#pragma once

#include <QImage>

inline constexpr int kSpringImageWidth = 785;
inline constexpr int kSpringImageHeight = 281;

// Clears image and draws the spring into it. Values that cannot be drawn (zero,
// negative or not finite sizes) leave the image white; loops closer than a pixel are
// not drawn one by one.
void DrawSpring(QImage& image, double d, double D, double N, double a1, double a2);
