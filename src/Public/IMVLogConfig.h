// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QtGlobal>

#include <string>

namespace Morvek {

// The log sink: timestamped lines with their level in "lumaroo.log" inside
// the folder given to InitializeLogConfig. Every line is flushed as it is
// written, so a crash loses nothing; the file is rotated when it reaches
// kMaxLogBytes, keeping kKeptLogFiles older files. All operations are safe
// from any thread and never fail towards the caller.
class IMVLogConfig
{
public:
    static constexpr qint64 kMaxLogBytes = 8 * 1024 * 1024;
    static constexpr int kKeptLogFiles = 3;

    // Text is UTF-8 throughout. Lines logged before initialisation go to
    // standard error only.
    static void InitializeLogConfig(const std::string& folder);
    static void Info(const std::string& text);
    static void Warning(const std::string& text);
    static void Fatal(const std::string& text);

    // The file currently written, empty before initialisation.
    static std::string CurrentLogFile();
};

} // namespace Morvek
