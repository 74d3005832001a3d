// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QStringList>

#include <memory>

class SmimeKey;

// The options "--key FILE.p12 [--pass-env VAR]" of show and pdf: a PKCS #12
// key that decrypts encrypted mail in memory, its password read from the
// environment variable VAR (never from the command line, which others see).
class CliKeyOption
{
public:
    // Takes the options out of args; false on wrong use (a missing value,
    // --pass-env without --key).
    bool take(QStringList& args);
    bool isSet() const { return !m_keyFile.isEmpty(); }
    // The key, or empty with a message on stderr. Wipes the password copy.
    std::shared_ptr<SmimeKey> load() const;

private:
    QString m_keyFile;
    QString m_passwordVariable;
};
