// The main window as a user meets it: what it shows at start, the zakat of
// each row as its inputs are left, "&Clear All" and the tab order.
#include "driver.h"

#include <QTest>

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void startUp_data();
    void startUp() { playRow(); }
    void cashRows_data();
    void cashRows() { playRow(); }
    void metalRows_data();
    void metalRows() { playRow(); }
    void clearAll_data();
    void clearAll() { playRow(); }
    void tabOrder_data();
    void tabOrder() { playRow(); }
};

void TestMainWindow::startUp_data() {
    addBehaviourColumns();
    // clang-format off
    row("every input and zakat label 0", "", "Text1=0; Text2=0; Text3=0; Text4=0; Text5=0; Text6=0; Text7=0; Text8=0; Label10=0; Label11=0; Label12=0; Label13=0; Label14=0; Label15=0; Combo2=Unit; Combo3=Unit; focus=Text1; Form1=shown; Form2=none");
    row("client area where placed, at its size", "", "rect.Form1=170,140,681,528");
    row("panes side by side, gold on the left", "", "rect.WebBrowser2=176,80,177,129; rect.WebBrowser1=360,80,177,129");
    row("rows and columns", "", "rect.Label18=144,360,177,17; rect.Text1=352,288,73,21; rect.Text8=352,456,73,21; rect.Combo3=432,432,57,21; rect.Label15=496,432,89,17");
    row("rightmost and lowest controls", "", "rect.Label16=480,256,105,17; rect.Command2=352,488,65,25; rect.Command1=264,488,73,25");
    row("banner, hint and headings", "", "font.Label20=Monotype Corsiva 36 bold italic; color.Label20=#00c000; font.Label8=Arial 20.25 bold italic underline; color.Label8=#00c000; Label9=Insert Amount only; font.Label9=Verdana 11.25 bold; color.Label9=#ff8000; Label19=Assests; font.Label17=Verdana 11.25 bold");
    row("captions as written", "", "Label1=Cash & minimum Balance in the Bank ; Label16=% of Zakat ; Label6=Total weight of silver in jewlery; Label4=Total weight of gold in Jewelry; Command1=&Clear All; Command2=C&alculate");
    row("unit lists", "", "items.Combo2=Tolaas,Ounce,Gram; items.Combo3=Tolaas,Ounce,Gram");
    row("pages beside the program", "wait panes", "title.WebBrowser1=Silver price; title.WebBrowser2=Gold price");
    // clang-format on
}

void TestMainWindow::cashRows_data() {
    addBehaviourColumns();
    // clang-format off
    row("1000 gives 25", "Text1=1000; Tab", "Label10=25; Text1=1000; focus=Text2");
    row("123.45 gives 3.08625, left backwards", "Text2=123.45; Shift+Tab", "Label11=3.08625; focus=Text1");
    row("0.1 gives 0.0025, left by a click", "Text3=0.1; click Text1", "Label12=0.0025; focus=Text1");
    row("100000 gives 2500", "Text4=100000; Tab", "Label13=2500");
    row("a negative amount, a negative zakat", "Text1=-400; Tab", "Label10=-10; Text1=-400");
    row("group separator read, kept in the box", "Text2=1,000; Tab", "Label11=25; Text2=1,000");
    row("the amount is never reformatted", "Text3= 1234.50; Tab", "Label12=30.8625; Text3= 1234.50");
    row("empty becomes 0", "Text4=; Tab", "Text4=0; Label13=0");
    row("-0 becomes 0", "Text2=-0; Tab", "Text2=0; Label11=0");
    row("0.00 with blanks becomes 0", "Text1=1000; Tab; Text1= 0.00 ; Tab", "Text1=0; Label10=0");
    row("abc kept, label kept, failure reported", "Text1=1000; Tab; Text1=abc; Tab", "Text1=abc; Label10=25; failures=1; report=\"abc\" is not a number.");
    row("a blank inside is no number", "Text2=1 000; Tab", "Text2=1 000; Label11=0; failures=1");
    row("an exponent needs digits", "Text3=1E; Tab", "Text3=1E; failures=1");
    row("beyond the largest double", "Text4=1E400; Tab", "Label13=0; failures=1; report=\"1E400\" is larger than the largest number the calculator can hold.");
    row("a row changes only its own label", "Text2=1000; Tab; Text3=2000; Tab", "Label10=0; Label11=25; Label12=50; Label13=0; Label14=0");
    // clang-format on
}

