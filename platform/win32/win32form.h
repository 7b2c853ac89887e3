// SPDX-License-Identifier: MIT
#pragma once

#include "fontcache.h"
#include "formpictures.h"
#include "forms.h"
#include "tooltips.h"

#include <memory>
#include <vector>
#include <windows.h>

namespace platform {
struct FormDesign;
class FormTimers;
} // namespace platform

namespace platform::win32 {

class ChildControl;

// A window built with plain Win32 from its design: text boxes, buttons and picture boxes as
// child windows (one class each), and labels and the image painted by their container, as the
// old desktop drew its windowless controls. It owns its handlers and destroys them first when
// the window is destroyed; the last of our windows to close ends the message loop.
class Win32Form final : public Form
{
public:
    static Win32Form *create(const FormDesign &design);
    // The form a top-level window of ours belongs to, or none.
    static Win32Form *of(HWND window);

    void setHandlers(std::unique_ptr<Handlers> handlers);
    FormHandle handle() const;
    // The child controls that can take the focus, in the order Tab visits them.
    std::vector<const ChildControl *> focusOrder() const;

    TextBox &textBox(std::string_view name) override;
    CommandButton &commandButton(std::string_view name) override;
    PictureBox &pictureBox(std::string_view name) override;

    void onKeyPress(std::string_view textBox, std::function<void(std::int16_t &)> handler) override;
    void onChange(std::string_view textBox, std::function<void()> handler) override;
    void onClick(std::string_view button, std::function<void()> handler) override;
    void onTimer(std::string_view timer, std::function<void()> handler) override;

    void showMessageBox(std::u16string_view body, MessageBoxStyle style,
                        std::u16string_view title) override;

private:
    class WindowReference;

    explicit Win32Form(const FormDesign &design);
    ~Win32Form();

    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    void createControls();
    template <typename Kind> Kind &child(std::string_view name) const;
    void paint(HDC dc, const RECT &area);
    bool setCursor(HWND child);
    void activated(bool active);
    void changeDpi(UINT dpi, const RECT &suggested);
    void destroyed();
    // Every change to a control, the user's or a handler's, may give a resting timer work.
    void controlChanged();

    const FormDesign &design_;
    HWND window_ = nullptr;
    HWND lastFocus_ = nullptr;
    // Dots per inch of the screen the window is on; the layout, fonts and pictures follow it.
    UINT dpi_ = 96;
    FontCache fonts_;
    FormPictures pictures_;
    ToolTips toolTips_;
    std::vector<std::unique_ptr<ChildControl>> children_;
    std::unique_ptr<FormTimers> timers_;
    std::shared_ptr<FormHandle::Window> reference_;
    std::unique_ptr<Handlers> handlers_;
};

} // namespace platform::win32
