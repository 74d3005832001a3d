// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

// The program's log. Lines go to the log file in the per-user log folder.
// Every operation may be called from any thread.
class Log
{
public:
    static void info(const QString& text);
    static void warn(const QString& text);
    static void fatal(const QString& text);
};

// Collects one log line over a statement and writes it, trimmed, when the
// statement ends. A stream that received only blanks writes nothing.
class LogStream
{
public:
    using Sink = void (*)(const QString&);
    explicit LogStream(Sink sink) : m_sink(sink) {}
    ~LogStream();
    LogStream(const LogStream&) = delete;
    LogStream& operator=(const LogStream&) = delete;

    LogStream& operator<<(const char* text);
    // Appends the text followed by one blank.
    LogStream& operator<<(const QString& text);

private:
    QString m_buffer;
    Sink m_sink = nullptr;
};
