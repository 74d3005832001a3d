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
