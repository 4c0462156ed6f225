// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowing/windows/formdescription.h"

#include <algorithm>

namespace windowing {

const ControlDescription* FormDescription::control(const QString& controlName) const {
    const auto it =
        std::find_if(controls.begin(), controls.end(),
                     [&](const ControlDescription& c) { return c.name == controlName; });
    return it == controls.end() ? nullptr : &*it;
}

} // namespace windowing
