// A seeded random walk through both windows, checking after every action
// that no input lost what the user typed (but for the "0" a handler writes
// over an empty or zero amount), that every zakat label holds "0" or a number
// as NumberToText writes it, and that the results window shows what the main
// window held at its last "Calculate".
//   ALTAVESH_SOAK_ACTIONS (default 1500) and ALTAVESH_SOAK_SEED (default
//   fixed) set the length and the walk; scripts/soak.sh runs long walks.
#include "numeric/textrules.h"
#include "recorders.h"
#include "useractions.h"
#include "windowing/form.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>

#include <cmath>
#include <map>
#include <optional>

using namespace Qt::StringLiterals;
using State = windowing::Form::State;

namespace {

const QStringList inputs{u"Text1"_s, u"Text2"_s, u"Text3"_s, u"Text4"_s,
                         u"Text5"_s, u"Text6"_s, u"Text7"_s, u"Text8"_s};
const QStringList zakatLabels{u"Label10"_s, u"Label11"_s, u"Label12"_s,
                              u"Label13"_s, u"Label14"_s, u"Label15"_s};
const QStringList units{u"Tolaas"_s, u"Ounce"_s, u"Gram"_s, u"ounce"_s,
                        u"Gram "_s,  u"Unit"_s,  u""_s};
const QStringList currencies{u"$. US Dollars"_s, u"Rs. Pakistan"_s, u"Rs. India"_s,
                             u"$. Canadian"_s,   u"Currency"_s,     u"rs. india"_s};

std::optional<double> number(const QString& text) {
    try {
        return numeric::TextToNumber(text);
    } catch (const numeric::Failure&) {
        return std::nullopt;
    }
}

// Results of "Calculate" worked out here from the main window's texts,
// independently of the handler: rounding half to even, a 64-bit sum checked
// step by step, the factors of the currency table.
struct ExpectedResults {
    bool fails = false;
    bool writesTotal = false;
    QString goldLine, silverLine, total;
};

} // namespace

class TestSoak : public QObject {
    Q_OBJECT

private slots:
    void randomWalkKeepsEveryInput();

private:
    void restart();
    void settle();
    QString randomText();
    QString act();
    void check(int step, const QString& action);
    void modelReload();
    ExpectedResults expectResults();

    QRandomGenerator m_rng;
    std::unique_ptr<ProgramUnderTest> m_t;
    std::map<QString, QString> m_typed; // what each input should hold
    QStringList m_results;              // Label2 to Label5 of the results window
    int m_expectedFailures = 0;
    int m_restarts = 0;
    qsizetype m_prompts = 0;
    qsizetype m_failures = 0;
};

void TestSoak::restart() {
    if (m_t) {
        m_prompts += m_t->messageBox.prompts.size();
        m_failures += m_t->failures.failures.size();
    }
    m_t = std::make_unique<ProgramUnderTest>();
    m_t->program.start();
    QVERIFY(QTest::qWaitForWindowActive(&m_t->program.form1().window()));
    modelReload();
    m_results = {QString(), QString(), QString(), QString()};
    m_expectedFailures = 0;
    ++m_restarts;
}

void TestSoak::modelReload() {
    for (const QString& box : inputs)
        m_typed[box] = u"0"_s;
}

void TestSoak::settle() {
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
    while (m_t->program.handlers().hasPending())
        QCoreApplication::processEvents();
}

QString TestSoak::randomText() {
    auto digits = [&](int n) {
        QString s;
        for (int i = 0; i < n; ++i)
            s += QChar(u'0' + m_rng.bounded(10));
        return s;
    };
    switch (m_rng.bounded(14)) {
    case 0:
        return digits(1 + m_rng.bounded(7));
    case 1:
        return digits(1 + m_rng.bounded(5)) + u'.' + digits(1 + m_rng.bounded(4));
    case 2:
        return u'-' + digits(1 + m_rng.bounded(4));
    case 3:
        return digits(1) + u',' + digits(3) + u'.' + digits(2);
    case 4:
        return u"1E"_s + QString::number(m_rng.bounded(-320, 320));
    case 5:
        return u"0"_s;
    case 6:
        return u"0.00"_s;
    case 7:
        return QString();
    case 8:
        return u"  "_s + digits(2) + u"  "_s;
    case 9:
        return u"abc"_s;
    case 10:
        return QString::fromUtf8("\u0661\u0662\u0663"); // Arabic-Indic digits
    case 11:
        return digits(200 + m_rng.bounded(300));
    case 12:
        return u"1E200"_s;
    default:
        return QString(m_rng.bounded(1, 60), QChar(u'a' + m_rng.bounded(26)));
    }
}

