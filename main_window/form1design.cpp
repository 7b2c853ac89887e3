// SPDX-License-Identifier: MIT
#include "form1.h"
#include "formdesign.h"

namespace {

using namespace platform;

constexpr FontDesign kArialBold{u"Arial", 9.75, true};
constexpr Rgb kWhite{255, 255, 255};

constexpr ControlDesign kControls[] = {
    {.name = "Command2",
     .kind = ControlKind::CommandButton,
     .left = 6120,
     .top = 2520,
     .width = 615,
     .height = 375,
     .text = u"Autor",
     .pointer = MousePointer::PointingHand,
     .toolTip = u"Créditos del autor",
     .tabIndex = 6},
    {.name = "Command1",
     .kind = ControlKind::CommandButton,
     .left = 4200,
     .top = 1680,
     .width = 1455,
     .height = 375,
     .text = u"Copiar resultado",
     .pointer = MousePointer::PointingHand,
     .toolTip = u"Copia el resultado completo al portapapeles, para pegar use CTRL+V",
     .tabIndex = 5,
     .enabled = false},
    {.name = "Timer1", .kind = ControlKind::Timer, .left = 120, .top = 3840, .interval = 5},
    // Below the client area: never seen, but it holds the full identifier and takes the focus.
    {.name = "Text3",
     .kind = ControlKind::TextBox,
     .left = 2520,
     .top = 3960,
     .width = 1935,
     .height = 285,
     .accessibleName = u"DNI completo",
     .tabIndex = 4},
    {.name = "Text2",
     .kind = ControlKind::TextBox,
     .left = 5640,
     .top = 1080,
     .width = 495,
     .height = 285,
     .font = kArialBold,
     .pointer = MousePointer::Arrow,
     .accessibleName = u"Letra",
     .liveRegion = true,
     .tabIndex = 1,
     .locked = true},
    {.name = "Text1",
     .kind = ControlKind::TextBox,
     .left = 3720,
     .top = 1080,
     .width = 1935,
     .height = 285,
     .font = kArialBold,
     .toolTip = u"Introduzca el número del DNI",
     .accessibleName = u"Número",
     .tabIndex = 0,
     .maxLength = 8},
    {.name = "Label2",
     .kind = ControlKind::Label,
     .left = 5640,
     .top = 840,
     .width = 855,
     .height = 255,
     .text = u"Letra ",
     .foreColour = kWhite,
     .tabIndex = 3},
    {.name = "Label1",
     .kind = ControlKind::Label,
     .left = 3720,
     .top = 840,
     .width = 1695,
     .height = 255,
     .text = u"Número",
     .foreColour = kWhite,
     .tabIndex = 2},
    // Larger than the client area; only its top-left part shows.
    {.name = "Image1",
     .kind = ControlKind::Image,
     .width = 7635,
     .height = 3870,
     .picture = Picture::Background},
};

} // namespace

const platform::FormDesign &Form1::design()
{
    static constexpr FormDesign kDesign{
        .name = "Form1",
        .title = u"Calculadora de letra DNI o NIF    .:Velmora:.",
        .clientWidth = 6735,
        .clientHeight = 2895,
        .border = Border::FixedSingle,
        .font = {u"MS Sans Serif", 8},
        .backColour = {},
        .controls = kControls,
    };
    return kDesign;
}
