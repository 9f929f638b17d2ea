// The fourth page of the main window, "＜　3D 形状　＞": the spring of the case last
// calculated or recalled, shaded in 3D at a chosen state. Drag turns it, the wheel
// zooms, a double-click sets the first view again. Like the characteristic page it
// keeps its own copy of the case; the picture is made when the page is seen.
#pragma once

#include <QWidget>
#include <optional>

#include "core/geometry/spring_3d.h"
#include "core/model/design_case.h"
#include "core/model/design_options.h"
#include "drawing/spring_3d_view.h"

class QComboBox;
class QLabel;
class ImageControl;

class Spring3dPage : public QWidget {
    Q_OBJECT
  public:
    explicit Spring3dPage(QWidget* parent = nullptr);

    // The case with the legs and the coil gap of its options.
    void ShowCase(const torsion::DesignCase& c, const torsion::DesignOptions& options = {});
    // Shows no spring.
    void Clear();
    bool hasCase() const { return hasCase_; }
    const torsion::DesignCase& shownCase() const { return case_; }
    const torsion::DesignOptions& shownOptions() const { return options_; }
    torsion::SpringState state() const;
    void setState(torsion::SpringState state);
    const Spring3dView& view() const { return view_; }
    void setView(const Spring3dView& view);

    // The picture as it is now (made first if the page has not been seen yet).
    const QImage& picture();
    // The pixel box of the spring in the picture; empty when there is none.
    QRectF springBox() const { return springBox_; }
    ImageControl* image() const { return Image4; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void Rebuild();
    void Redraw();

    torsion::DesignCase case_{};
    torsion::DesignOptions options_{};
    bool hasCase_ = false;
    bool stale_ = false;
    std::optional<torsion::TriangleMesh> mesh_;
    QString problem_;  // why the case has no model
    Spring3dView view_;
    QRectF springBox_;
    QPoint dragFrom_;

    ImageControl* Image4 = nullptr;
    QComboBox* StateBox = nullptr;
};
