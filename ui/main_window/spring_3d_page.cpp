#include "ui/main_window/spring_3d_page.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "core/base/command_error.h"
#include "ui/common/image_control.h"
#include "ui/common/window_text.h"

using namespace torsion;

Spring3dPage::Spring3dPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("TabSheet4"));
    Image4 = new ImageControl(kSpring3dImageWidth, kSpring3dImageHeight, this);
    Image4->setObjectName(QStringLiteral("Image4"));
    Image4->move(8, 8);
    Image4->image().fill(Qt::white);
    Image4->installEventFilter(this);
    Image4->setCursor(Qt::OpenHandCursor);

    auto* stateLabel = new QLabel(QCoreApplication::translate("spring_3d_page", "状態"), this);
    stateLabel->setObjectName(QStringLiteral("StateLabel"));
    stateLabel->move(580, 10);
    stateLabel->adjustSize();
    StateBox = new QComboBox(this);
    StateBox->setObjectName(QStringLiteral("StateBox"));
    StateBox->setGeometry(620, 6, 100, 21);
    StateBox->addItems({QCoreApplication::translate("spring_3d_page", "自由状態"), QStringLiteral("φ1"),
                        QStringLiteral("φ2"), QCoreApplication::translate("spring_3d_page", "最大角度")});
    auto* hint =
        new QLabel(QCoreApplication::translate(
                       "spring_3d_page", "ドラッグで回転\nホイールで拡大・縮小\nダブルクリックで元の向き"),
                   this);
    hint->setObjectName(QStringLiteral("ViewHint"));
    hint->move(580, 40);
    hint->adjustSize();
    connect(StateBox, &QComboBox::currentIndexChanged, this, [this] { Rebuild(); });
}

void Spring3dPage::ShowCase(const DesignCase& c, const DesignOptions& options) {
    case_ = c;
    options_ = options;
    hasCase_ = true;
    stale_ = true;
    mesh_.reset();
    if (isVisible()) Rebuild();
}

void Spring3dPage::Clear() {
    hasCase_ = false;
    stale_ = false;
    mesh_.reset();
    problem_.clear();
    Redraw();
}

SpringState Spring3dPage::state() const {
    return static_cast<SpringState>(StateBox->currentIndex());
}

void Spring3dPage::setState(SpringState state) {
    StateBox->setCurrentIndex(static_cast<int>(state));
}

void Spring3dPage::setView(const Spring3dView& view) {
    view_ = view;
    view_.pitch = std::clamp(view_.pitch, -89.0, 89.0);
    view_.zoom = std::clamp(view_.zoom, 0.2, 50.0);
    Redraw();
}

const QImage& Spring3dPage::picture() {
    if (stale_) Rebuild();
    return Image4->image();
}

void Spring3dPage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (stale_) Rebuild();
}

void Spring3dPage::Rebuild() {
    stale_ = false;
    mesh_.reset();
    problem_.clear();
    if (hasCase_) {
        try {
            mesh_ = Spring3dViewMesh(SpringShapeAt(case_, state(), options_));
        } catch (const CommandError& e) {
            problem_ = WindowText(e.text());
        }
    }
    Redraw();
}

void Spring3dPage::Redraw() {
    QImage& image = Image4->image();
    springBox_ = mesh_ ? DrawSpring3d(image, *mesh_, view_) : QRectF();
    if (!mesh_) {
        image.fill(Qt::white);
        if (!problem_.isEmpty()) {
            QPainter painter(&image);
            painter.drawText(image.rect(), Qt::AlignCenter, problem_);
        }
    }
    Image4->update();
}

bool Spring3dPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched != Image4) return QWidget::eventFilter(watched, event);
    switch (event->type()) {
        case QEvent::MouseButtonPress:
            dragFrom_ = static_cast<QMouseEvent*>(event)->position().toPoint();
            return true;
        case QEvent::MouseMove: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (!(mouse->buttons() & Qt::LeftButton)) return false;
            const QPoint at = mouse->position().toPoint(), moved = at - dragFrom_;
            dragFrom_ = at;
            Spring3dView v = view_;
            v.yaw += 0.5 * moved.x();
            v.pitch += 0.5 * moved.y();
            setView(v);
            return true;
        }
        case QEvent::Wheel: {
            Spring3dView v = view_;
            v.zoom *= std::pow(1.1, static_cast<QWheelEvent*>(event)->angleDelta().y() / 120.0);
            setView(v);
            return true;
        }
        case QEvent::MouseButtonDblClick:
            setView(Spring3dView{});
            return true;
        default:
            return false;
    }
}
