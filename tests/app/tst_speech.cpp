// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader hears away from the focus: each row's zakat as it is
// worked out, and the total, each after the focus has moved, with the name of
// what then has the focus (ctest plays these with a listener on the
// accessibility bus; offscreen has none).
#include "driver.h"

// clang-format off
const std::vector<Row> table = {
    {"speech", "1000 left by Tab is heard as the zakat 25", "Text1=1000; Tab", "heard=Zakat 25 after Total Value of shares, stocks, bonds"},
    {"speech", "Tab through an untouched box is not heard", "Tab; Text2=1000; Tab", "heard=Zakat 25 after Total value of gold/silver certificates"},
    // The unit Kilo keeps the zakat of 250 until the prompt's reset.
    {"speech", "a metal row's prompt and reset are heard as 0", "Text6=1000; Combo2=Ounce; Text5=10; Tab; Combo2=Kilo; Text5=0; Text6=0; Tab", "prompts=gold; heard=Zakat 250 after Current price of gold, per ounce | Zakat 0 after Total weight of silver in jewlery, in the unit beside it"},
    {"speech", "Calculate in Pakistani rupees is heard as 1438.2425", "click Command2; Form2.Combo1=Rs. Pakistan; Text1=1000; Tab; click Form2.Command1", "heard=Zakat 25 after Total Value of shares, stocks, bonds | Total zakat 1438.2425 Rs. Pakistan after Calculate"},
    {"speech", "Clear All is one sentence", "Text1=1000; Tab; Text2=1000; Alt+C", "heard=Zakat 25 after Total Value of shares, stocks, bonds | Zakat 25 after Clear All | Cleared: every amount and zakat is 0 after Clear All"},
    {"speech", "a departure by a click into the results window is heard there", "click Command2; Text1=1000; click Form2.Command1", "heard=Zakat 25 after Calculate"},
};
// clang-format on
