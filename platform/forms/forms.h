// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

// What a window's handlers see of the window and its controls, whatever the toolkit behind
// them. A backend builds each window from its design (formdesign.h) and implements these.
namespace platform {

struct FormDesign;

// A property set to the value it already has is no change: nothing is redrawn, announced to
// screen readers or woken (the full identifier is rewritten on every tick). A backend applies
// only real changes, and tells its window's resting timers of them.
class TextBox
{
public:
    virtual std::u16string text() const = 0;
    void setText(std::u16string_view text)
    {
        if (text != this->text())
            replaceText(text);
    }

protected:
    ~TextBox() = default;
    virtual void replaceText(std::u16string_view text) = 0;
};

class CommandButton
{
public:
    void setEnabled(bool enabled)
    {
        if (enabled != this->enabled())
            changeEnabled(enabled);
    }

protected:
    ~CommandButton() = default;
    virtual bool enabled() const = 0;
    virtual void changeEnabled(bool enabled) = 0;
};

// Top and ScaleHeight in twips, as 32-bit floats: the twips value is the truth, and the
// control sits at its nearest whole pixel.
class PictureBox
{
public:
    virtual float top() const = 0;
    void setTop(float twips)
    {
        if (twips != top())
            moveTop(twips);
    }
    virtual float scaleHeight() const = 0;

protected:
    ~PictureBox() = default;
    virtual void moveTop(float twips) = 0;
};

// The icon and buttons of a message box, by the values the desktop's message-box call takes.
enum class MessageBoxStyle {
    Warning = 48,     // exclamation icon, OK button
    Information = 64, // information icon, OK button
};

// A loaded window: its controls by name, and the events its handlers are connected to.
// A name that the design does not hold is a programming error and stops the program.
class Form
{
public:
    virtual TextBox &textBox(std::string_view name) = 0;
    virtual CommandButton &commandButton(std::string_view name) = 0;
    virtual PictureBox &pictureBox(std::string_view name) = 0;

    // Raised for each character about to enter the text box; a code set to 0 is not inserted.
    virtual void onKeyPress(std::string_view textBox, std::function<void(std::int16_t &)>) = 0;
    // Raised after every change of the text box's text, whatever its source.
    virtual void onChange(std::string_view textBox, std::function<void()>) = 0;
    virtual void onClick(std::string_view button, std::function<void()>) = 0;
    // Raised every interval of the timer, from load until unload.
    virtual void onTimer(std::string_view timer, std::function<void()>) = 0;

    // A modal box over this window; returns when the user dismisses it. Timers keep ticking.
    virtual void showMessageBox(std::u16string_view body, MessageBoxStyle style,
                                std::u16string_view title) = 0;

protected:
    ~Form() = default;
};

// A window's handlers; they live exactly as long as the window is loaded.
class Handlers
{
public:
    virtual ~Handlers() = default;
};

// A weak reference to a loaded window: it reads as unloaded once the user has closed it.
class FormHandle
{
public:
    class Window
    {
    public:
        virtual ~Window() = default;
        // Visible and active, restored if it was minimised; the caller returns at once.
        virtual void showModeless() = 0;
    };

    FormHandle() = default;
    explicit FormHandle(std::weak_ptr<Window> window) : window_(std::move(window)) {}

    bool isLoaded() const { return !window_.expired(); }
    void showModeless() const
    {
        if (const auto window = window_.lock())
            window->showModeless();
    }

private:
    std::weak_ptr<Window> window_;
};

using HandlersFactory = std::function<std::unique_ptr<Handlers>(Form &)>;

// Builds the window from its design, with no owner, then its handlers; does not show it.
// The window unloads itself, handlers first, when the user closes it; the program ends when
// no window is left.
FormHandle loadForm(const FormDesign &design, const HandlersFactory &makeHandlers);

template <typename Window> FormHandle load()
{
    return loadForm(Window::design(), [](Form &form) { return std::make_unique<Window>(form); });
}

} // namespace platform
