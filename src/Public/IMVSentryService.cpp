// SPDX-License-Identifier: GPL-2.0-or-later
#include "IMVSentryService.h"

#include "IMVLogConfig.h"
#include "IMVUpdatesService.h"

#include <atomic>
#include <csignal>
#include <cstring>
#include <ctime>
#include <execinfo.h>
#include <fcntl.h>
#include <unistd.h>

namespace Morvek {
namespace {

constexpr int kFatalSignals[] = {SIGSEGV, SIGBUS, SIGILL, SIGFPE, SIGABRT};
constexpr int kSignalCount = sizeof(kFatalSignals) / sizeof(kFatalSignals[0]);
constexpr size_t kPathCapacity = 4096;

// Everything the handler needs is prepared beforehand: the handler may only
// call async-signal-safe functions.
char g_folder[kPathCapacity];
char g_version[64];
struct sigaction g_previous[kSignalCount];
std::atomic<bool> g_active{false};

size_t appendText(char* buffer, size_t used, size_t capacity, const char* text)
{
    while (*text && used + 1 < capacity)
        buffer[used++] = *text++;
    buffer[used] = '\0';
    return used;
}

size_t appendNumber(char* buffer, size_t used, size_t capacity, unsigned long value)
{
    char digits[24];
    int n = 0;
    do {
        digits[n++] = char('0' + value % 10);
        value /= 10;
    } while (value && n < 23);
    char reversed[24];
    for (int i = 0; i < n; ++i)
        reversed[i] = digits[n - 1 - i];
    reversed[n] = '\0';
    return appendText(buffer, used, capacity, reversed);
}

const char* signalName(int sig)
{
    switch (sig) {
    case SIGSEGV: return "SIGSEGV";
    case SIGBUS: return "SIGBUS";
    case SIGILL: return "SIGILL";
    case SIGFPE: return "SIGFPE";
    case SIGABRT: return "SIGABRT";
    default: return "unknown";
    }
}

void writeAll(int fd, const char* text, size_t length)
{
    while (length > 0) {
        const ssize_t written = ::write(fd, text, length);
        if (written <= 0)
            return;
        text += written;
        length -= size_t(written);
    }
}

void writeText(int fd, const char* text)
{
    writeAll(fd, text, std::strlen(text));
}

void writeCrashReport(int sig)
{
    char path[kPathCapacity + 64];
    size_t used = appendText(path, 0, sizeof path, g_folder);
    used = appendText(path, used, sizeof path, "crash-");
    used = appendNumber(path, used, sizeof path, static_cast<unsigned long>(time(nullptr)));
    used = appendText(path, used, sizeof path, "-");
    used = appendNumber(path, used, sizeof path, static_cast<unsigned long>(getpid()));
    appendText(path, used, sizeof path, ".txt");

    const int fd = ::open(path, O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (fd < 0)
        return;
    char line[128];
    size_t n = appendText(line, 0, sizeof line, "Lumaroo crash report\nVersion: ");
    n = appendText(line, n, sizeof line, g_version);
    n = appendText(line, n, sizeof line, "\nSignal: ");
    n = appendNumber(line, n, sizeof line, static_cast<unsigned long>(sig));
    n = appendText(line, n, sizeof line, " (");
    n = appendText(line, n, sizeof line, signalName(sig));
    appendText(line, n, sizeof line, ")\nBacktrace:\n");
    writeText(fd, line);
    void* frames[64];
    const int depth = backtrace(frames, 64);
    backtrace_symbols_fd(frames, depth, fd);
    ::close(fd);
}

void onFatalSignal(int sig)
{
    writeCrashReport(sig);
    // Hand the signal back to the default action so the process still dies
    // with it (and a core dump is made where the system wants one).
    signal(sig, SIG_DFL);
    raise(sig);
}

} // namespace

std::shared_ptr<IMVSentryService> IMVSentryService::StartSentryWith(const std::string&)
{
    if (g_active.exchange(true))
        return std::make_shared<IMVSentryService>();

    std::string folder = IMVLogConfig::CurrentLogFile();
    folder = folder.substr(0, folder.find_last_of('/') + 1);
    if (folder.empty())
        folder = "/tmp/";
    std::strncpy(g_folder, folder.c_str(), kPathCapacity - 1);

    const auto meta = IMVUpdatesService::Shared()->ProductMeta();
    std::strncpy(g_version, meta ? meta->Version().c_str() : "unknown", sizeof g_version - 1);

    // backtrace() loads its unwinder on first use; do that now, not in the handler.
    void* warmUp[1];
    backtrace(warmUp, 1);

    struct sigaction action = {};
    action.sa_handler = onFatalSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESETHAND;
    for (int i = 0; i < kSignalCount; ++i)
        sigaction(kFatalSignals[i], &action, &g_previous[i]);
    IMVLogConfig::Info("Crash reporting started.");
    return std::make_shared<IMVSentryService>();
}

void IMVSentryService::EndSentry()
{
    if (!g_active.exchange(false))
        return;
    for (int i = 0; i < kSignalCount; ++i)
        sigaction(kFatalSignals[i], &g_previous[i], nullptr);
}

bool IMVSentryService::IsActive()
{
    return g_active;
}

std::string IMVSentryService::CrashFolder()
{
    return g_active ? std::string(g_folder) : std::string();
}

} // namespace Morvek