void TestMainWindow::metalRows_data() {
    addBehaviourColumns();
    // clang-format off
    row("10 oz at 1000 gives 250", "Text6=1000; Combo2=Ounce; Text5=10; Tab", "Label14=250; Text5=10; Text6=1000; Combo2=Ounce");
    row("10 g at 1000 gives 8.8", "Text6=1000; Combo2=Gram; Text5=10; Tab", "Label14=8.8");
    row("10 tola at 1000 gives 105.6", "Text6=1000; Combo2=Tolaas; Text5=10; Tab", "Label14=105.6");
    row("1 tola of silver at 1000 gives 10.56", "Text8=1000; Combo3=Tolaas; Text7=1; Tab", "Label15=10.56; focus=Command1");
    row("100 g of silver at 1000 gives 88", "Text8=1000; Combo3=Gram; Text7=100; Tab", "Label15=88; Label14=0");
    row("2.5 oz at 1234.5 gives 77.15625", "Text8=1234.5; Combo3=Ounce; Text7=2.5; Tab", "Label15=77.15625");
    row("a negative weight, a negative zakat", "Text6=100; Combo2=Ounce; Text5=-4; Tab", "Label14=-10");
    row("leaving the unit box recomputes", "Text6=1000; Text5=10; Combo2=Gram; Tab", "Label14=8.8; focus=Combo3");
    row("another unit recomputes the row", "Text6=1000; Combo2=Ounce; Text5=10; Tab; Combo2=Tolaas; Tab", "Label14=105.6");
    row("a unit in lower case computes nothing", "Text6=1000; Combo2=Ounce; Text5=10; Tab; Combo2=ounce; Tab", "Label14=250; Combo2=ounce");
    row("a unit with a trailing blank computes nothing", "Text6=1000; Combo2=Gram; Text5=10; Tab; Combo2=Gram ; Tab", "Label14=8.8; Combo2=Gram ");
    row("Unit computes nothing", "Text6=1000; Text5=10; Tab", "Label14=0");
    row("both zero: gold prompt, then the reset", "Text5=0.00; Tab", "prompts=gold; atPrompt.Text5=0.00; atPrompt.Text6=0; Text5=0; Text6=0; Label14=0; focus=Text6");
    row("both zero: silver prompt only", "Text7=-0; Tab", "prompts=silver; atPrompt.Text7=-0; Text7=0; Label15=0; Label14=0");
    row("both empty: prompt and reset, after a failure", "Text8=; Text7=; Tab", "failures=1; prompts=silver; Text7=0; Text8=0; Label15=0");
    row("weight 10, price 0: no prompt, zakat 0", "Text5=10; Combo2=Ounce; Tab", "Label14=0; Text5=10; Text6=0");
    row("an empty weight beside a price fails", "Text6=1000; Text5=; Tab", "failures=1; report=An empty box was found where a number is needed.; Text5=; Text6=1000; Label14=0");
    row("price abc fails on every departure", "Text6=1000; Combo2=Ounce; Text5=10; Tab; Text6=abc; Tab", "failures=1; Text6=abc; Label14=250");
    row("a product beyond a double fails", "Text6=1E200; Combo2=Ounce; Text5=1E200; Tab", "failures=1; Label14=0; Text5=1E200");
    // clang-format on
}

void TestMainWindow::clearAll_data() {
    addBehaviourColumns();
    // clang-format off
    row("inputs and zakat to 0, the unit kept", "Text1=1000; Tab; Text6=1000; Combo2=Gram; Text5=10; Tab; click Command1", "Text1=0; Text5=0; Text6=0; Label10=0; Label14=0; Combo2=Gram; Combo3=Unit; Form2=none; focus=Command1");
    row("Alt+C leaves the box first", "Text5=0.00; Alt+C", "prompts=gold; atPrompt.Text5=0.00; Text5=0; focus=Command1");
    row("a click leaves the box first", "Text5=0.00; click Command1", "prompts=gold; atPrompt.Text5=0.00; Text5=0");
    row("twice is once", "Text2=50; Tab; click Command1; click Command1", "Text2=0; Label11=0; Combo2=Unit");
    // clang-format on
}

void TestMainWindow::tabOrder_data() {
    addBehaviourColumns();
    // Every departure from a row of zeros prompts for that row's price.
    // clang-format off
    row("Tab through the window", "wait panes; Tab; Tab; Tab; Tab; Tab; Tab; Tab; Tab; Tab; Tab; Tab; Tab; Tab; Tab", "visited=Text2,Text3,Text4,Text5,Text6,Text7,Command1,Command2,Combo2,Combo3,Text8,WebBrowser1,WebBrowser2,Text1; prompts=gold,gold,silver,gold,silver,silver");
    row("Shift+Tab back", "wait panes; Shift+Tab; Shift+Tab; Shift+Tab; Shift+Tab; Shift+Tab; Shift+Tab; Shift+Tab; Shift+Tab; Shift+Tab; Shift+Tab; Shift+Tab; Shift+Tab; Shift+Tab; Shift+Tab", "visited=WebBrowser2,WebBrowser1,Text8,Combo3,Combo2,Command2,Command1,Text7,Text6,Text5,Text4,Text3,Text2,Text1; prompts=silver,silver,gold,silver,gold,gold");
    // clang-format on
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
