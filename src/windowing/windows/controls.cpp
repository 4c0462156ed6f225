// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowing/windows/controls.h"

#include <QKeyEvent>
#include <QTimer>

#include <utility>

namespace windowing {

void CommandButton::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void TextBox::focusInEvent(QFocusEvent* event) {
    const Qt::FocusReason reason = event->reason();
    if (reason != Qt::TabFocusReason && reason != Qt::BacktabFocusReason &&
        reason != Qt::ShortcutFocusReason)
        return QLineEdit::focusInEvent(event);
    QFocusEvent unselected(QEvent::FocusIn, Qt::OtherFocusReason);
    QLineEdit::focusInEvent(&unselected);
    m_selectAll = true;
    QTimer::singleShot(0, this, [this] { selectPending(); });
}

void TextBox::keyPressEvent(QKeyEvent* event) {
    selectPending();
    QLineEdit::keyPressEvent(event);
}

void TextBox::mousePressEvent(QMouseEvent* event) {
    m_selectAll = false; // the click places the cursor
    QLineEdit::mousePressEvent(event);
}

void TextBox::selectPending() {
    if (std::exchange(m_selectAll, false) && hasFocus())
        selectAll();
}

} // namespace windowing
