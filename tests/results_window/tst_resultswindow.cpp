// SPDX-License-Identifier: GPL-3.0-or-later
// The results window: how it opens, and "Calculate" in each currency from
// what the main window's rows hold.
#include "driver.h"

// clang-format off
const std::vector<Row> table = {
    {"opening", "centred over the main window", "click Command2", "rect.Form2=298,283,426,242"},
    {"opening", "Calculate focused, nothing shown yet", "click Command2", "Form2=shown; focus=Form2.Command1; Form2.Combo1=Currency; Form2.Label2=; Form2.Label3=; Form2.Label4=; Form2.Label5="},
    {"opening", "currency list in its order, value labels beside their captions", "click Command2", "items.Form2.Combo1=$. US Dollars,Rs. Pakistan,Rs. India,$. Canadian; rect.Form2.Label8=64,96,73,17; rect.Form2.Label2=184,104,89,17; rect.Form2.Label3=184,136,89,17; rect.Form2.Label5=312,168,97,17; rect.Form2.Command1=184,208,89,25"},
    {"opening", "Tab from Calculate to the currency and back", "click Command2; Tab; Tab", "visited=Form2.Combo1,Form2.Command1"},
    {"opening", "Return on Calculate as the window opens", "Text5=2.5; Tab; click Command2; Return", "Form2.Label2=2.5  Unit; Form2.Label4="},
    {"opening", "the keypad's Enter on Calculate", "Text1=4000; Tab; click Command2; Form2.Combo1=$. US Dollars; Shift+Tab; Num+Enter", "Form2.Label4=100; focus=Form2.Command1"},
    // A cash amount of 4000 is a zakat of 100.
    {"totals", "100 in Pakistani rupees", "Text1=4000; click Command2; Form2.Combo1=Rs. Pakistan; click Form2.Command1", "Form2.Label4=5752.97; Form2.Label5=Rs. Pakistan; Form2.Label2=0  Unit; Form2.Label3=0  Unit"},
    {"totals", "100 in Indian rupees", "Text1=4000; click Command2; Form2.Combo1=Rs. India; click Form2.Command1", "Form2.Label4=4534.98; Form2.Label5=Rs. India"},
    {"totals", "100 in US dollars, shares and certificates", "Text2=2400; Text3=1600; click Command2; Form2.Combo1=$. US Dollars; click Form2.Command1", "Form2.Label4=100; Form2.Label5=$. US Dollars"},
    {"totals", "100 in Canadian dollars", "Text4=4000; click Command2; Form2.Combo1=$. Canadian; click Form2.Command1", "Form2.Label4=131.32; Form2.Label5=$. Canadian"},
    {"totals", "-100 in Pakistani rupees", "Text1=-4000; click Command2; Form2.Combo1=Rs. Pakistan; click Form2.Command1", "Form2.Label4=-5752.97"},
    {"totals", "halves to even: 12.5 and 13.5 are 26", "Text1=500; Text2=540; click Command2; Form2.Combo1=$. US Dollars; click Form2.Command1", "Label10=12.5; Label11=13.5; Form2.Label4=26"},
    {"totals", "each rounded first: 12.5 and 12.5 are 24", "Text1=500; Text2=500; click Command2; Form2.Combo1=$. US Dollars; click Form2.Command1", "Form2.Label4=24"},
    {"totals", "all six rows", "Text1=1000; Text2=2000; Text3=3000; Text4=4000; Text6=1000; Combo2=Gram; Text5=10; Text8=20; Combo3=Ounce; Text7=10; click Command2; Form2.Combo1=$. US Dollars; click Form2.Command1", "Label14=8.8; Label15=5; Form2.Label4=264; Form2.Label2=10  Gram; Form2.Label3=10  Ounce"},
    {"totals", "weight lines as typed", "Text5=2.5; Combo2=ounce ; Text7=abc; click Command2; click Form2.Command1", "failures=1; Form2.Label2=2.5  ounce ; Form2.Label3=abc  Unit"},
    {"totals", "a currency in lower case is none", "Text1=4000; click Command2; Form2.Combo1=rs. pakistan; click Form2.Command1", "Form2.Label4=; Form2.Label5="},
    {"totals", "the first partial sum overflows", "Text1=85899345880; Text2=40; Text3=-80; click Command2; Form2.Combo1=$. US Dollars; click Form2.Command1", "Label10=2147483647; failures=1; Form2.Label2=0  Unit; Form2.Label4="},
    {"totals", "no listed currency: weight lines only, no sum, no overflow", "Text1=85899345880; Text2=40; Text3=-80; click Command2; click Form2.Command1", "Form2.Label2=0  Unit; Form2.Label4=; Form2.Label5="},
    {"totals", "the largest sum fits", "Text1=85899345840; Text2=40; click Command2; Form2.Combo1=$. US Dollars; click Form2.Command1", "Form2.Label4=2147483647"},
    {"totals", "a zakat beyond 32 bits writes nothing", "Text2=120000000000; Text5=7; click Command2; Form2.Combo1=Rs. India; click Form2.Command1", "Label11=3000000000; failures=1; Form2.Label2=; Form2.Label4="},
    {"totals", "results follow only Calculate", "Text1=4000; click Command2; Form2.Combo1=$. US Dollars; click Form2.Command1; Text2=4000; Tab; click Command2; click Command1", "Form2.Label4=100; Form2.Combo1=$. US Dollars; Label10=0; Form2=shown"},
    {"totals", "after Clear All the total is 0", "Text1=4000; Combo2=Gram; click Command1; click Command2; Form2.Combo1=Rs. India; click Form2.Command1", "prompts=gold; Form2.Label4=0; Form2.Label2=0  Gram"},
};
// clang-format on
