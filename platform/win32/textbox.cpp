// SPDX-License-Identifier: MIT
#include "textbox.h"

#include "formdesign.h"
#include "liveannouncement.h"
#include "win32text.h"

#include <commctrl.h>

namespace platform::win32 {

TextBoxControl::TextBoxControl(const ControlDesign &design, HWND parent, int id, UINT dpi,
                               std::function<void()> changed)
    : ChildControl(design, std::move(changed)), announcement_(design.accessibleName)
{
    createWindow(WC_EDITW, ES_AUTOHSCROLL | (design.locked ? ES_READONLY : 0), WS_EX_CLIENTEDGE,
                 parent, id, dpi);
    // No limit is the control's largest.
    SendMessageW(window(), EM_LIMITTEXT, static_cast<WPARAM>(design.maxLength), 0);
    SetWindowSubclass(window(), subclassProc, 0, reinterpret_cast<DWORD_PTR>(this));
}

std::u16string TextBoxControl::text() const
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window())) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window(), text.data(), static_cast<int>(text.size()))));
    return utf16(text);
}

void TextBoxControl::replaceText(std::u16string_view text)
{
    SetWindowTextW(window(), wide(text).c_str());
    if (design().liveRegion && announcement_.textChanged(text))
        liveRegion_.changed(window());
}

// Screen readers speak a live region's name when it changes: "Letra Z", not "Letra".
std::u16string TextBoxControl::spokenName() const
{
    if (!design().liveRegion)
        return ChildControl::spokenName();
    return liveRegionWords(ChildControl::spokenName(), text());
}

void TextBoxControl::notified(WORD code)
{
    if (code != EN_CHANGE)
        return;
    if (change_)
        change_();
    changed();
}

// The key filter and the paste rule, and the field's name and description for screen readers:
// the painted caption above it is not tied to it.
LRESULT CALLBACK TextBoxControl::subclassProc(HWND window, UINT message, WPARAM wParam,
                                              LPARAM lParam, UINT_PTR, DWORD_PTR self)
{
    auto *box = reinterpret_cast<TextBoxControl *>(self);
    if (const auto result = box->input_.handle(window, message, wParam, lParam, box->keyPress_))
        return *result;
    if (message == WM_GETOBJECT) {
        if (LRESULT object = box->accessibleObject(wParam, lParam))
            return object;
    }
    if (message == WM_NCDESTROY)
        RemoveWindowSubclass(window, subclassProc, 0);
    return DefSubclassProc(window, message, wParam, lParam);
}

} // namespace platform::win32
