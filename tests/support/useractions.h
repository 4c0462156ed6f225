#pragma once

#include <QString>

class QComboBox;
class QLineEdit;
class QWidget;

// What a user does with the mouse and keyboard, for the widget tests. Each
// tells whether the control took the focus and now shows `text`.

// Clicks into the box, selects what it holds and types `text` over it (or
// deletes it when `text` is empty).
[[nodiscard]] bool typeInto(QLineEdit& box, const QString& text);

// Clicks into the combo box; a list item is then picked with the arrow keys,
// any other text is typed over what the box holds.
[[nodiscard]] bool chooseItem(QComboBox& combo, const QString& text);

// Types `text` key by key into the focused `widget`, non-Latin characters
// included.
void typeText(QWidget& widget, const QString& text);
