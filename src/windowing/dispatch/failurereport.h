// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace windowing {

// Where every failure that no handler catches ends: the user is told what
// failed, and the program goes on with everything as the handler left it.
class FailureReport {
public:
    virtual ~FailureReport() = default;
    virtual void report(const QString& whatFailed) = 0;
};

} // namespace windowing
