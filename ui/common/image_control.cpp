#include "ui/common/image_control.h"

#include <QPainter>

ImageControl::ImageControl(int width, int height, QWidget* parent)
    : QWidget(parent), image_(width, height, QImage::Format_RGB32) {
    image_.fill(Qt::white);
    setFixedSize(width, height);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ImageControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, image_);
}
