// SPDX-License-Identifier: GPL-3.0-or-later
#include "driver.h"

#include "hand.h"

#include "app/application.h"
#include "app/identity.h"
#include "app/modalfailurereport.h"
#include "app/modalmessagebox.h"
#include "app/program.h"
#include "main_window/mainwindow.h"
#include "numeric/separators.h"
#include "results_window/resultswindow.h"
#include "windowing/web_panes/webpane.h"
#include "windowing/windows/form.h"

#include <QtTest>
#include <QtWidgets>

using namespace Qt::StringLiterals;
using App = QApplication;

namespace {

// The control that `widget` is or is in, "Form2." before one of the results
// window; a drop-down list counts as its box.
QString controlName(QWidget* widget) {
    for (QWidget* w = widget; w; w = w->parentWidget())
        if (auto* top = qobject_cast<windowing::FormWindow*>(w->parentWidget()))
            return (top->objectName() == u"Form2" ? u"Form2."_s : QString()) + w->objectName();
    return {};
}

// A window ("Form1"), a control ("Text1", "Form2.Combo1") or a field of a
// chart pane's page ("WebBrowser2#price"), as a row names it.
struct Ref {
    bool results = false;
    QString name, field;
};

// The keys a row presses by name; the properties of a control or window
// ("rect.Text1").
const QStringList namedKeys{u"Tab"_s,    u"Shift+Tab"_s, u"Alt+C"_s,    u"Alt+A"_s,
                            u"Return"_s, u"Enter"_s,     u"Num+Enter"_s};
const QStringList verbs{u"click"_s, u"press"_s,    u"open"_s, u"drag"_s,
                        u"close"_s, u"activate"_s, u"moved"_s};
const QStringList properties{u"caption"_s, u"rect"_s, u"items"_s,   u"title"_s,
                             u"field"_s,   u"held"_s, u"atPrompt"_s};

// Works the program as a user does; the steps and expectations are in driver.h.
class Driver final : public QObject, public shell::MessageBox, public windowing::FailureReport {
public:
    Driver() {
        m_other.setObjectName(u"other"_s);
        m_other.setGeometry(1000, 760, 200, 150); // away from the program's windows and boxes
        m_other.winId();
        qApp->installEventFilter(this);
    }

    bool followsTheProgram() const { return m_hand->followsTheProgram(); }

    bool start() {
        // A row before may have let the button go over another program: Qt,
        // which never saw it, still holds it down, where a program that has
        // just started holds none.
        if (App::mouseButtons() != Qt::NoButton)
            QTest::mouseRelease(m_other.windowHandle(), Qt::LeftButton);
        app::startProgram(*m_program);
        for (int i : {0, 1}) // the first load of each pane, and whether it went well
            connect(&m_program->form1().webPane(u"WebBrowser%1"_s.arg(i + 1)),
                    &windowing::WebPane::loadFinished, this,
                    [this, i](bool ok) { m_loads[i] = m_loads[i].value_or(ok); });
        if (const QString heard = qEnvironmentVariable("ALTAVESH_HEARD"); !heard.isEmpty())
            QFile(heard).resize(0); // a start before is not this row's
        return m_hand->bringForward(m_program->form1().window(), false);
    }

    // What a screen reader heard away from the focus since the program
    // started, from the listener beside it.
    static QString heard() {
        QFile file(qEnvironmentVariable("ALTAVESH_HEARD"));
        return !file.fileName().isEmpty() && file.open(QIODevice::ReadOnly)
                   ? QString::fromUtf8(file.readAll()).trimmed().replace(u'\n', u" | "_s)
                   : QString();
    }

