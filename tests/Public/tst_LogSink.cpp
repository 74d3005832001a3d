// SPDX-License-Identifier: GPL-2.0-or-later
#include "IMVLogConfig.h"
#include "Log.h"
#include "TestHome.h"

#include <QtConcurrent>
#include <QtTest>

class TestLogSink : public QObject
{
    Q_OBJECT
    TestHome m_home;
    QString m_folder;

    QString logFile() const { return QString::fromStdString(Morvek::IMVLogConfig::CurrentLogFile()); }

    QStringList lines() const
    {
        QFile f(logFile());
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts) : QStringList();
    }

private slots:
    void initTestCase()
    {
        m_folder = m_home.path() + "/log/";
        Morvek::IMVLogConfig::InitializeLogConfig(m_folder.toStdString());
        QVERIFY(logFile().startsWith(m_folder));
    }

    void init() { QFile(logFile()).resize(0); }

    void linesCarryTimeLevelAndText()
    {
        Log::info("Program startup: initialization in progress...");
        Log::warn(QStringLiteral("Grüße, 中文"));
        Log::fatal("stop");
        {
            LogStream(Log::warn) << "  Attachment" << QStringLiteral("report.pdf") << "saved ";
        }
        {
            LogStream(Log::info) << "   " << QString(); // only blanks: nothing
        }
        {
            LogStream(nullptr) << "no sink";
        }
        const QRegularExpression shape(R"(^\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d\.\d{3} \[(INFO|WARN|FATAL)\] \[[0-9a-f]+\] (.*)$)");
        QStringList shown;
        for (const QString& line : lines()) {
            const auto match = shape.match(line);
            QVERIFY2(match.hasMatch(), qPrintable(line));
            shown << match.captured(1) + " " + match.captured(2);
        }
        QCOMPARE(shown, (QStringList{"INFO Program startup: initialization in progress...", QStringLiteral("WARN Grüße, 中文"),
                                     "FATAL stop", "WARN Attachmentreport.pdf saved"}));
    }

    void concurrentWritersLoseNoLine()
    {
        QList<int> ids{0, 1, 2, 3, 4, 5, 6, 7};
        QtConcurrent::blockingMap(ids, [](int id) {
            for (int n = 0; n < 500; ++n)
                Log::info(QStringLiteral("writer %1 line %2").arg(id).arg(n));
        });
        const QStringList written = lines();
        QCOMPARE(written.size(), 8 * 500);
        for (const QString& line : written)
            QVERIFY2(line.contains(QRegularExpression(R"(\] writer \d line \d+$)")), qPrintable(line));
    }

    void fullLogRotatesKeepingOlderFiles()
    {
        const QString chunk(100 * 1024, QLatin1Char('x'));
        const int chunksPerFile = int(Morvek::IMVLogConfig::kMaxLogBytes / (chunk.size() + 40)) + 1;
        for (int i = 0; i < chunksPerFile * (Morvek::IMVLogConfig::kKeptLogFiles + 2); ++i)
            Log::info(chunk);
        Log::info("newest line");
        QVERIFY(QFileInfo(logFile()).size() < Morvek::IMVLogConfig::kMaxLogBytes);
        QVERIFY(lines().last().endsWith("newest line"));
        const QStringList files = QDir(m_folder).entryList({"lumaroo.log*"}, QDir::Files);
        QCOMPARE(files.size(), Morvek::IMVLogConfig::kKeptLogFiles + 1);
        for (const QString& name : files)
            QVERIFY(QFileInfo(QDir(m_folder).filePath(name)).size() <= Morvek::IMVLogConfig::kMaxLogBytes + chunk.size() + 100);
    }
};

QTEST_GUILESS_MAIN(TestLogSink)
#include "tst_LogSink.moc"
