#include "ui/common/box_style.h"

#include <QPalette>
#include <QWidget>

void SetBoxColour(QWidget* w, const QColor& colour) {
    QPalette p = w->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        p.setColor(group, QPalette::Base, colour);
        p.setColor(group, QPalette::Button, colour);
    }
    w->setPalette(p);
}