    // A reference, checked against the windows' descriptions; a window only
    // where `window` allows it.
    std::optional<Ref> ref(const QString& text, bool window = false) const {
        if (text == u"Form1" || text == u"Form2")
            return window ? std::optional(Ref{text == u"Form2", {}, {}}) : std::nullopt;
        const bool results = text.startsWith(u"Form2.");
        const QString local = results ? text.mid(6) : text;
        const Ref r{results, local.section(u'#', 0, 0), local.section(u'#', 1)};
        const auto* c = m_layouts[r.results].control(r.name);
        if (!c || (!r.field.isEmpty() && c->kind != windowing::ControlKind::WebBrowser))
            return std::nullopt;
        return r;
    }
    windowing::Form& form(const Ref& r) {
        return r.results ? m_program->form2() : m_program->form1();
    }
    QWidget& widget(const Ref& r) {
        return r.name.isEmpty() ? form(r).window() : form(r).control(r.name);
    }

    // Steps.

    // Does a step, or with `dry` only checks that it is one: what went wrong, or nothing.
    QString step(const QString& s, bool dry) {
        const QString verb = s.section(u' ', 0, 0), rest = s.section(u' ', 1);
        if (namedKeys.contains(s) || (verb == u"type" && !rest.isEmpty()))
            return dry ? QString() : key(s);
        if (s == u"wait panes")
            return dry ? QString() : waitPanes();
        if (s == u"release outside") // over another program
            return dry ? QString() : (m_hand->release(Spot{}), QString());
        if (s == u"activate other") // a plain window stands in for another program's
            return dry ? QString() : (m_other.show(), bringForward(m_other));
        const bool typed = s.contains(u'=');
        if (!typed && !verbs.contains(verb))
            return u"no such step"_s;
        const QStringList words = typed ? QStringList{s.section(u'=', 0, 0)} : rest.split(u' ');
        const bool window = verb == u"close" || verb == u"activate";
        const auto r = ref(words[0], window), to = ref(words.value(2));
        if (!r || words.size() != (verb == u"drag" ? 3 : 1) || window != r->name.isEmpty() ||
            (verb == u"drag" && (!to || words[1] != u"to")))
            return u"no such control"_s;
        if (dry)
            return {};
        if (verb == u"close")
            return form(*r).window().close() ? QString() : u"refused"_s;
        if (form(*r).state() != windowing::Form::State::Shown)
            return u"its window is not on the screen"_s;
        QWidget& w = widget(*r);
        if (verb == u"moved") // by the program itself, as a browser engine may
            return w.setFocus(Qt::OtherFocusReason), QString();
        if (verb == u"activate")
            return bringForward(w);
        if (verb == u"press")
            return press(w);
        if (verb == u"open") // a click on a unit box's arrow
            return click(w, QPoint(w.width() - 6, w.height() / 2));
        if (verb == u"drag")
            return click(w, {}, Spot{&widget(*to), widget(*to).rect().center()});
        return enter(*r, words[0], typed ? std::optional(s.section(u'=', 1)) : std::nullopt);
    }

    QString bringForward(QWidget& w) {
        return m_hand->bringForward(w, true) ? QString() : u"not active"_s;
    }

    // What in a row is no step or no expectation, looked at before it plays.
    QString unknown(const QStringList& steps, const QStringList& expected) {
        for (const QString& s : steps)
            if (const QString why = step(s, true); !why.isEmpty())
                return s + u": "_s + why;
        for (const QString& e : expected) {
            const QString what = e.section(u'=', 0, 0), property = what.section(u'.', 0, 0);
            if (!e.contains(u'=') ||
                !(recorded().contains(what) || ref(what, true) ||
                  (properties.contains(property) && ref(what.section(u'.', 1), true))))
                return e + u": no such expectation"_s;
        }
        return {};
    }

    // The steps, then what differs from the expected, or what went wrong.
    QString play(const QStringList& steps, const QStringList& expected) {
        for (const QString& s : steps) {
            const bool hadResults = actual(u"Form2"_s) == u"shown";
            if (const QString failed = step(s, false); !failed.isEmpty())
                return s + u": "_s + failed;
            if (!settle())
                return s + u": its handlers did not run"_s;
            // C&alculate shows the results window, or brings it to the front
            // where the window system lets it: the user waits for it.
            if (actual(u"Form2"_s) == u"shown" &&
                (!hadResults ||
                 (m_hand->followsTheProgram() && (s == u"click Command2" || s == u"Alt+A"))))
                (void)m_hand->bringForward(m_program->form2().window(), false);
        }
        return check(expected);
    }

