// SPDX-License-Identifier: MIT
#include "autor.h"
#include "formdesign.h"
#include "labellines.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

const platform::ControlDesign &control(std::string_view name)
{
    const platform::FormDesign &design = Autor::design();
    return *std::find_if(design.controls.begin(), design.controls.end(),
                         [name](const platform::ControlDesign &c) { return c.name == name; });
}

} // namespace

// The runs of blanks push the rights line and the address onto lines of their own, and the
// author line, nearly as wide as the label, stays whole.
TEST(CreditsLabel, ShowsTheAuthorTheRightsAndTheAddressOneALine)
{
    const platform::ControlDesign &label2 = control("Label2");
    const std::vector<std::u16string> lines = platform::labelLines(label2, Autor::design().font);
    const std::vector<std::u16string> expected = {u"Creado por: Equipo de código Velmora",
                                                  u"© 2026 Todos los derechos reservados.",
                                                  u"velmora.example"};
    EXPECT_EQ(lines, expected);
}
