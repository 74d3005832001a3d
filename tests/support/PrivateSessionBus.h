// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// Runs a test process on a D-Bus session bus of its own, so that the
// desktop services it talks to (Evolution Data Server's registry, calendar
// and address-book factories, a file manager) are started for it alone and
// never touch the user's data: the process starts itself again under
// dbus-run-session with HOME and the XDG folders in a fresh temporary folder,
// which it removes afterwards. Works without any session bus around (CI).
namespace PrivateSessionBus {

// True in the process that runs on the private bus.
bool active();
// Starts this program again (same arguments) on a private bus and returns
// its exit status; 1 when dbus-run-session cannot be started.
int rerun(int argc, char** argv);

} // namespace PrivateSessionBus

// A test main() whose test class runs on a private session bus.
#define LUMAROO_TEST_MAIN_ON_PRIVATE_BUS(AppClass, TestClass) \
    int main(int argc, char** argv)                            \
    {                                                          \
        if (!PrivateSessionBus::active())                      \
            return PrivateSessionBus::rerun(argc, argv);       \
        AppClass app(argc, argv);                              \
        TestClass test;                                        \
        QTEST_SET_MAIN_SOURCE_PATH                             \
        return QTest::qExec(&test, argc, argv);                \
    }
