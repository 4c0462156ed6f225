// SPDX-License-Identifier: GPL-3.0-or-later
// When a window's LostFocus and Click handlers run: only when the focus
// moves to another control of the same window, after the move, and a click
// after whatever is pending. Failures end in the report and nothing is lost.
// The main window's rows are the subjects.
#include "driver.h"

// clang-format off
const std::vector<Table> tables = {
    // Text5 holding 0.00 beside a price of 0 prompts whenever it is left.
    {"departures", {
        {"Tab is a departure", "Text5=0.00; Tab", "prompts=gold; focus=Text6"},
        {"a click on a label is none", "Text5=0.00; click Label1; click Label14", "focus=Text5; Text5=0.00"},
        {"the prompt closing is none", "Text5=0.00; Tab; Text5=0.00; Tab", "prompts=gold,gold,gold; visited=Text6,Text6"},
        {"a move the program made is none, and is undone", "Text5=0.00; moved Text6", "focus=Text5; Text5=0.00"},
        {"a drop-down list opening is none", "Combo2=Gram; Combo2=Ounce", "focus=Combo2; Combo2=Ounce"},
        {"another window is none, the next move is one", "click Command2; Text5=0.00; activate Form2; activate Form1; Tab", "prompts=gold; visited=Text6"},
        {"an access key moves the focus first", "Text1=1000; Alt+A", "Label10=25; Form2=shown; focus=Form2.Command1"},
        {"an access key from within a page", "wait panes; Text1=1000; click Text8; Tab; Alt+C", "Text1=0; focus=Command1; prompts=silver"},
        {"after a failure the program goes on", "Text1=abc; Tab; Text2=1000; Tab", "failures=1; Text1=abc; Label11=25; Form1=shown"},
    }},
    // At once after start, while the browser engine starts (ctest plays each
    // row again alone, in a process of its own, on a machine made busy).
    {"quick user", {
        {"two amounts typed at once", "type 1000; Tab; type 2000; Tab", "Text1=1000; Label10=25; Text2=2000; Label11=50; focus=Text3"},
        {"results, a click into the gold weight, Calculate", "Alt+A; click Text5; click Form2.Command1", "Form2.Label2=0  Unit; focus=Form2.Command1"},
        {"then a click into the gold price prompts once", "Alt+A; click Text5; click Form2.Command1; click Text6", "prompts=gold; focus=Text6; Text5=0"},
    }},
};
// clang-format on
