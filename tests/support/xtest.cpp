// SPDX-License-Identifier: GPL-3.0-or-later
#include "xtest.h"

#include <QGuiApplication>

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

#include <cstdlib>

namespace xtest {

namespace {

Display* display() {
    static Display* const connection = [] {
        Display* d = std::getenv("DISPLAY") ? XOpenDisplay(nullptr) : nullptr;
        int event, error, major, minor;
        if (d && !XTestQueryExtension(d, &event, &error, &major, &minor)) {
            XCloseDisplay(d);
            d = nullptr;
        }
        return d;
    }();
    return connection;
}

} // namespace

bool available() {
    return display() != nullptr;
}

void moveTo(QPoint global) {
    XTestFakeMotionEvent(display(), -1, global.x(), global.y(), CurrentTime);
    XSync(display(), False);
}

void button(bool down) {
    XTestFakeButtonEvent(display(), 1, down ? True : False, CurrentTime);
    XSync(display(), False);
}

void roundTrip() {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (QGuiApplication::platformName() == u"xcb" && x11 && x11->display())
        XSync(x11->display(), False);
}

} // namespace xtest
