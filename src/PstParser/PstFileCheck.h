// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

// Says why a path cannot be opened as a PST file before libpst sees it:
// a missing path, a folder, a pipe or device, an unreadable or short file,
// or a file that does not start like a PST. Never blocks on a pipe.
namespace PstFileCheck {

// "" when the path is a readable regular file that starts like a PST;
// otherwise a sentence for the user, naming the cause.
QString problem(const QString& path);

} // namespace PstFileCheck
