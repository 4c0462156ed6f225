// SPDX-License-Identifier: GPL-3.0-or-later
// What a user types and picks on a chart page, and what the page then shows:
// the price to type into the calculator | the nisab line. The install check
// plays these rows in the panes of the installed program, in an English and
// in a German session; a row plays where its page and language are shown.
"use strict";
(() => {
  const hint = "Enter a price above 0";
  const gold = "Nisab: 87.48 g of gold (7.5 tola)";
  const silver = "Nisab: 612.36 g of silver (52.5 tola)";
  const rows = [
    // name, page, browser language, typed price, quoted per, shown
    ["100 a gram", "gold", "en", "100", "per gram", `2840.91 | ${gold}`],
    ["1000 per 10 grams", "gold", "en", "1000", "per 10 g", `2840.91 | ${gold}`],
    ["11663.8 a tola", "silver", "en", "11663.8", "per tola", `28409.09 | ${silver}`],
    ["a troy ounce", "silver", "en", "31.1035", "per troy oz", `28.41 | ${silver}`],
    ["a comma read as the decimal point", "gold", "en", " 11663,8 ", "per tola", `28409.09 | ${gold}`],
    ["nothing typed, nothing shown", "gold", "en", "", "per gram", ` | ${gold}`],
    ["zero is no price", "gold", "en", "0", "per gram", `${hint} | ${gold}`],
    ["a negative price", "gold", "en", "-5", "per gram", `${hint} | ${gold}`],
    ["words", "silver", "en", "abc", "per tola", `${hint} | ${silver}`],
    ["grouped thousands", "gold", "en", "1,234.5", "per gram", `${hint} | ${gold}`],
    ["beyond any number", "gold", "en", "9".repeat(400), "per gram", `${hint} | ${gold}`],
    ["German: a decimal comma, no grouping", "gold", "de", "11663800", "per tola",
     "28409090,91 | Nisab: 87,48 g of gold (7,5 tola)"],
    ["German: a typed point still read", "silver", "de", "100.0", "per gram",
     "2840,91 | Nisab: 612,36 g of silver (52,5 tola)"],
  ];

  const page = document.title.startsWith("Gold") ? "gold" : "silver";
  const price = document.getElementById("price");
  const per = document.getElementById("per");
  const failed = [];
  let played = 0;
  for (const [name, forPage, language, typed, quotedPer, expected] of rows) {
    if (forPage !== page || !navigator.language.startsWith(language))
      continue;
    ++played;
    // What typing and picking from the list raise.
    price.value = typed;
    price.dispatchEvent(new Event("input"));
    per.selectedIndex = [...per.options].findIndex((o) => o.text === quotedPer);
    per.dispatchEvent(new Event("input"));
    const shown = document.getElementById("result").textContent + " | " +
        document.querySelector(".nisab").textContent;
    if (shown !== expected)
      failed.push(`${name}: shows "${shown}", not "${expected}"`);
  }
  return {page, language: navigator.language, played, failed};
})();
