// The colours of the boxes in every window: a box that takes input is aqua, one that
// only shows a value is white.
#pragma once

#include <QColor>

class QWidget;

inline const QColor kInputColour(0, 255, 255);
inline const QColor kDisplayColour(255, 255, 255);
inline const QColor kMessageErrorColour(255, 0, 0);

// Paints a box in its colour in every colour group, so a disabled box shows it too.
void SetBoxColour(QWidget* w, const QColor& colour);
