// SPDX-License-Identifier: GPL-3.0-or-later
// What a user types and picks on a chart page, and what the page then shows:
// the price to type | the weight to type | the nisab, and its worth at that
// price. The install check plays these rows in the panes of the installed
// program, in sessions whose language and number format agree and differ,
// and in Arabic and Persian sessions; a row plays where its page is shown and
// the program reads its decimal separator, followed by the region's zero
// where the region has digits of its own.
"use strict";
(() => {
  const hint = "Enter a price above 0";
  const noWeight = "Enter a weight above 0";
  const gold = "Nisab: 87.48 g of gold (7.5 tola)";
  const silver = "Nisab: 612.36 g of silver (52.5 tola)";
  const pick = ' and pick "Gram"';
  const rows = [
    // name, page, the program's numbers, typed price, quoted per, typed weight, weighed in, shown
    ["100 a gram, and the nisab's worth", "gold", ".", "100", "per gram", "", "gram",
     `2840.91 |  | ${gold} / worth 8748 at this price`],
    ["silver at 100 a gram", "silver", ".", "100", "per gram", "", "gram",
     `2840.91 |  | ${silver} / worth 61236 at this price`],
    ["1000 per 10 grams", "gold", ".", "1000", "per 10 g", "", "gram",
     `2840.91 |  | ${gold} / worth 8748 at this price`],
    ["11663.8 a tola", "silver", ".", "11663.8", "per tola", "", "gram",
     `28409.09 |  | ${silver} / worth 612360 at this price`],
    ["a troy ounce, a worth with cents", "silver", ".", "31.1035", "per troy oz", "", "gram",
     `28.41 |  | ${silver} / worth 612.36 at this price`],
    ["a comma read as the decimal point", "gold", ".", " 11663,8 ", "per tola", "", "gram",
     `28409.09 |  | ${gold} / worth 87480 at this price`],
    ["nothing typed, nothing shown", "gold", ".", "", "per gram", "", "gram", ` |  | ${gold}`],
    ["zero is no price, and has no worth", "gold", ".", "0", "per gram", "", "gram", `${hint} |  | ${gold}`],
    ["a negative price", "gold", ".", "-5", "per gram", "", "gram", `${hint} |  | ${gold}`],
    ["words", "silver", ".", "abc", "per tola", "", "gram", `${hint} |  | ${silver}`],
    ["grouped thousands", "gold", ".", "1,234.5", "per gram", "", "gram", `${hint} |  | ${gold}`],
    ["beyond any number", "gold", ".", "9".repeat(400), "per gram", "", "gram", `${hint} |  | ${gold}`],
    // The weight row: grams, whatever it was weighed in.
    ["10 tola weighed", "gold", ".", "", "per gram", "10", "tola", ` | 116.64${pick} | ${gold}`],
    ["2 troy ounces weighed", "silver", ".", "", "per gram", "2", "troy oz", ` | 62.21${pick} | ${silver}`],
    ["grams stay grams", "gold", ".", "", "per gram", " 12.5 ", "gram", ` | 12.50${pick} | ${gold}`],
    ["a weight in words", "gold", ".", "", "per gram", "ten", "tola", ` | ${noWeight} | ${gold}`],
    ["a weight of zero", "silver", ".", "", "per gram", "0", "gram", ` | ${noWeight} | ${silver}`],
    ["a negative weight", "gold", ".", "", "per gram", "-1", "tola", ` | ${noWeight} | ${gold}`],
    ["decimal comma: a decimal comma, no grouping", "gold", ",", "11663800", "per tola", "", "gram",
     "28409090,91 |  | Nisab: 87,48 g of gold (7,5 tola) / worth 87480000 at this price"],
    ["decimal comma: a typed point still read", "silver", ",", "100.0", "per gram", "", "gram",
     "2840,91 |  | Nisab: 612,36 g of silver (52,5 tola) / worth 61236 at this price"],
    ["decimal comma: a worth with cents", "gold", ",", "1,5", "per gram", "", "gram",
     "42,61 |  | Nisab: 87,48 g of gold (7,5 tola) / worth 131,22 at this price"],
    ["decimal comma: 10 tola weighed", "gold", ",", "", "per gram", "10", "tola",
     ` | 116,64${pick} | Nisab: 87,48 g of gold (7,5 tola)`],
    ["decimal comma: a bad weight", "silver", ",", "", "per gram", "1,2,3", "gram",
     ` | ${noWeight} | Nisab: 612,36 g of silver (52,5 tola)`],
    // Arabic (Egypt) and Persian (Iran): the region's digits and separator or
    // the keyboard's full stop are read; the page writes as the program does.
    ["Arabic digits", "gold", ".٠", "١٠٠", "per gram", "", "gram",
     `2840.91 |  | ${gold} / worth 8748 at this price`],
    ["Arabic digits and separator", "silver", ".٠", "١١٦٦٣٫٨", "per tola", "", "gram",
     `28409.09 |  | ${silver} / worth 612360 at this price`],
    ["Arabic: the keyboard's full stop", "gold", ".٠", "1.5", "per gram", "١٠", "tola",
     `42.61 | 116.64${pick} | ${gold} / worth 131.22 at this price`],
    ["Arabic: two scripts are no number", "silver", ".٠", "1٠0", "per gram", "", "gram", `${hint} |  | ${silver}`],
    ["Persian digits", "gold", ".۰", "۱۰۰", "per gram", "", "gram",
     `2840.91 |  | ${gold} / worth 8748 at this price`],
    ["Persian separator", "silver", ".۰", "۳۱٫۱۰۳۵", "per troy oz", "۲", "troy oz",
     `28.41 | 62.21${pick} | ${silver} / worth 612.36 at this price`],
    ["Persian: Arabic-Indic digits are not Persian", "gold", ".۰", "١٠٠", "per gram", "", "gram", `${hint} |  | ${gold}`],
  ];

  const page = document.title.startsWith("Gold") ? "gold" : "silver";
  const numbers = window.calculatorNumbers;
  const decimal = !numbers ? "none" : numbers.decimal + (numbers.zero === "0" ? "" : numbers.zero);
  const field = (id) => document.getElementById(id);
  // What typing into a box and picking from a list raise.
  const type = (id, text) => {
    field(id).value = text;
    field(id).dispatchEvent(new Event("input"));
  };
  const choose = (id, text) => {
    field(id).selectedIndex = [...field(id).options].findIndex((o) => o.text === text);
    field(id).dispatchEvent(new Event("input"));
  };
  const failed = [];
  let played = 0;
  for (const [name, forPage, rowDecimal, price, per, weight, unit, expected] of rows) {
    if (forPage !== page || rowDecimal !== decimal)
      continue;
    ++played;
    type("price", price);
    choose("per", per);
    type("weight", weight);
    choose("unit", unit);
    const nisab = document.querySelector(".nisab");
    const shown = [
      field("result").textContent,
      field("grams").textContent + field("pick").textContent,
      nisab.firstElementChild.textContent +
          (field("worth").textContent ? " / " + field("worth").textContent : ""),
    ].join(" | ");
    if (shown !== expected)
      failed.push(`${name}: shows "${shown}", not "${expected}"`);
  }
  return {page, language: navigator.language, decimal, played, failed};
})();