    QString waitPanes() { // loaded, so that their fields take the keys
        if (!waitFor([this] { return m_loads[0].value_or(false) && m_loads[1].value_or(false); }))
            return u"the pages did not load"_s;
        // What the page makes of the mouse button: down, and up again.
        for (const QString& pane : {u"WebBrowser1"_s, u"WebBrowser2"_s})
            (void)evaluate(pane,
                           u"window.held = 'no'; for (const [e, v] of [['mousedown', 'yes'], "
                           "['mouseup', 'no']]) addEventListener(e, () => held = v, true); ''"_s);
        return {};
    }

    // A click into a control, then, unless only a click, what is typed or picked.
    QString enter(const Ref& r, const QString& what, const std::optional<QString>& typed) {
        QWidget& control = widget(r);
        auto* combo = qobject_cast<QComboBox*>(&control);
        QWidget& clicked = combo ? *combo->lineEdit() : control;
        std::optional<QPoint> at; // a page's field: its centre in the pane
        if (!r.field.isEmpty()) {
            const QStringList xy = evaluate(r.name, u"(r => [r.x + r.width / 2, r.y + r.height / 2]"
                                                    ".join())(document.getElementById('%1')"
                                                    ".getBoundingClientRect())"_s.arg(r.field))
                                       .split(u',');
            at = QPointF(xy.value(0).toDouble(), xy.value(1).toDouble()).toPoint();
        }
        const auto reached = [&] {
            return controlName(App::focusWidget()) == what.section(u'#', 0, 0) &&
                   field(r.name) == r.field;
        };
        // A window manager may still be activating another window of ours, as
        // the results window when it is shown again; the user clicks once more.
        for (int n = 0; n == 0 || (typed && !reached()); ++n) {
            if (n == 3 || (n > 0 && !m_hand->bringForward(form(r).window(), true)))
                return u"the click did not give it the focus"_s;
            if (const QString failed = click(clicked, at); !failed.isEmpty())
                return failed;
            settle(); // what leaving the last control started, before the next key
        }
        if (!typed)
            return {};
        QWindow* keys = QGuiApplication::focusWindow();
        const int item =
            combo ? combo->findText(*typed, Qt::MatchExactly | Qt::MatchCaseSensitive) : -1;
        if (item >= 0) { // from the drop-down list, opened by its arrow
            QAbstractItemView* list = combo->view();
            if (!click(*combo, QPoint(combo->width() - 6, combo->height() / 2)).isEmpty() ||
                !waitFor([&] { return list->isVisible(); }))
                return u"the list did not open"_s;
            (void)click(*list->viewport(),
                        list->visualRect(combo->model()->index(item, 0)).center());
            (void)waitFor([&] { return !list->isVisible(); });
            // The window has the keyboard back once the list has gone.
            (void)waitFor([&] { return QGuiApplication::focusWindow() == keys; });
        } else if (!m_hand->keys(u"Ctrl+A"_s) || (typed->isEmpty() && !m_hand->keys(u"Del"_s)) ||
                   !m_hand->keys(u"type "_s + *typed)) {
            return u"the program never saw the keys"_s;
        }
        // A page takes its keys in the browser engine, and while a screen reader
        // listens, each key waits for it to let the key through.
        (void)waitFor([&] { return actual(what) == *typed; });
        return actual(what) == *typed ? QString() : u"shows "_s + actual(what);
    }

    // Pressed at `at` in `on` (its centre), released there or at `releaseAt`;
    // what went wrong, or nothing.
    QString click(QWidget& on, std::optional<QPoint> at = {}, std::optional<Spot> releaseAt = {}) {
        if (const QString failed = press(on, at); !failed.isEmpty())
            return failed;
        return m_hand->release(releaseAt), QString();
    }

