// SPDX-License-Identifier: MIT
#include "controlnames.h"

#include "formdesign.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace platform {

const ControlDesign &controlNamed(const FormDesign &design, std::string_view name)
{
    const auto found = std::find_if(design.controls.begin(), design.controls.end(),
                                    [name](const ControlDesign &c) { return c.name == name; });
    if (found == design.controls.end())
        noSuchControl(design.name, name);
    return *found;
}

void noSuchControl(std::string_view form, std::string_view name)
{
    std::fprintf(stderr, "%.*s has no control %.*s of that kind\n", static_cast<int>(form.size()),
                 form.data(), static_cast<int>(name.size()), name.data());
    std::abort();
}

} // namespace platform
