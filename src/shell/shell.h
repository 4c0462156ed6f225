// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace windowing {
class Form;
}

namespace shell {

class MessageBox;

// What a window's handlers may reach beyond their own window: the global
// instances of both window classes (created on first need) and the
// application's message box. The program (app/) gives them.
class Shell {
public:
    virtual windowing::Form& form1() = 0;
    virtual windowing::Form& form2() = 0;
    virtual MessageBox& messageBox() = 0;

protected:
    ~Shell() = default;
};

} // namespace shell