    QString press(QWidget& on, std::optional<QPoint> at = {}) {
        App::processEvents();
        QWidget& top = *on.window();
        // Where the results window covers the main one, a person who works in
        // both drags it aside.
        if (QWidget* main = m_program->form1().formWindow(); main && m_program->hasForm2())
            if (QWidget* results = m_program->form2().formWindow())
                m_hand->uncover(*results, *main);
        const bool activates = !qobject_cast<QMessageBox*>(&top) && !top.isActiveWindow();
        if (!m_hand->press(top, on.mapTo(&top, at.value_or(on.rect().center()))))
            return u"the program never saw the press"_s;
        // Into a window not yet active, the hand stays down a person's moment:
        // a window manager does its part of such a click in its own time, made
        // for hands. Within the active window the release follows once the
        // program has the press.
        if (activates)
            (void)waitFor([] { return false; }, 120); // ms
        App::sendPostedEvents();
        App::processEvents();
        return {};
    }

    bool settle() {
        const bool settled = waitFor([this] {
            return !m_program->handlers().hasPending() && !m_program->departures().isWaiting() &&
                   !boxUp();
        });
        App::processEvents();
        // A person waits for the window beneath a box that has gone to have its
        // activation back before working on.
        if (std::exchange(m_beneathBox, nullptr))
            (void)waitFor([] { return App::activeWindow() && !boxUp(); }, 5000);
        return settled;
    }

    // A named key, or "type" and the text typed.
    QString key(const QString& s) {
        if (!waitFor([] { return App::focusWidget() && QGuiApplication::focusWindow(); }))
            return u"no control has the focus"_s;
        const QString before = controlName(App::focusWidget()), fieldBefore = field(before);
        if (!m_hand->keys(s == u"Shift+Tab" ? u"Shift+Backtab"_s : s))
            return u"the program never saw the keys"_s;
        if (s.startsWith(u"Alt+")) { // an access key clicks its button a moment later
            if (auto* button = qobject_cast<QPushButton*>(App::focusWidget()))
                (void)QSignalSpy(button, &QPushButton::clicked).wait(1000);
        } else if (s.endsWith(u"Tab")) {
            // A page handles its keys in the browser engine: wait until the focus
            // has moved to another control, or to another field (a page first
            // lets go of the field it leaves), and a page entered has the keys.
            // What it reached is recorded as seen then: the control it leaves
            // may bring a box meanwhile.
            QString now;
            (void)waitFor([&] {
                const QString in = field(now = controlName(App::focusWidget()));
                return !now.isEmpty() && (now != before || (!in.isEmpty() && in != fieldBefore)) &&
                       (!now.startsWith(u"WebBrowser") || !in.isEmpty());
            });
            m_visited.append(now);
        }
        return {};
    }

    // The program's boxes: recorded as asked for, then shown as the program shows them.

    void show(const QString& prompt) override {
        for (int i = 1; i <= 8; ++i)
            m_atPrompt[u"Text%1"_s.arg(i)] = m_program->form1().textBox(u"Text%1"_s.arg(i)).text();
        const QHash<QString, QString> metal{
            {u"Please enter the gold price from above charts"_s, u"gold"_s},
            {u"Please enter the Silver price from above charts"_s, u"silver"_s}};
        boxComing(m_prompts, metal.value(prompt, prompt));
        m_messageBox.show(prompt);
    }

    void report(const QString& whatFailed) override {
        boxComing(m_failures, whatFailed);
        m_failureReport.report(whatFailed);
    }

    void boxComing(QStringList& seen, const QString& text) {
        m_beneathBox = App::activeWindow();
        // Once it is up and has the keyboard, as a person sees it, a button
        // still held goes up over it, then OK is clicked, again if the box did
        // not take it.
        QTimer::singleShot(0, this, [this, &seen, text] {
            auto* box = qobject_cast<QMessageBox*>(App::activeModalWidget());
            const bool asItShouldBe =
                box && box->windowTitle() == QString::fromUtf8(app::identity::title) &&
                box->standardButtons() == QMessageBox::Ok &&
                box->windowModality() == Qt::ApplicationModal &&
                box->icon() == (&seen == &m_failures ? QMessageBox::Warning : QMessageBox::NoIcon);
            seen.append(text + (asItShouldBe ? QString() : u" (in an odd box)"_s));
            if (!box)
                return;
            m_hand->release();
            (void)m_hand->bringForward(*box, false);
            for (int n = 0; n < 3 && box->isVisible(); ++n)
                click(*box->button(QMessageBox::Ok));
        });
    }

