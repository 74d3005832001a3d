// SPDX-License-Identifier: GPL-2.0-or-later
#include "TestHome.h"

#include <QDir>

TestHome::TestHome()
{
    const QString home = m_dir.path();
    for (const char* sub : {"data", "config", "runtime"})
        QDir(home).mkpath(QString::fromLatin1(sub));
    QFile::setPermissions(home + "/runtime", QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("HOME", home.toUtf8());
    qputenv("XDG_DATA_HOME", (home + "/data").toUtf8());
    qputenv("XDG_CONFIG_HOME", (home + "/config").toUtf8());
    qputenv("XDG_RUNTIME_DIR", (home + "/runtime").toUtf8());
}

QString TestHome::dataHome() const
{
    return m_dir.path() + "/data";
}