QString TestSoak::act() {
    QString did = u"nothing"_s;
    app::Program& program = m_t->program;
    windowing::Form& main = program.form1();
    const bool mainShown = main.state() == State::Shown;
    const bool resultsShown = program.hasForm2() && program.form2().state() == State::Shown;
    const int choice = m_rng.bounded(100);

    if (mainShown && choice < 45) { // type into an input
        main.window().activateWindow();
        const QString box = inputs[m_rng.bounded(inputs.size())];
        const QString text = randomText();
        QLineEdit& edit = main.textBox(box);
        QTest::mouseClick(&edit, Qt::LeftButton);
        settle();
        QTest::keyClick(&edit, Qt::Key_A, Qt::ControlModifier);
        if (text.isEmpty())
            QTest::keyClick(&edit, Qt::Key_Delete);
        else
            typeText(edit, text);
        m_typed[box] = text;
        did = u"typed \"%1\" into %2"_s.arg(text.left(20), box);
    } else if (mainShown && choice < 55) { // a unit, picked or typed
        QComboBox& combo = main.comboBox(m_rng.bounded(2) ? u"Combo2"_s : u"Combo3"_s);
        QTest::mouseClick(combo.lineEdit(), Qt::LeftButton);
        QTest::keyClick(combo.lineEdit(), Qt::Key_A, Qt::ControlModifier);
        const QString unit = units[m_rng.bounded(units.size())];
        QTest::keyClicks(combo.lineEdit(), unit);
        did = u"unit \"%1\" in %2"_s.arg(unit, combo.objectName());
    } else if (mainShown && choice < 70) { // move on with the keyboard
        const bool back = m_rng.bounded(2);
        if (QWidget* focused = QApplication::focusWidget())
            QTest::keyClick(focused, back ? Qt::Key_Backtab : Qt::Key_Tab,
                            back ? Qt::ShiftModifier : Qt::NoModifier);
        did = back ? u"Shift+Tab"_s : u"Tab"_s;
    } else if (mainShown && choice < 75) { // "&Clear All"
        QTest::mouseClick(&main.button(u"Command1"_s), Qt::LeftButton);
        settle();
        modelReload();
        did = u"Clear All"_s;
    } else if (mainShown && choice < 82) { // "C&alculate"
        QTest::mouseClick(&main.button(u"Command2"_s), Qt::LeftButton);
        if (!resultsShown)
            m_results = {QString(), QString(), QString(), QString()};
        did = u"C&alculate"_s;
    } else if (resultsShown && choice < 93) { // a currency, then "Calculate"
        windowing::Form& results = program.form2();
        QComboBox& combo = results.comboBox(u"Combo1"_s);
        QTest::mouseClick(combo.lineEdit(), Qt::LeftButton);
        QTest::keyClick(combo.lineEdit(), Qt::Key_A, Qt::ControlModifier);
        const QString currency = currencies[m_rng.bounded(currencies.size())];
        QTest::keyClicks(combo.lineEdit(), currency);
        did = u"Calculate in \"%1\""_s.arg(currency);
        settle(); // the main window's pending LostFocus runs before the click
        const bool mainWasLoaded = main.isLoaded();
        const ExpectedResults expected = expectResults();
        QTest::mouseClick(&results.button(u"Command1"_s), Qt::LeftButton);
        if (!mainWasLoaded)
            modelReload();
        if (expected.fails) {
            ++m_expectedFailures;
        } else {
            m_results[0] = expected.goldLine;
            m_results[1] = expected.silverLine;
            if (expected.writesTotal) {
                m_results[2] = expected.total;
                m_results[3] = combo.currentText();
            }
        }
    } else if (choice < 96 && resultsShown) { // close the results window
        program.form2().window().close();
        did = u"closed the results"_s;
    } else if (choice < 97 && mainShown) { // close the main window
        main.window().close();
        did = u"closed the main window"_s;
    }
    settle();
    if (m_t->quitCount > 0)
        restart(); // the last window closed: the user starts the program again
    return did;
}

