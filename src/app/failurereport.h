#pragma once

#include <QString>

namespace app {

// Where every failure that no handler catches ends: the user is told what
// failed, and the program goes on with everything as the handler left it.
class FailureReport {
public:
    virtual ~FailureReport() = default;
    virtual void report(const QString& whatFailed) = 0;
};

class ModalFailureReport final : public FailureReport {
public:
    void report(const QString& whatFailed) override;
};

} // namespace app
