#pragma once

#include <QString>

namespace app {

// The application's message box: a prompt with one OK button, no icon, the
// application title as caption, modal for the whole application. Handlers wait
// until it is dismissed. Tests put a recording one in its place.
class MessageBox {
public:
    virtual ~MessageBox() = default;
    virtual void show(const QString& prompt) = 0;
};

class ModalMessageBox final : public MessageBox {
public:
    void show(const QString& prompt) override;
};

} // namespace app
