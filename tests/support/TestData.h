// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// Where the real PST files written by other software live. Tests that need
// them fail (never skip) when the folder is missing.
namespace TestData {

// The shared folder beside the project root (LUMAROO_SHARED_DIR overrides).
QString sharedDir();
// Absolute path of one file under shared/testdata/pst/.
QString pst(const QString& fileName);
// Every .pst and .ost file under shared/testdata/pst/, sorted by name.
QStringList allPstFiles();
// True when the folder exists and holds PST files; tests QVERIFY2 on it.
bool available();

} // namespace TestData
