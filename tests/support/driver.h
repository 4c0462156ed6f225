// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <vector>

// Works the calculator's real widgets as a user does, from steps written as
// text, and reads back what the windows show. Steps and expectations are
// separated by "; ". A control is named as in its window ("Text1"), a
// results-window control with "Form2." before it, a field of a chart pane's
// page with "#" and its id after it ("WebBrowser2#price").
//
// Steps:
//   Text1=1000        click into the box, select what it holds, type over it
//   Combo2=Gram       a list item is clicked in the list its arrow opened,
//                     any other text is typed
//   WebBrowser2#price=100  click into a page's field and type over it
//   Tab  Shift+Tab  Alt+C  Alt+A  Return  Enter  Num+Enter
//                     keys, to the window that has the keyboard, pressed once
//   type 100          keys typed into the focused control, without a click
//   click Command2    a mouse click as a hand makes it: press, release once
//                     the program has the press (into a window not yet
//                     active, a person's moment later); on a button, a box, a
//                     label or a page's field: "click WebBrowser2#price"
//   drag Command1 to Label1   pressed on one, released on the other
//   press Form2.Label4        pressed, and held
//   release outside   the button held goes up over another program, so
//                     that the calculator never sees it
//   open Combo2       a click on a unit box's arrow
//   close Form2       the window's close button
//   activate Form1    bring the window to the front, as the window manager
//                     does on Alt+Tab; "activate other": another program's
//   wait panes        until both chart pages have loaded
//   moved Text6       the focus moved by the program, not by the user
//
// Expectations, each "what=text":
//   Label10=25        a control's text or caption
//   focus=Text2       the control with the keyboard focus
//   active=Form2      the window that has the keyboard: Form1, Form2, other
//   visited=A,B       the controls that Tab and Shift+Tab reached, in order
//   prompts=gold      price prompts that the program showed, "gold" and
//                     "silver" by their exact texts; none unless given
//   failures=1        failure reports shown; none unless given
//   report=...        what the last failure report said had failed
//   atPrompt.Text5=0  what a box held while the last prompt was open
//   Form2=shown       none, not loaded, hidden or shown
//   quit=1            how often the program asked to end, by its own rule
//                     or, its last window closed, by Qt's
//   application=Al-Tavesh 1.00, Al-Tavesh   name, version, display name
//   caption.Form1=... a window's caption
//   rect.Text1=x,y,w,h  in pixels; a window's client area on the screen
//   items.Combo2=Tolaas,Ounce,Gram
//   title.WebBrowser1=the title of the page a chart pane shows
//   field.WebBrowser2=price  the id of the page's field that has the keys,
//                     empty when the page does not have them
//   WebBrowser2#result=2840.91  the text of a page's element
//   held.WebBrowser2=no  whether the page last saw a mouse button go down
//                     and not up again
//   list=Combo2       the unit box whose drop-down list is open, if any
//   buttons=up        whether Qt holds a mouse button down; every row ends
//                     with "up" unless it says otherwise
//
// The program's boxes are its own, wrapped: the driver records what each was
// asked to say, lets the real box come up, checks it is the application's
// modal box with a single OK, and answers it with a click on OK. After each
// step, the handlers it started must have run.
//
// On a desktop every click, the one on a box's OK too, and every key goes
// through the window system (hand.h): the X server on openbox and Xwayland,
// mutter's remote desktop on GNOME on Wayland. So the window manager activates
// a window for the press as for a person, and the program's requests to it
// carry the time of the user's last click or key; on X the results window,
// where it covers the main one, is first moved aside, as a person drags it.
// On offscreen input goes in at Qt's platform level.

// Tables of behaviour, each row a group, a name, steps and expectations. A
// test program of a table defines `table` and links the driver, which plays
// every row as "group: row", each from a fresh start. Groups named "comma
// region", "arabic region" and "persian region" are played only in sessions
// whose numbers are of that kind (a decimal comma; Arabic-Indic or Persian
// digits), and only they are played there; every other group plays in the
// other sessions.
using Row = std::array<const char*, 4>;
extern const std::vector<Row> table;
