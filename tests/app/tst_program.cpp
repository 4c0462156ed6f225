// SPDX-License-Identifier: GPL-3.0-or-later
// The program's two windows over their lives, its identity, a long session,
// and the windows in a German session (ctest runs this program again
// as tst_regional with LC_ALL=de_DE.UTF-8).
#include "driver.h"

// clang-format off
const std::vector<Row> table = {
    {"life cycle", "a second C&alculate keeps the results", "click Command2; Form2.Combo1=Rs. India; click Form2.Command1; click Command2", "Form2.Label5=Rs. India; Form2.Label4=0; Form2=shown; quit=0"},
    {"life cycle", "the main window stays usable beside the results", "click Command2; Text1=4000; Tab", "Label10=100; Form2=shown"},
    {"life cycle", "closed results reopen as new", "click Command2; Form2.Combo1=$. Canadian; click Form2.Command1; close Form2; click Command2", "Form2.Combo1=Currency; Form2.Label4=; Form2.Label5=; quit=0"},
    {"life cycle", "Calculate loads a closed main window, hidden", "Text5=10; Combo2=Gram; click Command2; close Form1; Form2.Combo1=$. US Dollars; click Form2.Command1", "Form1=hidden; Form2.Label2=0  Unit; Form2.Label4=0; quit=0"},
    {"life cycle", "that hidden window does not keep the program", "click Command2; close Form1; click Form2.Command1; close Form2", "quit=1; Form1=not loaded; Form2=not loaded"},
    {"life cycle", "the main window alone ends it", "close Form1", "quit=1; Form1=not loaded; Form2=none"},
    {"life cycle", "main, then results, both closed", "click Command2; close Form1; close Form2", "quit=1"},
    {"life cycle", "results, then main", "click Command2; close Form2; close Form1", "quit=1"},
    // A display name would be appended to every caption on X11.
    {"identity", "name, version and caption", "", "application=Al-Tavesh 1.00, Al-Tavesh; caption.Form1=Al Tavesh Zakat Calculator; caption.Form2=Zakat Results"},
    // Both windows in turn, with prompts, a failure, drop-down lists and Clear All.
    {"a long session", "every input as typed, or 0 where reset", "wait panes; Text1=1000; Alt+A; Form2.Combo1=Rs. India; click Form2.Command1; Text2=abc; Tab; Combo2=Gram; Text6=1000; Text5=10; Tab; Alt+C; close Form2; activate Form1; Text7=5; Combo3=Ounce; Text8=20; Shift+Tab; Text4=400; Tab; click Command2; Form2.Combo1=$. US Dollars; click Form2.Command1", "Text1=0; Text2=0; Text3=0; Text4=400; Text5=0; Text6=0; Text7=5; Text8=20; Label10=0; Label13=10; Label14=0; Label15=2.5; Combo2=Gram; Combo3=Ounce; prompts=gold,gold; failures=1; Form2.Label4=12; Form2.Label2=0  Gram; Form2.Label3=5  Ounce"},
    // Numbers the chart pages write are typed into the program: the page
    // writes the program's separators, whatever the language (ctest plays
    // these again with the language and the number format set apart).
    {"point region", "what the gold page writes is read", "wait panes; WebBrowser2#price=100; Text6=2840.91; Combo2=Gram; Text5=10; Tab", "WebBrowser2#result=2840.91; Label14=25.000008"},
    {"comma region", "what the gold page writes is read", "wait panes; WebBrowser2#price=100; Text6=2840,91; Combo2=Gram; Text5=10; Tab", "WebBrowser2#result=2840,91; Label14=25,000008"},
    {"comma region", "gold and the total in rupees", "Text6=1234,5; Combo2=Ounce; Text5=2,5; Tab; Text1=1.234,5; Tab; click Command2; Form2.Combo1=Rs. Pakistan; click Form2.Command1", "Label14=77,15625; Label10=30,8625; Form2.Label4=6213,2076; Form2.Label2=2,5  Ounce"},
    // Typed as the region's keyboards give them: the full stop, or the
    // region's digits and separator; written with Latin digits and a full stop.
    {"arabic region", "Arabic digits, the total in rupees", "Text2=١٢٣٤٫٥; Tab; Text6=١٠٠٠; Combo2=Ounce; Text5=١٠; Tab; click Command2; Form2.Combo1=Rs. Pakistan; click Form2.Command1", "Label11=30.8625; Label14=250; Form2.Label4=16165.8457; Form2.Label2=١٠  Ounce"},
    {"arabic region", "what the gold page writes is read", "wait panes; WebBrowser2#price=١٠٠; Text6=2840.91; Combo2=Gram; Text5=١٠; Tab", "WebBrowser2#result=2840.91; Label14=25.000008"},
    {"persian region", "Persian digits and separator", "Text1=۱۰۰۰; Tab; Text2=۱۲٫۵; Tab", "Label10=25; Label11=0.3125"},
    {"persian region", "digits of two scripts are no number", "Text3=۱0; Tab", "failures=1; report=\"۱0\" is not a number.; Label12=0"},
    {"persian region", "what the silver page writes is read", "wait panes; WebBrowser1#price=۱۰۰; Text8=2840.91; Combo3=Gram; Text7=۱۰; Tab", "WebBrowser1#result=2840.91; Label15=25.000008"},
};
// clang-format on
