// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

// Makes sure a conversion can write below a folder before it starts.
namespace OutputFolderCheck {

// Creates `dir` with its missing parents and checks that files can be made
// in it. "" on success; otherwise a sentence naming the folder and the cause.
QString prepare(const QString& dir);

} // namespace OutputFolderCheck
