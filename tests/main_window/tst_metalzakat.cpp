#include "recorders.h"
#include "useractions.h"
#include "windowing/form.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

struct Row {
    QString weight, unit, price, zakat, prompt;
};
const Row gold{u"Text5"_s, u"Combo2"_s, u"Text6"_s, u"Label14"_s,
               u"Please enter the gold price from above charts"_s};
const Row silver{u"Text7"_s, u"Combo3"_s, u"Text8"_s, u"Label15"_s,
                 u"Please enter the Silver price from above charts"_s};

} // namespace

class TestMetalZakat : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void zakatWhenTheWeightIsLeft_data();
    void zakatWhenTheWeightIsLeft();
    void anotherUnitRecomputesTheRow();
    void promptWaitsBeforeTheReset();

private:
    windowing::Form& form1() { return m_t->program.form1(); }
    void fillRow(const Row& row, const QString& weight, const QString& unit, const QString& price);

    std::unique_ptr<ProgramUnderTest> m_t;
};

void TestMetalZakat::init() {
    m_t = std::make_unique<ProgramUnderTest>();
    m_t->program.start();
    QVERIFY(QTest::qWaitForWindowActive(&form1().window()));
}

void TestMetalZakat::cleanup() {
    m_t.reset();
}

// Unit, then price, then weight, so that the focus ends in the weight box.
void TestMetalZakat::fillRow(const Row& row, const QString& weight, const QString& unit,
                             const QString& price) {
    QVERIFY(chooseItem(form1().comboBox(row.unit), unit));
    QVERIFY(typeInto(form1().textBox(row.price), price));
    QVERIFY(typeInto(form1().textBox(row.weight), weight));
    QTest::qWait(20); // the departures above have run their handlers
}

void TestMetalZakat::zakatWhenTheWeightIsLeft_data() {
    QTest::addColumn<bool>("isGold");
    QTest::addColumn<QString>("weight");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("price");
    QTest::addColumn<QString>("zakat");
    QTest::addColumn<int>("prompts");
    QTest::addColumn<int>("failures");
    QTest::addColumn<QString>("weightAfter");
    QTest::addColumn<QString>("priceAfter");

    // clang-format off
    QTest::newRow("10 oz at 1000 gives 250") << true << "10" << "Ounce" << "1000" << "250" << 0 << 0 << "10" << "1000";
    QTest::newRow("10 g at 1000 gives 8.8") << true << "10" << "Gram" << "1000" << "8.8" << 0 << 0 << "10" << "1000";
    QTest::newRow("1 tola at 1000 gives 10.56") << true << "1" << "Tolaas" << "1000" << "10.56" << 0 << 0 << "1" << "1000";
    QTest::newRow("100 g at 1000 gives 88") << false << "100" << "Gram" << "1000" << "88" << 0 << 0 << "100" << "1000";
    QTest::newRow("2.5 oz at 1234.5 gives 77.15625") << false << "2.5" << "Ounce" << "1234.5" << "77.15625" << 0 << 0 << "2.5" << "1234.5";
    QTest::newRow("negative weight gives negative zakat") << true << "-4" << "Ounce" << "100" << "-10" << 0 << 0 << "-4" << "100";
    QTest::newRow("Unit computes nothing") << true << "10" << "Unit" << "1000" << "previous" << 0 << 0 << "10" << "1000";
    QTest::newRow("lower-case ounce computes nothing") << false << "10" << "ounce" << "1000" << "previous" << 0 << 0 << "10" << "1000";
    QTest::newRow("trailing blank computes nothing") << true << "10" << "Gram " << "1000" << "previous" << 0 << 0 << "10" << "1000";
    QTest::newRow("both zero: gold prompt, reset") << true << "0" << "Ounce" << "0" << "0" << 1 << 0 << "0" << "0";
    QTest::newRow("both zero: silver prompt, reset") << false << "0" << "Gram" << "0" << "0" << 1 << 0 << "0" << "0";
    QTest::newRow("0.00 and 0: prompt, weight rewritten") << true << "0.00" << "Unit" << "0" << "0" << 1 << 0 << "0" << "0";
    QTest::newRow("both empty: prompt, reset") << false << "" << "Tolaas" << "" << "0" << 1 << 0 << "0" << "0";
    QTest::newRow("weight 10, price 0: no prompt") << true << "10" << "Ounce" << "0" << "0" << 0 << 0 << "10" << "0";
    QTest::newRow("empty weight beside a price fails") << true << "" << "Ounce" << "1000" << "previous" << 0 << 1 << "" << "1000";
    QTest::newRow("price abc fails") << true << "10" << "Ounce" << "abc" << "previous" << 0 << 1 << "10" << "abc";
    QTest::newRow("product beyond a double fails") << true << "1E200" << "Ounce" << "1E200" << "previous" << 0 << 1 << "1E200" << "1E200";
    // clang-format on
}