ExpectedResults TestSoak::expectResults() {
    windowing::Form& main = m_t->program.form1();
    ExpectedResults r;
    // A main window that is not loaded is loaded afresh by the calculation,
    // with Form_Load's values.
    const bool loaded = main.isLoaded();
    const auto text = [&](const QString& name) {
        return loaded ? main.textBox(name).text() : u"0"_s;
    };
    const auto unit = [&](const QString& name) {
        return loaded ? main.comboBox(name).currentText() : u"Unit"_s;
    };
    const auto caption = [&](const QString& name) {
        return loaded ? main.label(name).text() : u"0"_s;
    };
    r.goldLine = text(u"Text5"_s) + u"  "_s + unit(u"Combo2"_s);
    r.silverLine = text(u"Text7"_s) + u"  "_s + unit(u"Combo3"_s);
    std::vector<double> rounded;
    for (const QString& label : zakatLabels) {
        const double value = std::nearbyint(*number(caption(label)));
        if (value < -2147483648.0 || value > 2147483647.0)
            return {true, false, {}, {}, {}};
        rounded.push_back(value);
    }
    const QString currency = m_t->program.form2().comboBox(u"Combo1"_s).currentText();
    const std::map<QString, double> factors{{u"Rs. Pakistan"_s, 57.5297},
                                            {u"Rs. India"_s, 45.3498},
                                            {u"$. Canadian"_s, 1.3132},
                                            {u"$. US Dollars"_s, 1.0}};
    const auto factor = factors.find(currency);
    if (factor == factors.end())
        return r;
    long long sum = 0;
    for (double v : rounded) {
        sum += static_cast<long long>(v);
        if (sum < -2147483648LL || sum > 2147483647LL) {
            r.fails = true;
            return r;
        }
    }
    r.writesTotal = true;
    r.total = currency == u"$. US Dollars" ? QString::number(sum)
                                           : numeric::NumberToText(double(sum) * factor->second);
    return r;
}

void TestSoak::check(int step, const QString& action) {
    const QString where = u"step %1 (%2)"_s.arg(step).arg(action);
    app::Program& program = m_t->program;
    windowing::Form& main = program.form1();
    if (main.isLoaded()) {
        for (const QString& box : inputs) {
            const QString shown = main.textBox(box).text();
            QString& typed = m_typed[box];
            if (shown == typed)
                continue;
            const std::optional<double> value = number(typed);
            const bool resettable = typed.isEmpty() || (value && *value == 0);
            QVERIFY2(shown == u"0" && resettable,
                     qPrintable(u"%1: %2 shows \"%3\", typed \"%4\""_s.arg(where, box, shown,
                                                                           typed.left(40))));
            typed = shown;
        }
        for (const QString& label : zakatLabels) {
            const QString text = main.label(label).text();
            const std::optional<double> value = number(text);
            QVERIFY2(value && (text == u"0" || numeric::NumberToText(*value) == text),
                     qPrintable(u"%1: %2 holds \"%3\""_s.arg(where, label, text)));
        }
    }
    if (program.hasForm2() && program.form2().isLoaded()) {
        QStringList shown;
        for (const QString& label : {u"Label2"_s, u"Label3"_s, u"Label4"_s, u"Label5"_s})
            shown.append(program.form2().label(label).text());
        QVERIFY2(shown == m_results, qPrintable(u"%1: results [%2], expected [%3]"_s.arg(
                                         where, shown.join(u" | "_s), m_results.join(u" | "_s))));
    } else {
        m_results = {QString(), QString(), QString(), QString()};
    }
    // Failure reports come from texts that are not numbers or too large ones;
    // "Calculate" adds exactly the overflows worked out above.
    QVERIFY2(m_t->failures.failures.size() >= m_expectedFailures, qPrintable(where));
}

void TestSoak::randomWalkKeepsEveryInput() {
    const int actions = qEnvironmentVariableIsSet("ALTAVESH_SOAK_ACTIONS")
                            ? qEnvironmentVariableIntValue("ALTAVESH_SOAK_ACTIONS")
                            : 1500;
    const quint32 seed = qEnvironmentVariableIsSet("ALTAVESH_SOAK_SEED")
                             ? quint32(qEnvironmentVariableIntValue("ALTAVESH_SOAK_SEED"))
                             : 20261206u;
    qInfo("soak: %d actions, seed %u", actions, seed);
    m_rng.seed(seed);
    restart();
    for (int step = 1; step <= actions; ++step) {
        const QString did = act();
        check(step, did);
        if (QTest::currentTestFailed())
            return;
    }
    qInfo("soak: %lld prompts, %lld failure reports, %d program starts",
          qlonglong(m_prompts + m_t->messageBox.prompts.size()),
          qlonglong(m_failures + m_t->failures.failures.size()), m_restarts);
}

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
