// SPDX-License-Identifier: GPL-2.0-or-later
#include "CliKeyOption.h"

#include "SmimeKey.h"

#include <QTextStream>

bool CliKeyOption::take(QStringList& args)
{
    for (int i = 0; i < args.size();) {
        QString* target = args.at(i) == QLatin1String("--key") ? &m_keyFile
            : args.at(i) == QLatin1String("--pass-env")        ? &m_passwordVariable
                                                               : nullptr;
        if (!target) {
            ++i;
            continue;
        }
        if (i + 1 >= args.size())
            return false;
        *target = args.at(i + 1);
        args.remove(i, 2);
    }
    return m_passwordVariable.isEmpty() || !m_keyFile.isEmpty();
}

std::shared_ptr<SmimeKey> CliKeyOption::load() const
{
    QByteArray password = m_passwordVariable.isEmpty() ? QByteArray("")
                                                       : qgetenv(m_passwordVariable.toLocal8Bit().constData());
    QString error;
    auto key = SmimeKey::fromPkcs12File(m_keyFile, password, &error);
    password.fill('\0');
    if (!key)
        QTextStream(stderr) << "lumaroo-cli: " << error << '\n';
    return key;
}