void TestMetalZakat::zakatWhenTheWeightIsLeft() {
    QFETCH(bool, isGold);
    QFETCH(QString, weight);
    QFETCH(QString, unit);
    QFETCH(QString, price);
    QFETCH(QString, zakat);
    QFETCH(int, prompts);
    QFETCH(int, failures);
    QFETCH(QString, weightAfter);
    QFETCH(QString, priceAfter);
    const Row& row = isGold ? gold : silver;

    fillRow(row, weight, unit, price);
    QLabel& label = form1().label(row.zakat);
    label.setText(u"previous"_s); // so that every write can be seen
    const qsizetype promptsBefore = m_t->messageBox.prompts.size();
    const qsizetype failuresBefore = m_t->failures.failures.size();

    QTest::keyClick(&form1().textBox(row.weight), Qt::Key_Tab);

    QTRY_COMPARE(label.text(), zakat);
    QTRY_COMPARE(m_t->messageBox.prompts.size() - promptsBefore, prompts);
    QTRY_COMPARE(m_t->failures.failures.size() - failuresBefore, failures);
    QTRY_COMPARE(form1().textBox(row.weight).text(), weightAfter);
    QCOMPARE(form1().textBox(row.price).text(), priceAfter);
    QCOMPARE(form1().comboBox(row.unit).currentText(), unit);
    if (prompts)
        QCOMPARE(m_t->messageBox.prompts.back(), row.prompt);
}

void TestMetalZakat::anotherUnitRecomputesTheRow() {
    fillRow(gold, u"10"_s, u"Ounce"_s, u"1000"_s);
    QTest::keyClick(&form1().textBox(gold.weight), Qt::Key_Tab);
    QTRY_COMPARE(form1().label(gold.zakat).text(), u"250"_s);

    QVERIFY(chooseItem(form1().comboBox(gold.unit), u"Gram"_s));
    QTest::keyClick(&form1().comboBox(gold.unit), Qt::Key_Tab);
    QTRY_COMPARE(form1().label(gold.zakat).text(), u"8.8"_s);
}

void TestMetalZakat::promptWaitsBeforeTheReset() {
    QVERIFY(typeInto(form1().textBox(gold.weight), u"-0"_s));
    QStringList seenWhileShown;
    m_t->messageBox.whileShown = [&] {
        seenWhileShown = {form1().textBox(gold.weight).text(), form1().textBox(gold.price).text()};
    };
    QTest::keyClick(&form1().textBox(gold.weight), Qt::Key_Tab);
    QTRY_COMPARE(m_t->messageBox.prompts.size(), 1);
    QCOMPARE(seenWhileShown, (QStringList{u"-0"_s, u"0"_s}));
    QTRY_COMPARE(form1().textBox(gold.weight).text(), u"0"_s);
}

QTEST_MAIN(TestMetalZakat)
#include "tst_metalzakat.moc"
