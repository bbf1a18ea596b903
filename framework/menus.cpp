#include "framework/menus.h"

#include "framework/runtime.h"

namespace fw {

namespace {

template <class T>
ClassInfo MenuClass(const char* name, const ClassInfo& base) {
    return ClassInfo{name, &base, {}, {}, [] { return std::make_unique<T>(); }};
}

}  // namespace

const ClassInfo& MenuItem::Lookup() {
    static const ClassInfo info = MenuClass<MenuItem>("MenuItem", ObjectClass());
    return info;
}

const ClassInfo& MenuBar::Lookup() {
    static const ClassInfo info = MenuClass<MenuBar>("MenuBar", MenuItem::Lookup());
    return info;
}

const ClassInfo& QuitMenuItem::Lookup() {
    static const ClassInfo info = MenuClass<QuitMenuItem>("QuitMenuItem", MenuItem::Lookup());
    return info;
}

const ClassInfo& ApplicationMenuItem::Lookup() {
    static const ClassInfo info =
        MenuClass<ApplicationMenuItem>("ApplicationMenuItem", MenuItem::Lookup());
    return info;
}

MenuItem::MenuItem() {
    EnterUiOperation("MenuItem.New");
}

void MenuItem::Constructor() {
    EnterUiOperation("MenuItem.Constructor");
}

void MenuItem::SetName(std::string_view name) {
    EnterUiOperation("MenuItem.Name");
    name_ = name;
}

void MenuItem::SetAutoEnabled(bool autoEnabled) {
    EnterUiOperation("MenuItem.AutoEnabled");
    autoEnabled_ = autoEnabled;
}

void MenuItem::SetText(std::string_view text) {
    EnterUiOperation("MenuItem.Text");
    text_ = text;
}

void MenuItem::SetVisible(bool visible) {
    EnterUiOperation("MenuItem.Visible");
    visible_ = visible;
}

void MenuItem::SetShortcut(std::string_view shortcut) {
    EnterUiOperation("MenuItem.Shortcut");
    shortcut_ = std::string(shortcut);
}

void MenuItem::AddMenu(std::shared_ptr<MenuItem> item) {
    EnterUiOperation("MenuItem.AddMenu");
    if (!item) {
        throw NilObjectException("MenuItem.AddMenu was given no item");
    }
    children_.push_back(std::move(item));
}

std::shared_ptr<MenuItem> MenuItem::Child(std::string_view name) const {
    EnterUiOperation("MenuItem.Child");
    for (const auto& child : children_) {
        if (EqualsIgnoringCase(child->Name(), name)) {
            return child;
        }
    }
    return nullptr;
}

std::shared_ptr<MenuItem> MenuItem::Lookup(std::string_view name) const {
    EnterUiOperation("MenuItem.Lookup");
    for (const auto& child : children_) {
        if (EqualsIgnoringCase(child->Name(), name)) {
            return child;
        }
        if (auto found = child->Lookup(name)) {
            return found;
        }
    }
    return nullptr;
}

std::shared_ptr<MenuItem> MenuItem::Item(std::size_t index) const {
    return index < children_.size() ? children_[index] : nullptr;
}

bool QuitMenuItem::Action() {
    Quit(0);
    return true;
}

}  // namespace fw
