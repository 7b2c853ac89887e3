// SPDX-License-Identifier: MIT
#include "childcontrol.h"

#include "accessible.h"
#include "dpi.h"
#include "focusorder.h"
#include "formdesign.h"
#include "liveregion.h"
#include "win32text.h"

namespace platform::win32 {
namespace {

constexpr wchar_t kOwner[] = L"Velmora.Control";

} // namespace

ChildControl::ChildControl(const ControlDesign &design, std::function<void()> changed)
    : design_(design), changed_(std::move(changed))
{}

ChildControl::~ChildControl()
{
    if (window_ && IsWindow(window_))
        RemovePropW(window_, kOwner);
}

ChildControl *ChildControl::of(HWND window)
{
    return window ? static_cast<ChildControl *>(GetPropW(window, kOwner)) : nullptr;
}

void ChildControl::createWindow(const wchar_t *windowClass, DWORD style, DWORD extendedStyle,
                                HWND parent, int id, UINT dpi)
{
    style |= WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | (design_.enabled ? 0 : WS_DISABLED);
    // Each a group of its own: the arrow keys stay with the control, as Tab alone moves on.
    if (takesFocus(design_))
        style |= WS_TABSTOP | WS_GROUP;
    window_ = CreateWindowExW(extendedStyle, windowClass, wide(design_.text).c_str(), style,
                              pixelsAt(design_.left, dpi), pixelsAt(design_.top, dpi),
                              pixelsAt(design_.width, dpi), pixelsAt(design_.height, dpi), parent,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                              GetModuleHandleW(nullptr), nullptr);
    SetPropW(window_, kOwner, this);
}

void ChildControl::place(UINT dpi)
{
    SetWindowPos(window_, nullptr, pixelsAt(design_.left, dpi), pixelsAt(design_.top, dpi),
                 pixelsAt(design_.width, dpi), pixelsAt(design_.height, dpi),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT ChildControl::accessibleObject(WPARAM wParam, LPARAM lParam) const
{
    noteAccessibleObjectAsked();
    return answerGetObject(window_, wParam, lParam, wide(spokenName()), wide(design_.toolTip));
}

std::u16string ChildControl::spokenName() const
{
    return std::u16string(design_.accessibleName);
}

} // namespace platform::win32
