// SPDX-License-Identifier: MIT
#pragma once

#include "formdesign.h"
#include "forms.h"
#include "picture.h"

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>
#include <windows.h>

namespace platform {
class RestingTimer;
}

namespace platform::win32 {

// A window built with plain Win32 from its design: edit and button controls as child windows,
// picture boxes as child windows of their own class, and labels and the image painted by their
// container, as the old desktop drew its windowless controls. It owns its handlers and
// destroys them first when the window is destroyed.
class Win32Form final : public Form
{
public:
    static Win32Form *create(const FormDesign &design);
    // The form a top-level window of ours belongs to, or none.
    static Win32Form *of(HWND window);

    void setHandlers(std::unique_ptr<Handlers> handlers);
    FormHandle handle() const;

    TextBox &textBox(std::string_view name) override;
    CommandButton &commandButton(std::string_view name) override;
    PictureBox &pictureBox(std::string_view name) override;

    void onKeyPress(std::string_view textBox, std::function<void(std::int16_t &)> handler) override;
    void onChange(std::string_view textBox, std::function<void()> handler) override;
    void onClick(std::string_view button, std::function<void()> handler) override;
    void onTimer(std::string_view timer, std::function<void()> handler) override;

    void showMessageBox(std::u16string_view body, MessageBoxStyle style,
                        std::u16string_view title) override;

    // Tab, Shift+Tab and Enter on a button, in any of our windows; true if the message was used.
    static bool navigate(const MSG &message);

private:
    struct Control;
    class TextBoxControl;
    class ButtonControl;
    class PictureBoxControl;
    class WindowReference;

    explicit Win32Form(const FormDesign &design);
    ~Win32Form();

    static LRESULT CALLBACK formProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK pictureBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK controlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR id, DWORD_PTR control);
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    void createControls();
    HWND createChild(Control &control);
    void createToolTips();
    void addToolTip(const Control &control);
    HFONT font(const std::optional<FontDesign> &design);
    int pixels(int twips) const;
    void loadPictures();
    void changeDpi(UINT dpi, const RECT &suggested);
    void paintClient(HDC dc, const RECT &area);
    void paintContents(HDC dc, std::string_view container);
    std::u16string heldCaptions(std::string_view container) const;
    Control &control(std::string_view name, ControlKind kind);
    Control *controlOf(HWND child);
    void moveFocus(bool backward);
    void destroyed();
    // Every change to a control, the user's or a handler's, may give a resting timer work.
    void controlChanged();

    const FormDesign &design_;
    HWND window_ = nullptr;
    HWND toolTips_ = nullptr;
    HWND lastFocus_ = nullptr;
    // Dots per inch of the screen the window is on; the layout, fonts and pictures follow it.
    UINT dpi_ = 96;
    BitmapResource background_;
    // 2 where the background is the 2x picture.
    int backgroundScale_ = 1;
    HCURSOR pointer_ = nullptr;
    std::vector<std::unique_ptr<Control>> controls_;
    std::vector<std::pair<FontDesign, HFONT>> fonts_;
    std::vector<int> subscriptions_;
    std::map<UINT_PTR, std::function<void()>> slowTimers_;
    std::vector<std::unique_ptr<RestingTimer>> timers_;
    std::shared_ptr<WindowReference> reference_;
    std::unique_ptr<Handlers> handlers_;
};

} // namespace platform::win32
