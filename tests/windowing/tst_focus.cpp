// SPDX-License-Identifier: GPL-3.0-or-later
// When a window's LostFocus and Click handlers run: when the focus moves to
// another control or to the program's other window, after the move, and a
// click after whatever its press left pending. Failures end in the report
// and nothing is lost. The main window's rows are the subjects.
#include "driver.h"

// clang-format off
const std::vector<Row> table = {
    // Text5 holding 0.00 beside a price of 0 prompts whenever it is left.
    {"departures", "a click on a label is none", "Text5=0.00; click Label1; click Label14", "focus=Text5; Text5=0.00"},
    {"departures", "the prompt closing is none", "Text5=0.00; Tab; Text5=0.00; Tab", "prompts=gold,gold,gold; visited=Text6,Text6"},
    {"departures", "a move the program made is none, and is undone", "Text5=0.00; moved Text6", "focus=Text5; Text5=0.00"},
    {"departures", "a drop-down list opening is none", "Combo2=Gram; Combo2=Ounce", "focus=Combo2; Combo2=Ounce"},
    {"departures", "another program is none, nor coming back", "Text5=0.00; activate other; activate Form1", "focus=Text5; Text5=0.00; active=Form1"},
    {"departures", "an access key moves the focus first", "Text1=1000; Alt+A", "Label10=25; Form2=shown; focus=Form2.Command1"},
    {"departures", "an access key from within a page", "wait panes; Text1=1000; click Text8; Tab; Alt+C", "Text1=0; focus=Command1; prompts=silver"},
    // A hand's click: the press leaves the box, its LostFocus runs, then the
    // release on the button clicks it.
    {"clicks", "Clear All after the prompt its press brought", "Text1=1000; Tab; Text5=0.00; click Command1", "prompts=gold; atPrompt.Text5=0.00; Text5=0; Text1=0; Label10=0; focus=Command1"},
    {"clicks", "C&alculate after the failure report its press brought", "Text1=abc; click Command2", "failures=1; Text1=abc; Form2=shown"},
    {"clicks", "a press dragged off the button leaves the box, and clicks nothing", "Text1=1000; Tab; Text5=0.00; drag Command1 to Label1", "prompts=gold; Text5=0; Text1=1000; Label10=25"},
    {"clicks", "a press on a unit box's arrow leaves the box; the list goes before the prompt", "Text5=0.00; open Combo2", "prompts=gold; Text5=0; focus=Combo2; Combo2=Unit; list="},
    {"clicks", "a list opened from a box stays open after the release", "Text6=1000; open Combo2", "list=Combo2; focus=Combo2; Text6=1000; Label14=0"},
    {"clicks", "a press into a page leaves the box; the page sees the button go up", "wait panes; Text5=0.00; click WebBrowser2#price", "prompts=gold; Text5=0; held.WebBrowser2=no; field.WebBrowser2=price"},
    // Both windows side by side: going to the other one leaves the box, coming
    // back leaves nothing.
    {"two windows", "an amount not yet left counts in the results", "click Command2; Form2.Combo1=$. US Dollars; click Form2.Command1; Text1=4000; click Form2.Command1", "Label10=100; Form2.Label4=100; active=Form2"},
    {"two windows", "the window manager's switch leaves it, coming back does not, Tab does", "click Command2; Text5=0.00; activate Form2; activate Form1; Tab", "prompts=gold,gold; visited=Text6"},
    {"two windows", "a click on Calculate after the prompt its switch brought", "click Command2; Text5=0; click Form2.Command1", "prompts=gold; Form2.Label2=0  Unit; focus=Form2.Command1; active=Form2"},
    // The release of a press into a window closed meanwhile lands on another
    // program: the calculator never sees it.
    {"two windows", "a release that never comes holds nothing back", "click Command2; Text1=1000; press Form2.Label4; close Form2; release outside", "Label10=25; Form2=not loaded; buttons=down"},
    {"two windows", "and the user works on", "click Command2; Text1=1000; press Form2.Label4; close Form2; release outside; activate Form1; Tab; type 2000; Tab; click Text4", "Label10=25; Label11=50; Form2=not loaded; focus=Text4"},
    {"two windows", "through another program to the results", "click Command2; Form2.Combo1=$. US Dollars; click Form2.Command1; Text1=4000; activate other; click Form2.Command1", "Label10=100; Form2.Label4=100; active=Form2"},
    // At once after start, while the browser engine starts (ctest plays each
    // row again alone, in a process of its own, on a machine made busy).
    {"quick user", "two amounts typed at once", "type 1000; Tab; type 2000; Tab", "Text1=1000; Label10=25; Text2=2000; Label11=50; focus=Text3"},
    {"quick user", "results, a click into the gold weight, Calculate", "Alt+A; click Text5; click Form2.Command1", "prompts=gold; Form2.Label2=0  Unit; focus=Form2.Command1; active=Form2"},
    {"quick user", "then a click into the gold price prompts once", "Alt+A; Text5=0.00; click Form2.Command1; click Text6", "prompts=gold; Form2.Label2=0  Unit; focus=Text6; Text5=0"},
};
// clang-format on
