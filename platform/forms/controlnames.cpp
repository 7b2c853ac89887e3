// SPDX-License-Identifier: MIT
#include "controlnames.h"

#include "formdesign.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace platform {

const ControlDesign &designOf(const FormDesign &form, std::string_view name, ControlKind kind)
{
    const auto found =
        std::find_if(form.controls.begin(), form.controls.end(), [&](const ControlDesign &control) {
            return control.name == name && control.kind == kind;
        });
    if (found == form.controls.end())
        noSuchControl(form.name, name);
    return *found;
}

void noSuchControl(std::string_view form, std::string_view name)
{
    std::fprintf(stderr, "%.*s has no control %.*s of that kind\n", static_cast<int>(form.size()),
                 form.data(), static_cast<int>(name.size()), name.data());
    std::abort();
}

} // namespace platform
