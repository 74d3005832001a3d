// SPDX-License-Identifier: GPL-2.0-or-later
#include "IMVLogConfig.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QMutex>
#include <QThread>

#include <cstdio>

namespace Morvek {
namespace {

const char* const kLogFileName = "lumaroo.log";

struct LogSink
{
    QMutex mutex;
    QString folder;
    QFile file;
};

LogSink& sink()
{
    static LogSink instance;
    return instance;
}

QString rotatedName(const QString& folder, int n)
{
    return QDir(folder).filePath(QStringLiteral("%1.%2").arg(QLatin1String(kLogFileName)).arg(n));
}

// Called with the mutex held.
void rotateIfFull(LogSink& s)
{
    if (s.file.size() < IMVLogConfig::kMaxLogBytes)
        return;
    s.file.close();
    QFile::remove(rotatedName(s.folder, IMVLogConfig::kKeptLogFiles));
    for (int n = IMVLogConfig::kKeptLogFiles - 1; n >= 1; --n)
        QFile::rename(rotatedName(s.folder, n), rotatedName(s.folder, n + 1));
    QFile::rename(s.file.fileName(), rotatedName(s.folder, 1));
    s.file.open(QIODevice::WriteOnly | QIODevice::Append);
}

void writeLine(const char* level, const std::string& text)
{
    const QByteArray line = QDateTime::currentDateTime().toString(Qt::ISODateWithMs).toUtf8()
        + " [" + level + "] [" + QByteArray::number(reinterpret_cast<quintptr>(QThread::currentThreadId()), 16)
        + "] " + QByteArray::fromStdString(text) + '\n';
    LogSink& s = sink();
    QMutexLocker lock(&s.mutex);
    if (!s.file.isOpen()) {
        std::fwrite(line.constData(), 1, size_t(line.size()), stderr);
        return;
    }
    s.file.write(line);
    s.file.flush();
    rotateIfFull(s);
}

} // namespace

void IMVLogConfig::InitializeLogConfig(const std::string& folder)
{
    LogSink& s = sink();
    QMutexLocker lock(&s.mutex);
    s.folder = QString::fromStdString(folder);
    QDir().mkpath(s.folder);
    if (s.file.isOpen())
        s.file.close();
    s.file.setFileName(QDir(s.folder).filePath(QLatin1String(kLogFileName)));
    if (!s.file.open(QIODevice::WriteOnly | QIODevice::Append))
        std::fprintf(stderr, "Cannot write the log file %s\n", qPrintable(s.file.fileName()));
}

void IMVLogConfig::Info(const std::string& text)
{
    writeLine("INFO", text);
}

void IMVLogConfig::Warning(const std::string& text)
{
    writeLine("WARN", text);
}

void IMVLogConfig::Fatal(const std::string& text)
{
    writeLine("FATAL", text);
}

std::string IMVLogConfig::CurrentLogFile()
{
    LogSink& s = sink();
    QMutexLocker lock(&s.mutex);
    return s.file.isOpen() ? s.file.fileName().toStdString() : std::string();
}

} // namespace Morvek
