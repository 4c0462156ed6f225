// With a comma as the decimal separator, as ctest runs it (LC_ALL=de_DE.UTF-8).
#include "driver.h"

#include <QTest>

class TestRegional : public QObject {
    Q_OBJECT

private slots:
    void commaRegion_data();
    void commaRegion() { playRow(); }
};

void TestRegional::commaRegion_data() {
    addBehaviourColumns();
    // clang-format off
    row("a decimal comma", "Text2=1234,5; Tab", "Label11=30,8625; Text2=1234,5");
    row("a dot groups thousands", "Text2=1.234,5; Tab", "Label11=30,8625");
    row("a dot between digits is a group", "Text2=1234.5; Tab", "Label11=308,625");
    row("a dot before the digits is no number", "Text2=.5; Tab", "failures=1");
    row("gold and the total in rupees", "Text6=1234,5; Combo2=Ounce; Text5=2,5; Tab; Text1=1.234,5; Tab; click Command2; Form2.Combo1=Rs. Pakistan; click Form2.Command1", "Label14=77,15625; Label10=30,8625; Form2.Label4=6213,2076; Form2.Label2=2,5  Ounce");
    // clang-format on
}

QTEST_MAIN(TestRegional)
#include "tst_regional.moc"
