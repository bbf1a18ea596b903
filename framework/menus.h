#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/object.h"

namespace fw {

// A menu or menu item: a plain tree that holds no toolkit object. A window whose menu bar is set
// shows the tree as its menus and routes each chosen item, by name, to the handler bound under that
// name.
class MenuItem : public Object {
  public:
    static const ClassInfo& Lookup();
    const ClassInfo& Class() const override { return Lookup(); }

    MenuItem();

    // The default constructor: a new, empty item.
    void Constructor();

    const std::string& Name() const { return name_; }
    void SetName(std::string_view name);
    bool AutoEnabled() const { return autoEnabled_; }
    void SetAutoEnabled(bool autoEnabled);
    // The caption; "&" marks the mnemonic letter and "-" makes a separator.
    const std::string& Text() const { return text_; }
    void SetText(std::string_view text);
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    // The shortcut text ("Cmd+Q"); empty when none was ever assigned.
    std::string Shortcut() const { return shortcut_.value_or(std::string()); }
    bool ShortcutAssigned() const { return shortcut_.has_value(); }
    void SetShortcut(std::string_view shortcut);

    bool IsSeparator() const { return text_ == "-"; }

    // Appends the item as the last child.
    void AddMenu(std::shared_ptr<MenuItem> item);
    // The direct child of that name, or nothing.
    std::shared_ptr<MenuItem> Child(std::string_view name) const;
    // The item of that name anywhere below this one, or nothing.
    std::shared_ptr<MenuItem> Lookup(std::string_view name) const;
    std::size_t Count() const { return children_.size(); }
    std::shared_ptr<MenuItem> Item(std::size_t index) const;

    // The item's own action, for a command that no window handled; answers whether it acted.
    virtual bool Action() { return false; }

  private:
    std::string name_;
    bool autoEnabled_ = false;
    std::string text_;
    bool visible_ = true;
    std::optional<std::string> shortcut_;
    std::vector<std::shared_ptr<MenuItem>> children_;
};

class MenuBar : public MenuItem {
  public:
    static const ClassInfo& Lookup();
    using MenuItem::Lookup;
    const ClassInfo& Class() const override { return Lookup(); }
};

// The Quit command: when no window handles it, its own action quits with exit code 0.
class QuitMenuItem : public MenuItem {
  public:
    static const ClassInfo& Lookup();
    using MenuItem::Lookup;
    const ClassInfo& Class() const override { return Lookup(); }
    bool Action() override;
};

// The About command, which a platform may move into its application menu.
class ApplicationMenuItem : public MenuItem {
  public:
    static const ClassInfo& Lookup();
    using MenuItem::Lookup;
    const ClassInfo& Class() const override { return Lookup(); }
};

}  // namespace fw
