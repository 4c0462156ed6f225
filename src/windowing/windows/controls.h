// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>
#include <QPushButton>

namespace windowing {

// A command button. Return and the keypad's Enter press it when it has the
// focus, as on every desktop; Qt's own button takes them only as a window's
// default button, and no window has one.
class CommandButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// A text box. Reached by Tab, Shift+Tab or an access key it selects what it
// holds, so that typing replaces it; but only once its focus has gone out to
// a screen reader, which would otherwise hear the selection first, and at
// times never the box's name. A key typed before then still replaces what it
// held.
class TextBox : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void selectPending();

    bool m_selectAll = false;
};

} // namespace windowing
