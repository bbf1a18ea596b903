#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/rect_control.h"

namespace fw {

class Picture;

// A designed font: "System" is the platform's interface font and size 0 its default size; other
// sizes are pixel sizes, so that one designed point is one device-independent pixel.
struct DesignedFont {
    std::string name = "System";
    double size = 0.0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

// A control that draws text in a designed font.
class TextControl : public RectControl {
  public:
    std::string FontName() const { return font_.name; }
    void SetFontName(std::string_view name);
    double FontSize() const { return font_.size; }
    void SetFontSize(double size);
    bool Bold() const { return font_.bold; }
    void SetBold(bool bold);
    bool Italic() const { return font_.italic; }
    void SetItalic(bool italic);
    bool Underline() const { return font_.underline; }
    void SetUnderline(bool underline);
    Color TextColor() const { return textColor_; }
    void SetTextColor(Color color);

  protected:
    virtual void ApplyTextColor() {}
    void ApplyFont();

  private:
    DesignedFont font_;
    Color textColor_{};
};

// The font properties every text control declares.
std::vector<PropertyInfo> TextControlProperties();

// Static text. Its Text is kept as given; only the display turns carriage returns into line breaks.
class Label : public TextControl {
  public:
    using MouseDownHandler = std::function<bool(Label&, std::int64_t x, std::int64_t y)>;

    static const ClassInfo& Lookup();
    const ClassInfo& Class() const override { return Lookup(); }

    const std::string& Text() const { return text_; }
    void SetText(std::string_view text);
    const std::string& Value() const { return text_; }
    void SetValue(std::string_view text) { SetText(text); }
    // 2 centred, 3 right-aligned, anything else left; reads back 1 for left.
    std::int64_t TextAlignment() const { return alignment_; }
    void SetTextAlignment(std::int64_t alignment);
    bool MultiLine() const { return multiLine_; }
    void SetMultiLine(bool multiLine);
    bool Selectable() const { return selectable_; }
    void SetSelectable(bool selectable);

    // The handler answers whether it consumed the click.
    void OnMouseDown(MouseDownHandler handler) { mouseDown_ = std::move(handler); }
    bool RaiseMouseDown(std::int64_t x, std::int64_t y);

  protected:
    void CreateWidget() override;
    void ApplyTextColor() override;
    // A selectable label takes the focus from a click, so that its selection can be copied.
    bool TakesClickFocus() const override { return selectable_; }

  private:
    std::string text_;
    std::int64_t alignment_ = 1;
    bool multiLine_ = false;
    bool selectable_ = false;
    MouseDownHandler mouseDown_;
};

// The editable-text properties shared by text controls.
class TextEdit : public TextControl {
  public:
    static const ClassInfo& Lookup();
    const ClassInfo& Class() const override { return Lookup(); }
};

// A one-line text field.
class TextField : public TextEdit {
  public:
    using KeyDownHandler = std::function<bool(TextField&, const std::string& key)>;

    static const ClassInfo& Lookup();
    const ClassInfo& Class() const override { return Lookup(); }

    std::string Text() const;
    void SetText(std::string_view text);
    std::string Value() const { return Text(); }
    void SetValue(std::string_view text) { SetText(text); }
    std::int64_t TextAlignment() const { return alignment_; }
    void SetTextAlignment(std::int64_t alignment);
    Color BackgroundColor() const { return backgroundColor_; }
    void SetBackgroundColor(Color color);
    bool HasBorder() const { return hasBorder_; }
    void SetHasBorder(bool hasBorder);
    bool Password() const { return password_; }
    void SetPassword(bool password);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool readOnly);
    std::string Hint() const { return hint_; }
    void SetHint(std::string_view hint);
    // 0: no limit.
    std::int64_t MaximumCharactersAllowed() const { return maximumCharacters_; }
    void SetMaximumCharactersAllowed(std::int64_t maximum);

    // The handler gets the key's text (a carriage return for Return and Enter) and answers whether
    // it consumed the key; a key it leaves goes on to the field.
    void OnKeyDown(KeyDownHandler handler) { keyDown_ = std::move(handler); }
    bool RaiseKeyDown(const std::string& key);

    bool TakesFocusWhenOpened() const override { return true; }

  protected:
    void CreateWidget() override;
    void ApplyTextColor() override;
    bool TakesKeyboardFocus() const override { return true; }

  private:
    void ApplyPalette();

    std::int64_t alignment_ = 0;
    Color backgroundColor_ = Color::FromRgb(255, 255, 255);
    bool hasBorder_ = true;
    bool password_ = false;
    bool readOnly_ = false;
    std::string hint_;
    std::int64_t maximumCharacters_ = 0;
    KeyDownHandler keyDown_;
};

class PushButton : public TextControl {
  public:
    using ActionHandler = std::function<void(PushButton&)>;

    static const ClassInfo& Lookup();
    const ClassInfo& Class() const override { return Lookup(); }

    std::string Caption() const { return caption_; }
    void SetCaption(std::string_view caption);
    // The window's default button answers Return (and the keypad's Enter) that no control took
    // for itself; its cancel button answers Escape likewise.
    bool Default() const { return default_; }
    void SetDefault(bool isDefault);
    bool Cancel() const { return cancel_; }
    void SetCancel(bool isCancel);

    void OnAction(ActionHandler handler) { action_ = std::move(handler); }
    void RaiseAction();

  protected:
    void CreateWidget() override;
    // Tab reaches a button, but a click leaves the focus where the user was typing.
    bool TakesKeyboardFocus() const override { return true; }
    bool TakesClickFocus() const override { return false; }

  private:
    void WatchWindowKeys();
    std::string caption_;
    bool default_ = false;
    bool cancel_ = false;
    ActionHandler action_;
};

// A drawing area that shows its backdrop picture at its top left corner.
class Canvas : public RectControl {
  public:
    using MouseDownHandler = std::function<bool(Canvas&, std::int64_t x, std::int64_t y)>;

    static const ClassInfo& Lookup();
    const ClassInfo& Class() const override { return Lookup(); }

    std::shared_ptr<Picture> Backdrop() const { return backdrop_; }
    void SetBackdrop(std::shared_ptr<Picture> picture);
    bool AllowFocus() const { return allowFocus_; }
    void SetAllowFocus(bool allow);

    void OnMouseDown(MouseDownHandler handler) { mouseDown_ = std::move(handler); }
    bool RaiseMouseDown(std::int64_t x, std::int64_t y);

  protected:
    void CreateWidget() override;
    bool TakesKeyboardFocus() const override { return allowFocus_; }

  private:
    std::shared_ptr<Picture> backdrop_;
    bool allowFocus_ = false;
    MouseDownHandler mouseDown_;
};

}  // namespace fw
