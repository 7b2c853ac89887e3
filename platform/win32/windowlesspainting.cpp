// SPDX-License-Identifier: MIT
#include "windowlesspainting.h"

#include "dpi.h"
#include "fontcache.h"
#include "formdesign.h"
#include "formpictures.h"
#include "labelpainting.h"

namespace platform::win32 {

void paintWindowless(HDC dc, const FormDesign &form, std::string_view container, UINT dpi,
                     FontCache &fonts, const FormPictures &pictures)
{
    SetBkMode(dc, TRANSPARENT);
    for (auto control = form.controls.rbegin(); control != form.controls.rend(); ++control) {
        if (control->container != container)
            continue;
        const RECT box{pixelsAt(control->left, dpi), pixelsAt(control->top, dpi),
                       pixelsAt(control->left + control->width, dpi),
                       pixelsAt(control->top + control->height, dpi)};
        if (control->kind == ControlKind::Image && control->picture == Picture::Background)
            pictures.paintBackground(dc, box);
        else if (control->kind == ControlKind::Label)
            paintLabel(dc, box, *control, form.font,
                       fonts.font(control->font.value_or(form.font), dpi));
    }
}

} // namespace platform::win32
