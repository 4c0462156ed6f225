// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowing/formbuilder.h"

#include "windowing/chartpane.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <climits>
#include <utility>

namespace windowing {
namespace {

QRect pixels(int left, int top, int width, int height) {
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                 twipsToPixels(height));
}

// The described faces are Windows fonts; Debian has metric or look-alike
// faces for them, which fontconfig alone would not pick.
void addFontSubstitutes() {
    static const bool done = [] {
        QFont::insertSubstitutions(QStringLiteral("Arial"), {QStringLiteral("Liberation Sans"),
                                                             QStringLiteral("DejaVu Sans")});
        QFont::insertSubstitutions(QStringLiteral("Verdana"), {QStringLiteral("DejaVu Sans"),
                                                               QStringLiteral("Liberation Sans")});
        QFont::insertSubstitutions(QStringLiteral("Monotype Corsiva"),
                                   {QStringLiteral("Z003"), QStringLiteral("URW Chancery L"),
                                    QStringLiteral("DejaVu Serif")});
        return true;
    }();
    Q_UNUSED(done);
}

QFont fontFor(const ControlFont& wanted) {
    QFont font(wanted.family);
    font.setPointSizeF(wanted.pointSize);
    font.setWeight(wanted.bold ? QFont::Bold : QFont::Normal);
    font.setItalic(wanted.italic);
    font.setUnderline(wanted.underline);
    return font;
}

// Return and the keypad's Enter press the focused button, as on every
// desktop; Qt's own button takes them only as a window's default button,
// and neither window has one.
class CommandButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
        if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            click();
            return;
        }
        QPushButton::keyPressEvent(event);
    }
};

// A box reached by Tab, Shift+Tab or an access key selects what it holds, so
// that typing replaces it; but only once its focus has gone out to a screen
// reader, which would otherwise hear the selection first, and at times never
// the box's name. A key typed before then still replaces what it held.
class TextBox : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    void focusInEvent(QFocusEvent* event) override {
        const Qt::FocusReason reason = event->reason();
        if (reason != Qt::TabFocusReason && reason != Qt::BacktabFocusReason &&
            reason != Qt::ShortcutFocusReason)
            return QLineEdit::focusInEvent(event);
        QFocusEvent unselected(QEvent::FocusIn, Qt::OtherFocusReason);
        QLineEdit::focusInEvent(&unselected);
        m_selectAll = true;
        QTimer::singleShot(0, this, [this] { selectPending(); });
    }
    void keyPressEvent(QKeyEvent* event) override {
        selectPending();
        QLineEdit::keyPressEvent(event);
    }
    void mousePressEvent(QMouseEvent* event) override {
        m_selectAll = false; // the click places the cursor
        QLineEdit::mousePressEvent(event);
    }

private:
    void selectPending() {
        if (std::exchange(m_selectAll, false) && hasFocus())
            selectAll();
    }
    bool m_selectAll = false;
};

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
        return new ChartPane(&window);
    }
    Q_UNREACHABLE();
}

} // namespace

QFont defaultControlFont() {
    addFontSubstitutes();
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(7.5); // the captions were laid out for an 8 pt bitmap face
    return font;
}

BuiltForm buildForm(const FormDescription& description, QWidget& window) {
    window.setObjectName(description.name);
    window.setWindowTitle(description.caption);
    window.setFont(defaultControlFont());

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
