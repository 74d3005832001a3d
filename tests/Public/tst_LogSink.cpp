// SPDX-License-Identifier: GPL-2.0-or-later
#include "IMVLogConfig.h"
#include "Log.h"
#include "TestHome.h"

#include <QDir>
#include <QFile>
#include <QtConcurrent>
#include <QtTest>

namespace {

QStringList linesOf(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = QString::fromUtf8(f.readAll()).split('\n');
    lines.removeAll(QString());
    return lines;
}

} // namespace

class TestLogSink : public QObject
{
    Q_OBJECT
    TestHome m_home;
    QString m_folder;

private slots:
    void initTestCase();
    void init();
    void linesCarryTimeLevelAndText();
    void logStreamWritesTrimmedTextOnce();
    void logStreamWithOnlyBlanksWritesNothing();
    void concurrentWritersLoseNoLine();
    void fullLogRotatesKeepingOlderFiles();

private:
    QString logFile() const { return QString::fromStdString(Morvek::IMVLogConfig::CurrentLogFile()); }
};

void TestLogSink::initTestCase()
{
    m_folder = m_home.path() + "/log/";
    Morvek::IMVLogConfig::InitializeLogConfig(m_folder.toStdString());
    QVERIFY(logFile().startsWith(m_folder));
}

void TestLogSink::init()
{
    QFile(logFile()).resize(0);
}

void TestLogSink::linesCarryTimeLevelAndText()
{
    Log::info("Program startup: initialization in progress...");
    Log::warn(QStringLiteral("Grüße, 中文"));
    Log::fatal("stop");
    const QStringList lines = linesOf(logFile());
    QCOMPARE(lines.size(), 3);
    const QRegularExpression shape(R"(^\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d\.\d{3} \[(INFO|WARN|FATAL)\] \[[0-9a-f]+\] (.*)$)");
    const QStringList levels{"INFO", "WARN", "FATAL"};
    const QStringList texts{"Program startup: initialization in progress...", QStringLiteral("Grüße, 中文"), "stop"};
    for (int i = 0; i < 3; ++i) {
        const auto match = shape.match(lines[i]);
        QVERIFY2(match.hasMatch(), qPrintable(lines[i]));
        QCOMPARE(match.captured(1), levels[i]);
        QCOMPARE(match.captured(2), texts[i]);
    }
}

void TestLogSink::logStreamWritesTrimmedTextOnce()
{
    {
        LogStream(Log::warn) << "  Attachment" << QStringLiteral("report.pdf") << "saved ";
    }
    const QStringList lines = linesOf(logFile());
    QCOMPARE(lines.size(), 1);
    QVERIFY(lines.first().contains("[WARN]"));
    QVERIFY(lines.first().endsWith("Attachmentreport.pdf saved"));
}

void TestLogSink::logStreamWithOnlyBlanksWritesNothing()
{
    {
        LogStream(Log::info) << "   " << QString();
    }
    {
        LogStream(nullptr) << "no sink";
    }
    QCOMPARE(linesOf(logFile()).size(), 0);
}

void TestLogSink::concurrentWritersLoseNoLine()
{
    constexpr int kThreads = 8;
    constexpr int kLinesEach = 500;
    QList<int> ids;
    for (int i = 0; i < kThreads; ++i)
        ids << i;
    QtConcurrent::blockingMap(ids, [](int id) {
        for (int n = 0; n < kLinesEach; ++n)
            Log::info(QStringLiteral("writer %1 line %2").arg(id).arg(n));
    });
    const QStringList lines = linesOf(logFile());
    QCOMPARE(lines.size(), kThreads * kLinesEach);
    for (const QString& line : lines)
        QVERIFY2(line.contains(QRegularExpression(R"(\] writer \d line \d+$)")), qPrintable(line));
}

void TestLogSink::fullLogRotatesKeepingOlderFiles()
{
    const QString chunk(100 * 1024, QLatin1Char('x'));
    const int chunksPerFile = int(Morvek::IMVLogConfig::kMaxLogBytes / (chunk.size() + 40)) + 1;
    for (int i = 0; i < chunksPerFile * (Morvek::IMVLogConfig::kKeptLogFiles + 2); ++i)
        Log::info(chunk);
    Log::info("newest line");
    QVERIFY(QFileInfo(logFile()).size() < Morvek::IMVLogConfig::kMaxLogBytes);
    QVERIFY(linesOf(logFile()).last().endsWith("newest line"));
    const QStringList files = QDir(m_folder).entryList({"lumaroo.log*"}, QDir::Files);
    QCOMPARE(files.size(), Morvek::IMVLogConfig::kKeptLogFiles + 1);
    for (const QString& name : files)
        QVERIFY(QFileInfo(QDir(m_folder).filePath(name)).size() <= Morvek::IMVLogConfig::kMaxLogBytes + chunk.size() + 100);
}

QTEST_GUILESS_MAIN(TestLogSink)
#include "tst_LogSink.moc"
