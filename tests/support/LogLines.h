// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QStringList>

// The lines of a log file the program wrote, as "LEVEL text" without time
// stamp and thread ("INFO Open file completed").
namespace LogLines {

QStringList read(const QString& logFile);

} // namespace LogLines
