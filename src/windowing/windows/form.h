// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "windowing/windows/formbuilder.h"
#include "windowing/windows/formdescription.h"

#include <QAnyStringView>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QWidget>

#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace windowing {

class WebPane;
class Departures;
class Form;
class HandlerQueue;

// What makes one window class: its description, the wiring of its event
// handlers, and its Form_Load (empty when the window has none).
struct FormDefinition {
    FormDescription description;
    std::function<void(Form&)> wire;
    std::function<void(Form&)> load = {};
};

// The top-level widget of a loaded form. Closing it unloads the form.
class FormWindow : public QWidget {
    Q_OBJECT

public:
    FormWindow();

    // The controls that take the focus, in the order Tab and Shift+Tab
    // visit them; Qt's own focus chain is not used.
    void setTabOrder(QList<QWidget*> controls) { m_tabOrder = std::move(controls); }

signals:
    void closeRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    QList<QWidget*> m_tabOrder;
};

// The global instance of one window class. It is created empty ("not
// loaded"); reading a control or showing it loads it from its description
// and runs its Form_Load; closing it unloads it again, discarding every
// control and text, and the next use loads it afresh.
class Form : public QObject {
    Q_OBJECT

public:
    enum class State { NotLoaded, LoadedHidden, Shown };

    Form(FormDefinition definition, Departures& departures, QObject* parent = nullptr);
    ~Form() override;

    State state() const;
    const FormDescription& description() const { return m_definition.description; }
    // The window while the form is loaded, else nullptr; it does not load.
    FormWindow* formWindow() const { return m_window; }

    // These load the form first when it is not loaded.
    QWidget& window();
    QWidget& control(QAnyStringView name);
    QLineEdit& textBox(QAnyStringView name);
    QLabel& label(QAnyStringView name);
    QComboBox& comboBox(QAnyStringView name);
    QPushButton& button(QAnyStringView name);
    WebPane& webPane(QAnyStringView name);

    // Shows the form modeless and without owner. A form without a placement of
    // its own opens centred over `centreOver`, or on the screen.
    void show(const QWidget* centreOver = nullptr);
    void unload();

    // Event wiring, called by the definition's `wire` on every load.
    // LostFocus: the user left this control (Departures decides when).
    void onLostFocus(QAnyStringView controlName, std::function<void()> handler);
    void onClick(QAnyStringView controlName, std::function<void()> handler);

    // For Departures: the control that is or holds `widget` (nullptr for
    // none), the control that `object` is, and a control's LostFocus, made
    // safe to run after the form has been unloaded (empty: it has none).
    QWidget* controlContaining(QWidget* widget) const;
    QWidget* controlFor(const QObject* object) const;
    std::function<void()> lostFocusOf(QWidget* control) const;

signals:
    void closedByUser();

private:
    void load();
    std::function<void()> guarded(std::function<void()> handler) const;

    FormDefinition m_definition;
    Departures& m_departures;
    HandlerQueue& m_handlers;
    QPointer<FormWindow> m_window;
    BuiltForm m_built;
    QSet<QWidget*> m_controlWidgets;
    QHash<QWidget*, std::function<void()>> m_lostFocus;
    quint64 m_loadCount = 0;
    bool m_shownSinceLoad = false;
};

} // namespace windowing
