#include "app/messagebox.h"

#include "app/identity.h"

#include <QMessageBox>

namespace app {

void ModalMessageBox::show(const QString& prompt) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(identity::title), prompt,
                    QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace app
