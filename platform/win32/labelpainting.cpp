// SPDX-License-Identifier: MIT
#include "labelpainting.h"

#include "formdesign.h"
#include "labellines.h"
#include "win32text.h"

namespace platform::win32 {

void paintLabel(HDC dc, const RECT &box, const ControlDesign &label, const FontDesign &windowFont,
                HFONT font)
{
    const int saved = SaveDC(dc);
    RECT sideways;
    GetClipBox(dc, &sideways);
    IntersectClipRect(dc, sideways.left, box.top, sideways.right, box.bottom);
    SelectObject(dc, font);
    if (const std::optional<Rgb> &colour = label.foreColour)
        SetTextColor(dc, RGB(colour->red, colour->green, colour->blue));
    else
        SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    TEXTMETRICW metrics;
    GetTextMetricsW(dc, &metrics);
    const UINT format = DT_NOPREFIX | DT_SINGLELINE | DT_NOCLIP |
                        (label.alignment == Alignment::Centre ? DT_CENTER : DT_LEFT);
    RECT line = box;
    for (const std::u16string &text : labelLines(label, windowFont)) {
        line.bottom = line.top + metrics.tmHeight;
        const std::wstring caption = wide(text);
        DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &line, format);
        line.top = line.bottom;
    }
    RestoreDC(dc, saved);
}

} // namespace platform::win32