    // Qt ends a program on its own, inside exec(), when its last window has
    // closed; counted with the program's own requests to end, and kept from
    // ending the tests.
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != qApp || event->type() != QEvent::Quit)
            return false;
        ++m_quits;
        return true;
    }

    // Expectations.

    QString field(const QString& control) {
        return control.startsWith(u"WebBrowser")
                   ? evaluate(control, u"document.hasFocus() && document.activeElement !== "
                                       "document.body ? document.activeElement.id : ''"_s)
                   : QString();
    }

    QString evaluate(const QString& pane, const QString& script) {
        auto answer = std::make_shared<std::optional<QString>>();
        m_program->form1().webPane(pane).evaluate(script,
                                                  [answer](const QString& r) { *answer = r; });
        (void)waitFor([&] { return answer->has_value(); });
        return answer->value_or(u"?"_s);
    }

    // What the expectations that name no control read.
    QHash<QString, QString> recorded() {
        return {
            {u"focus"_s, controlName(App::focusWidget())},
            {u"active"_s, App::activeWindow() ? App::activeWindow()->objectName() : QString()},
            {u"list"_s, controlName(App::activePopupWidget())},
            {u"buttons"_s, QGuiApplication::mouseButtons() == Qt::NoButton ? u"up"_s : u"down"_s},
            {u"visited"_s, m_visited.join(u',')},
            {u"prompts"_s, m_prompts.join(u',')},
            {u"failures"_s, QString::number(m_failures.size())},
            {u"report"_s, m_failures.value(m_failures.size() - 1)},
            {u"quit"_s, QString::number(m_quits)},
            {u"heard"_s, heard()},
            {u"application"_s, // as the desktop shows it
             u"%1 %2, %3"_s.arg(App::applicationName(), App::applicationVersion(),
                                App::applicationDisplayName())}};
    }

    QString actual(const QString& what) {
        if (const auto r = recorded(); r.contains(what))
            return r.value(what);
        if (what == u"Form2" && !m_program->hasForm2())
            return u"none"_s;
        if (what == u"Form1" || what == u"Form2")
            return QStringList{u"not loaded"_s, u"hidden"_s,
                               u"shown"_s}[int(form(*ref(what, true)).state())];
        // "rect.Form2.Label1": a property of a control; "Form2.Label1": its text.
        const QString property = what.section(u'.', 0, 0);
        const Ref r = *ref(properties.contains(property) ? what.section(u'.', 1) : what, true);
        if (property == u"atPrompt")
            return m_atPrompt.value(r.name);
        if (property == u"held")
            return evaluate(r.name, u"String(window.held)"_s);
        if (property == u"field")
            return field(r.name);
        if (!r.field.isEmpty()) // an element of a page
            return evaluate(r.name, u"(e => e ? ('value' in e ? e.value : e.textContent) : '?')"
                                    "(document.getElementById('%1'))"_s.arg(r.field));
        QWidget& w = widget(r);
        const QRect g =
            r.name.isEmpty() ? QRect(w.mapToGlobal(QPoint(0, 0)), w.size()) : w.geometry();
        if (property == u"rect")
            return QString::asprintf("%d,%d,%d,%d", g.x(), g.y(), g.width(), g.height());
        if (property == u"title")
            return qobject_cast<windowing::WebPane*>(&w)->title();
        auto* combo = qobject_cast<QComboBox*>(&w);
        QStringList items;
        for (int i = 0; property == u"items" && i < combo->count(); ++i)
            items.append(combo->itemText(i));
        return property == u"items" ? items.join(u',')
               : r.name.isEmpty()   ? w.windowTitle() // a window: its caption
               : combo              ? combo->currentText()
                                    : w.property("text").toString();
    }

    QString check(const QStringList& expected) {
        // Prompts, failure reports and the button are checked also when a row
        // names none.
        QMap<QString, QString> all{
            {u"prompts"_s, {}}, {u"failures"_s, u"0"_s}, {u"buttons"_s, u"up"_s}};
        for (const QString& e : expected)
            all[e.section(u'=', 0, 0)] = e.section(u'=', 1);
        QStringList differ;
        // What the steps did is on the screen once their handlers have run; a
        // page answers within moments, also on a loaded machine.
        (void)waitFor(
            [&] {
                differ.clear();
                for (const auto& [what, text] : all.asKeyValueRange())
                    if (const QString now = actual(what); now != text)
                        differ.append(u"%1=%2 is \"%3\""_s.arg(what, text, now));
                return differ.isEmpty();
            },
            10000);
        return differ.join(u"; "_s);
    }

