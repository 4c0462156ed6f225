// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace windowing {

// Positions and sizes in a description are twips; at 96 dpi a logical pixel
// is 15 twips, and Qt's high-DPI scaling takes it from there.
inline constexpr int twipsPerPixel = 15;
constexpr int twipsToPixels(int twips) {
    return (twips + twipsPerPixel / 2) / twipsPerPixel;
}

enum class ControlKind { Label, TextBox, ComboBox, CommandButton, WebBrowser };

struct ControlFont {
    QString family;
    double pointSize = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
};

// One control of a window: what the windowing layer needs to build it.
// Written with designated initialisers, so that every number says what it is.
struct ControlDescription {
    ControlKind kind = ControlKind::Label;
    QString name;
    QString caption = {}; // the caption of a label or button, the initial text of a box
    std::optional<ControlFont> font = {};
    std::optional<Rgb> foreColor = {};
    QStringList items = {};  // list items of a combo box, in list order
    QString pageScript = {}; // a web pane's: runs in each page it loads, before the page's own
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int tabIndex = 0;
};

// What a screen reader says of a control beyond what it shows: an empty name
// keeps the control's own (a label's text, a button's caption).
struct AccessibleText {
    QString control;
    QString name;
    QString description;
};

struct FormDescription {
    QString name;
    QString caption;
    int clientWidth = 0;
    int clientHeight = 0;
    std::optional<QPoint> clientTopLeft = {}; // on the screen; centred when absent
    std::optional<ControlFont> font = {};     // of every control that names none
    std::vector<ControlDescription> controls;
    std::vector<AccessibleText> accessible = {};

    const ControlDescription* control(const QString& controlName) const;
};

} // namespace windowing
