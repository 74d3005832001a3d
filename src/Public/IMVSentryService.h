// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <memory>
#include <string>

namespace Morvek {

// Crash reporting. While active, a fatal signal (SIGSEGV, SIGBUS, SIGILL,
// SIGFPE, SIGABRT) writes a crash report (signal, program version, backtrace)
// as "crash-<time>-<pid>.txt" into the log folder and then lets the signal
// take its normal course. Reports stay on this machine; the data-source name
// is kept only for the record.
class IMVSentryService
{
public:
    // Starts reporting into the folder of the current log file. The version
    // written into reports is taken from the product metadata given to the
    // update service, when there is one.
    static std::shared_ptr<IMVSentryService> StartSentryWith(const std::string& dsn);
    static void EndSentry();
    static bool IsActive();

    // Where reports go while active (empty otherwise).
    static std::string CrashFolder();
};

} // namespace Morvek
