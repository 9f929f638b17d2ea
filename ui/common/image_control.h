// An image control: a widget of fixed size showing an off-screen bitmap. Drawing
// functions paint into image(); the control repaints from it.
#pragma once

#include <QImage>
#include <QWidget>

class ImageControl : public QWidget {
    Q_OBJECT
  public:
    ImageControl(int width, int height, QWidget* parent = nullptr);

    QImage& image() { return image_; }
    const QImage& image() const { return image_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QImage image_;
};
