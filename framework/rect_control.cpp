#include "framework/rect_control.h"

#include <QApplication>

#include <algorithm>
#include <vector>

#include "framework/qt/control_impl.h"
#include "framework/qt/window_impl.h"
#include "framework/runtime.h"
#include "framework/window.h"

namespace fw {

namespace {

ClassInfo MakeRectControlClass() {
    ClassInfo info{"RectControl", &Control::Lookup(), {}, RectControlProperties(), {}};
    return info;
}

}  // namespace

std::vector<PropertyInfo> RectControlProperties() {
    using K = ValueKind;
    using R = RectControl;
    return {
        DeclareProperty("Left", K::Integer, &R::SetLeft, &R::Left),
        DeclareProperty("Top", K::Integer, &R::SetTop, &R::Top),
        DeclareProperty("Width", K::Integer, &R::SetWidth, &R::Width),
        DeclareProperty("Height", K::Integer, &R::SetHeight, &R::Height),
        DeclareStoredProperty("LockLeft", K::Boolean),
        DeclareStoredProperty("LockTop", K::Boolean),
        DeclareStoredProperty("LockRight", K::Boolean),
        DeclareStoredProperty("LockBottom", K::Boolean),
        DeclareProperty("TabIndex", K::Integer, &R::SetTabIndex, &R::TabIndex),
        DeclareProperty("TabStop", K::Boolean, &R::SetTabStop, &R::TabStop),
        DeclareStoredProperty("AllowAutoDeactivate", K::Boolean),
        DeclareProperty("Enabled", K::Boolean, &R::SetEnabled, &R::Enabled),
        DeclareProperty("Tooltip", K::String, &R::SetTooltip, &R::Tooltip),
        DeclareProperty("Transparent", K::Boolean, &R::SetTransparent, &R::Transparent),
        DeclareProperty("Visible", K::Boolean, &R::SetVisible, &R::Visible),
        DeclareStoredProperty("InitialParent", K::String),
    };
}

void RectControl::Impl::ApplyGeometry() {
    if (widget) {
        widget->setGeometry(ClampCoordinate(left), ClampCoordinate(top), ClampSize(width),
                            ClampSize(height));
    }
}

void RectControl::Impl::ApplyFont(const DesignedFont& designed) {
    if (widget) {
        // The platform's interface font for this kind of widget: buttons may have their own.
        widget->setFont(ToQFont(designed, QApplication::font(widget)));
    }
}

std::vector<RectControl*> FocusableInTabOrder(const Window& window) {
    std::vector<RectControl*> order;
    for (std::size_t i = 0; i < window.ControlCount(); ++i) {
        auto* c = dynamic_cast<RectControl*>(&window.ControlAt(i));
        if (c != nullptr && c->impl().widget && c->impl().widget->focusPolicy() != Qt::NoFocus) {
            order.push_back(c);
        }
    }
    std::stable_sort(order.begin(), order.end(),
                     [](RectControl* a, RectControl* b) { return a->TabIndex() < b->TabIndex(); });
    return order;
}

void UpdateTabOrder(Window& window) {
    // Only widgets that can take the focus: the toolkit ignores a link to or from any other, which
    // would leave the chain in creation order wherever a label stands between two fields.
    const std::vector<RectControl*> order = FocusableInTabOrder(window);
    for (std::size_t i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order[i - 1]->impl().widget, order[i]->impl().widget);
    }
}

const ClassInfo& RectControl::Lookup() {
    static const ClassInfo info = MakeRectControlClass();
    return info;
}

RectControl::RectControl() : impl_(std::make_unique<Impl>()) {
    EnterUiOperation("RectControl.New");
}

RectControl::~RectControl() {
    delete impl_->widget.data();
}

void RectControl::Constructor() {
    EnterUiOperation("RectControl.Constructor");
}

void RectControl::PlaceIn(Window& window) {
    Control::PlaceIn(window);
    impl_->parent = window.impl().content;
    CreateWidget();
    impl_->ApplyGeometry();
    impl_->widget->setVisible(impl_->visible);
    impl_->widget->setAutoFillBackground(!impl_->transparent);
    ApplyFocusPolicy();
}

std::int64_t RectControl::Left() const {
    return impl_->left;
}
std::int64_t RectControl::Top() const {
    return impl_->top;
}
std::int64_t RectControl::Width() const {
    return impl_->width;
}
std::int64_t RectControl::Height() const {
    return impl_->height;
}

#define FW_GEOMETRY_SETTER(Setter, field)          \
    void RectControl::Setter(std::int64_t value) { \
        EnterUiOperation("RectControl." #field);   \
        impl_->field = value;                      \
        impl_->ApplyGeometry();                    \
    }
FW_GEOMETRY_SETTER(SetLeft, left)
FW_GEOMETRY_SETTER(SetTop, top)
FW_GEOMETRY_SETTER(SetWidth, width)
FW_GEOMETRY_SETTER(SetHeight, height)
#undef FW_GEOMETRY_SETTER

bool RectControl::Visible() const {
    return impl_->visible;
}

void RectControl::SetVisible(bool visible) {
    EnterUiOperation("RectControl.Visible");
    impl_->visible = visible;
    if (impl_->widget) {
        impl_->widget->setVisible(visible);
    }
}

bool RectControl::Enabled() const {
    return impl_->enabled;
}

void RectControl::SetEnabled(bool enabled) {
    EnterUiOperation("RectControl.Enabled");
    impl_->enabled = enabled;
    if (impl_->widget) {
        impl_->widget->setEnabled(enabled);
    }
}

std::string RectControl::Tooltip() const {
    return impl_->tooltip;
}

void RectControl::SetTooltip(std::string_view tooltip) {
    EnterUiOperation("RectControl.Tooltip");
    impl_->tooltip = tooltip;
    if (impl_->widget) {
        impl_->widget->setToolTip(ToQString(tooltip));
    }
}

std::int64_t RectControl::TabIndex() const {
    return impl_->tabIndex;
}

void RectControl::SetTabIndex(std::int64_t index) {
    EnterUiOperation("RectControl.TabIndex");
    impl_->tabIndex = index;
    if (Window* w = Owner()) {
        UpdateTabOrder(*w);
    }
}

bool RectControl::TabStop() const {
    return impl_->tabStop;
}

void RectControl::SetTabStop(bool stop) {
    EnterUiOperation("RectControl.TabStop");
    impl_->tabStop = stop;
    ApplyFocusPolicy();
}

bool RectControl::Transparent() const {
    return impl_->transparent;
}

void RectControl::SetTransparent(bool transparent) {
    EnterUiOperation("RectControl.Transparent");
    impl_->transparent = transparent;
    if (impl_->widget) {
        // A transparent control lets the window show through; an opaque one paints its background.
        impl_->widget->setAutoFillBackground(!transparent);
    }
}

void RectControl::ApplyFocusPolicy() {
    if (!impl_->widget) {
        return;
    }
    int policy = Qt::NoFocus;
    if (TakesKeyboardFocus() && impl_->tabStop) {
        policy |= Qt::TabFocus;
    }
    if (TakesClickFocus()) {
        policy |= Qt::ClickFocus;
    }
    impl_->widget->setFocusPolicy(static_cast<Qt::FocusPolicy>(policy));
    if (Window* w = Owner()) {
        UpdateTabOrder(*w);
    }
}

}  // namespace fw
