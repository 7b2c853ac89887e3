// SPDX-License-Identifier: MIT
#include "autor.h"
#include "creditstexts.h"
#include "formdesign.h"

#include <array>

namespace {

using namespace platform;

constexpr Rgb kBlack{0, 0, 0};

} // namespace

const platform::FormDesign &Autor::design()
{
    static const std::array kControls = {
        ControlDesign{
            .name = "Timer1", .kind = ControlKind::Timer, .left = 3600, .top = 3240, .interval = 1},
        // Covers the whole client area with room to spare.
        ControlDesign{.name = "Picture1",
                      .kind = ControlKind::PictureBox,
                      .left = 0,
                      .top = -120,
                      .width = 4095,
                      .height = 4095,
                      .backColour = kBlack,
                      .tabIndex = 0},
        // Starts 120 twips above the client area's bottom edge, the title just below it.
        ControlDesign{.name = "Picture2",
                      .kind = ControlKind::PictureBox,
                      .container = "Picture1",
                      .left = 120,
                      .top = 2040,
                      .width = 3855,
                      .height = 1455,
                      .backColour = kBlack,
                      .tabIndex = 1},
        ControlDesign{.name = "Label1",
                      .kind = ControlKind::Label,
                      .container = "Picture2",
                      .left = 120,
                      .top = 120,
                      .width = 3615,
                      .height = 255,
                      .text = u".: Velmora :.",
                      .font = FontDesign{u"MS Sans Serif", 8.25, true},
                      .foreColour = Rgb{255, 255, 192},
                      .alignment = Alignment::Centre,
                      .tabIndex = 3},
        ControlDesign{.name = "Label2",
                      .kind = ControlKind::Label,
                      .container = "Picture2",
                      .left = 480,
                      .top = 480,
                      .width = 2895,
                      .height = 1035,
                      .text = creditsText(),
                      .foreColour = Rgb{255, 255, 255},
                      .wordWrap = true,
                      .tabIndex = 2},
    };
    static const FormDesign kDesign{
        .name = "Autor",
        .title = creditsTitle(),
        .clientWidth = 4080,
        .clientHeight = 2040,
        .border = Border::FixedToolWindow,
        .font = {u"MS Sans Serif", 8},
        .backColour = kBlack,
        .controls = kControls,
    };
    return kDesign;
}
