// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QTemporaryDir>

// Points HOME, XDG_DATA_HOME, XDG_CONFIG_HOME and XDG_RUNTIME_DIR at a fresh
// temporary folder for the lifetime of the object, so a test never touches
// the real user's settings or log. Create it before QCoreApplication exists
// (for example with the QTEST_*_MAIN macros' initMain()).
class TestHome
{
public:
    TestHome();
    QString path() const { return m_dir.path(); }
    QString dataHome() const;

private:
    QTemporaryDir m_dir;
};

// main() for a test that runs under its own kind of application object
// (QCoreApplication, QGuiApplication, QApplication) in a private home made
// before it.
#define LUMAROO_TEST_MAIN_AT_HOME(AppClass, TestClass)                                                                  \
    int main(int argc, char* argv[])                                                                                   \
    {                                                                                                                  \
        TestHome home;                                                                                                 \
        AppClass app(argc, argv);                                                                                      \
        TestClass test;                                                                                                \
        return QTest::qExec(&test, argc, argv);                                                                        \
    }
