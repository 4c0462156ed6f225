// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "windowing/dispatch/failurereport.h"

namespace app {

// The default failure report: a warning box that says what failed and that
// nothing typed was lost.
class ModalFailureReport final : public windowing::FailureReport {
public:
    void report(const QString& whatFailed) override;
};

} // namespace app
