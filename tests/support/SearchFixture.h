// SPDX-License-Identifier: GPL-2.0-or-later
// Mailboxes large enough that an index build takes a while, and the
// processes a build leaves running, for the tests of index and search.
#pragma once

#include <QList>
#include <QString>

namespace SearchFixture {

// Writes `folders` folders of `perFolder` mails; mail i holds the word
// "markerI" and, like every mail, the word `common`.
bool writeMailbox(const QString& path, int folders, int perFolder, const QString& common = QStringLiteral("ordinary"));

// Processes other than this one whose command line names `needle` (the
// test's own temporary file).
QList<qint64> processesNaming(const QString& needle);

// Whether every such process is gone within two seconds: workers die with
// their build at once, one left running goes on for seconds.
bool waitUntilGone(const QString& needle);

} // namespace SearchFixture