private:
    app::ModalMessageBox m_messageBox;
    app::ModalFailureReport m_failureReport;
    std::unique_ptr<Hand> m_hand = Hand::forThisDesktop();
    QPointer<QWidget> m_beneathBox; // active when the last box came
    QWidget m_other;                // stands in for another program's window
    std::unique_ptr<app::Program> m_program =
        std::make_unique<app::Program>(*this, *this, [this] { ++m_quits; });
    const windowing::FormDescription m_layouts[2] = {
        main_window::definition(*m_program).description,
        results_window::definition(*m_program).description};
    std::optional<bool> m_loads[2]; // of the two chart panes
    QStringList m_prompts, m_failures, m_visited;
    QHash<QString, QString> m_atPrompt;
    int m_quits = 0;
};

} // namespace

// The test program of a file of tables: every row as "group: row", each
// from a fresh start of the program.
class Behaviour : public QObject {
    Q_OBJECT

private slots:
    void rows_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("expected");
        // The kind of region of this session, whose groups alone it plays.
        const numeric::Separators& numbers = numeric::Separators::system();
        const QByteArray region = numbers.zero == QChar(0x0660)   ? "arabic region"
                                  : numbers.zero == QChar(0x06F0) ? "persian region"
                                  : numbers.decimal == u','       ? "comma region"
                                                                  : "";
        for (const auto& [group, name, steps, expected] : table) {
            const QByteArray g(group);
            if (region.isEmpty() ? !g.contains(" region") || g.startsWith("point region")
                                 : g.startsWith(region))
                QTest::newRow(g + ": " + name)
                    << QString::fromUtf8(steps).split(u"; "_s, Qt::SkipEmptyParts)
                    << QString::fromUtf8(expected).split(u"; "_s, Qt::SkipEmptyParts);
        }
    }
    void rows() {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, expected);
        Driver driver;
        const QString unknown = driver.unknown(steps, expected);
        QVERIFY2(unknown.isEmpty(), qPrintable(unknown));
        if (qEnvironmentVariableIsEmpty("ALTAVESH_HEARD") &&
            !expected.filter(u"heard="_s).isEmpty())
            QSKIP("No screen reader listens here: offscreen has no accessibility bus.");
        if (!driver.followsTheProgram() &&
            !expected.filter(QRegularExpression(u"^rect.Form.="_s)).isEmpty())
            QSKIP("On Wayland the compositor places the windows, not the program.");
        QVERIFY(driver.start());
        const QString failed = driver.play(steps, expected);
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
    }
};

// The rows are played inside exec(), as the program runs: only there does
// Qt end a program on its own.
int main(int argc, char** argv) {
    app::prepareProcessEnvironment();
    QApplication application(argc, argv);
    Behaviour behaviour;
    QTimer::singleShot(0, &application,
                       [&] { QCoreApplication::exit(QTest::qExec(&behaviour, argc, argv)); });
    return QApplication::exec();
}

#include "driver.moc"
