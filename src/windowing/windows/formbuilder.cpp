// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowing/windows/formbuilder.h"

#include "windowing/web_panes/webpane.h"
#include "windowing/windows/controls.h"

#include <QComboBox>
#include <QFont>
#include <QLabel>
#include <QWidget>

#include <algorithm>
#include <climits>

namespace windowing {
namespace {

QRect pixels(int left, int top, int width, int height) {
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                 twipsToPixels(height));
}

QFont fontFor(const ControlFont& wanted) {
    QFont font(wanted.family);
    font.setPointSizeF(wanted.pointSize);
    font.setWeight(wanted.bold ? QFont::Bold : QFont::Normal);
    font.setItalic(wanted.italic);
    font.setUnderline(wanted.underline);
    return font;
}

QWidget* makeControl(const ControlDescription& c, QWidget& window) {
    switch (c.kind) {
    case ControlKind::Label: {
        auto* label = new QLabel(&window);
        label->setTextFormat(Qt::PlainText); // "&" and "<" are ordinary characters
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setText(c.caption);
        label->setFocusPolicy(Qt::NoFocus);
        return label;
    }
    case ControlKind::TextBox: {
        auto* edit = new TextBox(&window);
        edit->setMaxLength(INT_MAX);
        edit->setText(c.caption);
        edit->setFocusPolicy(Qt::StrongFocus);
        return edit;
    }
    case ControlKind::ComboBox: {
        auto* combo = new QComboBox(&window);
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert); // typed text is never added to the list
        combo->setCompleter(nullptr);                // and never completed into an item
        combo->addItems(c.items);
        combo->setCurrentIndex(-1);
        combo->lineEdit()->setMaxLength(INT_MAX);
        combo->setEditText(c.caption);
        combo->setFocusPolicy(Qt::StrongFocus);
        return combo;
    }
    case ControlKind::CommandButton: {
        auto* button = new CommandButton(c.caption, &window);
        button->setAutoDefault(false);
        button->setDefault(false);
        button->setFocusPolicy(Qt::StrongFocus);
        return button;
    }
    case ControlKind::WebBrowser:
        return new WebPane(c.pageScript, &window);
    }
    Q_UNREACHABLE();
}

} // namespace

BuiltForm buildForm(const FormDescription& description, QWidget& window) {
    window.setObjectName(description.name);
    window.setWindowTitle(description.caption);
    if (description.font)
        window.setFont(fontFor(*description.font));

    const QSize client(twipsToPixels(description.clientWidth),
                       twipsToPixels(description.clientHeight));
    window.setFixedSize(client);
    if (description.clientTopLeft) {
        const QPoint& p = *description.clientTopLeft;
        window.setGeometry(QRect(QPoint(twipsToPixels(p.x()), twipsToPixels(p.y())), client));
    }

    BuiltForm built;
    std::vector<const ControlDescription*> focusable;
    for (const ControlDescription& c : description.controls) {
        QWidget* widget = makeControl(c, window);
        widget->setObjectName(c.name);
        widget->setGeometry(pixels(c.left, c.top, c.width, c.height));
        if (c.font)
            widget->setFont(fontFor(*c.font));
        if (c.foreColor) {
            QPalette palette = widget->palette();
            palette.setColor(QPalette::WindowText,
                             QColor(c.foreColor->red, c.foreColor->green, c.foreColor->blue));
            widget->setPalette(palette);
        }
        built.controls.insert(c.name, widget);
        if (c.kind != ControlKind::Label)
            focusable.push_back(&c);
    }

    for (const AccessibleText& a : description.accessible) {
        QWidget* widget = built.controls.value(a.control);
        Q_ASSERT_X(widget, "buildForm", qPrintable(a.control));
        if (!a.name.isEmpty())
            widget->setAccessibleName(a.name);
        widget->setAccessibleDescription(a.description);
    }

    std::stable_sort(focusable.begin(), focusable.end(),
                     [](const auto* a, const auto* b) { return a->tabIndex < b->tabIndex; });
    for (const ControlDescription* c : focusable)
        built.tabOrder.append(built.controls.value(c->name));
    return built;
}

} // namespace windowing
