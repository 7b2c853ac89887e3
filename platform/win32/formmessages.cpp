// SPDX-License-Identifier: MIT
// The messages a window of ours receives, each sent on to a small function; a notification
// from a child goes to the control that owns it.
#include "childcontrol.h"
#include "formdesign.h"
#include "formtimers.h"
#include "navigation.h"
#include "stacking.h"
#include "win32form.h"
#include "windowlesspainting.h"

namespace platform::win32 {
namespace {

int openForms = 0;

} // namespace

LRESULT CALLBACK Win32Form::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto *form = static_cast<Win32Form *>(
            reinterpret_cast<const CREATESTRUCTW *>(lParam)->lpCreateParams);
        form->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
        ++openForms;
    }
    auto *form = reinterpret_cast<Win32Form *>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!form)
        return DefWindowProcW(window, message, wParam, lParam);
    return form->handleMessage(message, wParam, lParam);
}

LRESULT Win32Form::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        createControls();
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window_, &paint);
        this->paint(dc, paint.rcPaint);
        EndPaint(window_, &paint);
        return 0;
    }
    case WM_PRINTCLIENT: {
        // What screenshots of the window (PrintWindow) and its animations draw from.
        RECT client;
        GetClientRect(window_, &client);
        paint(reinterpret_cast<HDC>(wParam), client);
        return 0;
    }
    case WM_CTLCOLORSTATIC:
        // A locked text box keeps the look of an editable one.
        if (const ChildControl *control = ChildControl::of(reinterpret_cast<HWND>(lParam));
            control && control->design().kind == ControlKind::TextBox) {
            SetBkColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_WINDOW));
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
        }
        break;
    case WM_COMMAND:
        if (ChildControl *control = ChildControl::of(reinterpret_cast<HWND>(lParam))) {
            control->notified(HIWORD(wParam));
            return 0;
        }
        break;
    case WM_SETCURSOR:
        toolTips_.makeOnce(window_, children_);
        if (setCursor(reinterpret_cast<HWND>(wParam)))
            return TRUE;
        break;
    case WM_DPICHANGED:
        changeDpi(HIWORD(wParam), *reinterpret_cast<const RECT *>(lParam));
        return 0;
    case WM_ACTIVATE:
        activated(LOWORD(wParam) != WA_INACTIVE);
        return 0;
    case DM_GETDEFID:
        return focusedButtonAsDefault();
    case WM_DESTROY:
        destroyed();
        return 0;
    case WM_NCDESTROY:
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        delete this;
        // The program ends when its last window has closed.
        if (--openForms == 0)
            PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

// The window's own background, and the picture and labels drawn on it.
void Win32Form::paint(HDC dc, const RECT &area)
{
    const std::optional<Rgb> &colour = design_.backColour;
    HBRUSH brush = colour ? CreateSolidBrush(RGB(colour->red, colour->green, colour->blue))
                          : GetSysColorBrush(COLOR_BTNFACE);
    FillRect(dc, &area, brush);
    if (colour)
        DeleteObject(brush);
    paintWindowless(dc, design_, {}, dpi_, fonts_, pictures_);
}

// The design's pointer over a child: the pointing hand, or the arrow over a text box.
bool Win32Form::setCursor(HWND child)
{
    const ChildControl *control = ChildControl::of(child);
    if (!control)
        return false;
    switch (control->design().pointer) {
    case MousePointer::PointingHand:
        SetCursor(pictures_.pointingHand());
        return true;
    case MousePointer::Arrow:
        SetCursor(LoadCursorW(nullptr, IDC_ARROW));
        return true;
    case MousePointer::Default:
        break;
    }
    return false;
}

// Like a dialog, the window gives the focus back to the control that last had it.
void Win32Form::activated(bool active)
{
    if (!active) {
        if (const HWND focus = GetFocus(); focus && IsChild(window_, focus))
            lastFocus_ = focus;
    } else if (lastFocus_) {
        SetFocus(lastFocus_);
    }
}

// The window moved to a screen of another density, or the screen's changed: the same design
// laid out again at the new one, in the rectangle the system suggests.
void Win32Form::changeDpi(UINT dpi, const RECT &suggested)
{
    dpi_ = dpi;
    // The controls keep drawing with the old fonts until they have the new ones.
    const FontCache oldFonts = fonts_.takeAll();
    pictures_.load(dpi);
    pictures_.showIcons(window_);
    for (const std::unique_ptr<ChildControl> &control : children_) {
        control->place(dpi);
        const FontDesign &font = control->design().font.value_or(design_.font);
        SendMessageW(control->window(), WM_SETFONT,
                     reinterpret_cast<WPARAM>(fonts_.font(font, dpi)), TRUE);
    }
    stackChildren(focusOrder(), children_);
    SetWindowPos(window_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(window_, nullptr, TRUE);
}

void Win32Form::destroyed()
{
    timers_.reset();
    // The handlers go first, while the controls they hold still exist.
    handlers_.reset();
}

} // namespace platform::win32
