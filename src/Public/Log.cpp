// SPDX-License-Identifier: GPL-2.0-or-later
#include "Log.h"

#include "IMVLogConfig.h"

void Log::info(const QString& text)
{
    Morvek::IMVLogConfig::Info(text.toUtf8().toStdString());
}

void Log::warn(const QString& text)
{
    Morvek::IMVLogConfig::Warning(text.toUtf8().toStdString());
}

void Log::fatal(const QString& text)
{
    Morvek::IMVLogConfig::Fatal(text.toUtf8().toStdString());
}

LogStream::~LogStream()
{
    const QString line = m_buffer.trimmed();
    if (m_sink && !line.isEmpty())
        m_sink(line);
}

LogStream& LogStream::operator<<(const char* text)
{
    m_buffer += QString::fromUtf8(text);
    return *this;
}

LogStream& LogStream::operator<<(const QString& text)
{
    m_buffer += text;
    m_buffer += QLatin1Char(' ');
    return *this;
}
