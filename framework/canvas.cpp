#include <QMouseEvent>
#include <QPainter>
#include <QWidget>

#include "framework/controls.h"
#include "framework/picture.h"
#include "framework/qt/control_impl.h"
#include "framework/qt/picture_impl.h"
#include "framework/runtime.h"

namespace fw {

namespace {

class CanvasWidget : public QWidget {
  public:
    CanvasWidget(Canvas& owner, QWidget* parent) : QWidget(parent), owner_(owner) {}

  protected:
    void paintEvent(QPaintEvent*) override {
        if (const auto picture = owner_.Backdrop()) {
            QPainter painter(this);
            painter.drawPixmap(0, 0, picture->impl().pixmap);
        }
    }
    void mousePressEvent(QMouseEvent* event) override {
        const QPoint p = event->position().toPoint();
        if (!owner_.RaiseMouseDown(p.x(), p.y())) {
            QWidget::mousePressEvent(event);
        }
    }

  private:
    Canvas& owner_;
};

ClassInfo MakeCanvasClass() {
    using K = ValueKind;
    using C = Canvas;
    ClassInfo info{"Canvas", &RectControl::Lookup(), {}, {}, [] { return std::make_unique<C>(); }};
    info.properties = {
        DeclareProperty("AllowFocus", K::Boolean, &C::SetAllowFocus, &C::AllowFocus),
        DeclareStoredProperty("AllowFocusRing", K::Boolean),
        DeclareStoredProperty("AllowTabs", K::Boolean),
        DeclareStoredProperty("DoubleBuffer", K::Boolean),
    };
    return info;
}

}  // namespace

const ClassInfo& Canvas::Lookup() {
    static const ClassInfo info = MakeCanvasClass();
    return info;
}

void Canvas::CreateWidget() {
    impl().widget = new CanvasWidget(*this, impl().parent);
}

void Canvas::SetBackdrop(std::shared_ptr<Picture> picture) {
    EnterUiOperation("Canvas.Backdrop");
    backdrop_ = std::move(picture);
    impl().widget->update();
}

void Canvas::SetAllowFocus(bool allow) {
    EnterUiOperation("Canvas.AllowFocus");
    allowFocus_ = allow;
    ApplyFocusPolicy();
}

bool Canvas::RaiseMouseDown(std::int64_t x, std::int64_t y) {
    return RaiseAnswered(mouseDown_, *this, x, y);
}

}  // namespace fw
