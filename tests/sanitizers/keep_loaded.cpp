// SPDX-License-Identifier: GPL-3.0-or-later
// Linked into the GUI tests of the sanitizer build only. Mesa's GL driver is
// unloaded when the X connection closes, taking with it the pointers that
// still hold its allocations; LeakSanitizer then reports them as leaks of an
// unknown module that no suppression can name. Libraries stay loaded instead.
extern "C" int dlclose(void*) {
    return 0;
}
