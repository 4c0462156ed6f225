// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as a user meets it: what it shows at start, the zakat of
// each row as its inputs are left, "&Clear All" and the tab order.
#include "driver.h"

// clang-format off
const std::vector<Row> table = {
    {"startUp", "every input and zakat label 0", "", "Text1=0; Text2=0; Text3=0; Text4=0; Text5=0; Text6=0; Text7=0; Text8=0; Label10=0; Label11=0; Label12=0; Label13=0; Label14=0; Label15=0; Combo2=Unit; Combo3=Unit; focus=Text1; Form1=shown; Form2=none"},
    {"startUp", "client area where placed, at its size", "", "rect.Form1=170,140,681,528"},
    {"startUp", "panes side by side, gold on the left; rows, columns, the rightmost and lowest controls", "", "rect.WebBrowser2=176,80,177,129; rect.WebBrowser1=360,80,177,129; rect.Label18=144,360,177,17; rect.Text1=352,288,73,21; rect.Text8=352,456,73,21; rect.Combo3=432,432,57,21; rect.Label15=496,432,89,17; rect.Label16=480,256,105,17; rect.Command2=352,488,65,25; rect.Command1=264,488,73,25"},
    {"startUp", "hint, headings, captions and unit lists as written", "", "items.Combo2=Tolaas,Ounce,Gram; items.Combo3=Tolaas,Ounce,Gram; Label9=Insert Amount only; Label19=Assests; Label1=Cash & minimum Balance in the Bank ; Label16=% of Zakat ; Label6=Total weight of silver in jewlery; Label4=Total weight of gold in Jewelry; Command1=&Clear All; Command2=C&alculate"},
    {"startUp", "pages beside the program", "wait panes", "title.WebBrowser1=Silver price; title.WebBrowser2=Gold price"},
    {"cashRows", "1000 gives 25", "Text1=1000; Tab", "Label10=25; Text1=1000; focus=Text2"},
    {"cashRows", "123.45 gives 3.08625, left backwards", "Text2=123.45; Shift+Tab", "Label11=3.08625; focus=Text1"},
    {"cashRows", "0.1 gives 0.0025, left by a click", "Text3=0.1; click Text1", "Label12=0.0025; focus=Text1"},
    {"cashRows", "a negative amount, a negative zakat", "Text1=-400; Tab", "Label10=-10; Text1=-400"},
    {"cashRows", "group separator read, the amount never reformatted", "Text2=1,000; Tab; Text3= 1234.50; Tab", "Label11=25; Text2=1,000; Label12=30.8625; Text3= 1234.50"},
    {"cashRows", "empty, -0 and 0.00 with blanks become 0", "Text2=-0; Tab; Text4=; Shift+Tab; Text1=1000; Tab; Text1= 0.00 ; Tab", "Text4=0; Label13=0; Text2=0; Label11=0; Text1=0; Label10=0"},
    {"cashRows", "abc kept, label kept, failure reported", "Text1=1000; Tab; Text1=abc; Tab", "Text1=abc; Label10=25; failures=1; report=\"abc\" is not a number."},
    {"cashRows", "beyond the largest double", "Text4=1E400; Tab", "Label13=0; failures=1; report=\"1E400\" is larger than the largest number the calculator can hold."},
    {"cashRows", "a row changes only its own label", "Text2=1000; Tab; Text3=2000; Tab", "Label10=0; Label11=25; Label12=50; Label13=0; Label14=0"},
    {"metalRows", "10 oz at 1000 gives 250", "Text6=1000; Combo2=Ounce; Text5=10; Tab", "Label14=250; Text5=10; Text6=1000; Combo2=Ounce"},
    {"metalRows", "1 tola of silver at 1000 gives 10.56", "Text8=1000; Combo3=Tolaas; Text7=1; Tab", "Label15=10.56; focus=Command1"},
    {"metalRows", "leaving the unit box recomputes: 10 g at 1000 gives 8.8", "Text6=1000; Text5=10; Combo2=Gram; Tab", "Label14=8.8; focus=Combo3"},
    {"metalRows", "another unit recomputes the row: 10 tola at 1000 gives 105.6", "Text6=1000; Combo2=Ounce; Text5=10; Tab; Combo2=Tolaas; Tab", "Label14=105.6"},
    {"metalRows", "a unit in lower case computes nothing", "Text6=1000; Combo2=Gram; Text5=10; Tab; Combo2=ounce; Tab", "Label14=8.8; Combo2=ounce"},
    {"metalRows", "a unit with a trailing blank computes nothing", "Text6=1000; Combo2=Ounce; Text5=10; Tab; Combo2=Gram ; Tab", "Label14=250; Combo2=Gram "},
    {"metalRows", "Return in a unit box adds nothing to its list", "Combo3=Kilo; Return; Tab", "items.Combo3=Tolaas,Ounce,Gram; Combo3=Kilo; prompts=silver"},
    {"metalRows", "both zero: gold prompt, then the reset", "Text5=0.00; Tab", "prompts=gold; atPrompt.Text5=0.00; atPrompt.Text6=0; Text5=0; Text6=0; Label14=0; focus=Text6"},
    {"metalRows", "both zero: silver prompt only", "Text7=-0; Tab", "prompts=silver; atPrompt.Text7=-0; Text7=0; Label15=0; Label14=0"},
    {"metalRows", "both empty: prompt and reset, after a failure", "Text8=; Text7=; Tab", "failures=1; prompts=silver; Text7=0; Text8=0; Label15=0"},
    {"metalRows", "weight 10, price 0: no prompt, zakat 0", "Text5=10; Combo2=Ounce; Tab", "Label14=0; Text5=10; Text6=0"},
    {"metalRows", "an empty weight beside a price fails", "Text6=1000; Text5=; Tab", "failures=1; report=An empty box was found where a number is needed.; Text5=; Text6=1000; Label14=0"},
    {"metalRows", "a product beyond a double fails", "Text6=1E200; Combo2=Ounce; Text5=1E200; Tab", "failures=1; Label14=0; Text5=1E200"},
    {"clearAll", "inputs and zakat to 0, the unit kept", "Text1=1000; Tab; Text6=1000; Combo2=Gram; Text5=10; Tab; click Command1", "Text1=0; Text5=0; Text6=0; Label10=0; Label14=0; Combo2=Gram; Combo3=Unit; Form2=none; focus=Command1"},
    {"clearAll", "Alt+C leaves the box first", "Text5=0.00; Alt+C", "prompts=gold; atPrompt.Text5=0.00; Text5=0; focus=Command1"},
    // Return and the keypad's Enter press the focused button; no button is
    // the window's default.
    {"keys on buttons", "Return on Clear All reached by Tab", "Text1=1000; Tab; Text7=5; Tab; Return", "Text1=0; Text7=0; Label10=0; focus=Command1"},
    {"keys on buttons", "Enter on C&alculate", "Text7=5; Tab; Tab; Enter", "Form2=shown; focus=Form2.Command1"},
    {"keys on buttons", "Return in a box presses nothing", "Text1=1000; Return", "Text1=1000; Label10=0; Form2=none; focus=Text1"},
    // Every departure from a row of zeros prompts for that row's price. A
    // page's four fields (price, its unit, weight, its unit) come before the
    // next control.
    {"tabOrder", "Tab through the window", "wait panes; Tab; Tab; Tab; Tab; Tab; Tab; Tab; Tab; Tab; Tab; Tab; Tab; Tab; Tab; Tab; Tab; Tab; Tab; Tab; Tab", "visited=Text2,Text3,Text4,Text5,Text6,Text7,Command1,Command2,Combo2,Combo3,Text8,WebBrowser1,WebBrowser1,WebBrowser1,WebBrowser1,WebBrowser2,WebBrowser2,WebBrowser2,WebBrowser2,Text1; prompts=gold,gold,silver,gold,silver,silver"},
    {"tabOrder", "Shift+Tab back", "wait panes; Shift+Tab; Shift+Tab; Shift+Tab; Shift+Tab; Shift+Tab; Shift+Tab; Shift+Tab; Shift+Tab; Shift+Tab; Shift+Tab; Shift+Tab; Shift+Tab; Shift+Tab; Shift+Tab; Shift+Tab; Shift+Tab; Shift+Tab; Shift+Tab; Shift+Tab; Shift+Tab", "visited=WebBrowser2,WebBrowser2,WebBrowser2,WebBrowser2,WebBrowser1,WebBrowser1,WebBrowser1,WebBrowser1,Text8,Combo3,Combo2,Command2,Command1,Text7,Text6,Text5,Text4,Text3,Text2,Text1; prompts=silver,silver,gold,silver,gold,gold"},
    {"tabOrder", "the first Tab into a page reaches its first field", "wait panes; click Combo3; Tab; Tab", "focus=WebBrowser1; field.WebBrowser1=price; prompts=silver,silver"},
    {"tabOrder", "Shift+Tab into a page reaches its last field", "wait panes; Shift+Tab", "focus=WebBrowser2; field.WebBrowser2=unit"},
};
// clang-format on
