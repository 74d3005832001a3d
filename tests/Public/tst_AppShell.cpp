// SPDX-License-Identifier: GPL-2.0-or-later
#include "AppConfig.h"
#include "AppInitialization.h"
#include "FileOpenFilter.h"
#include "IMVLogConfig.h"
#include "IMVSentryService.h"
#include "IMVUpdatesService.h"
#include "TestHome.h"
#include "UserFolders.h"

#include <QtGui>
#include <QtTest>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QString readAll(const QString& path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return QString::fromUtf8(f.readAll());
}

// Counts the events that reach it.
class EventCounter : public QObject
{
public:
    int received = 0;
    bool event(QEvent* e) override
    {
        ++received;
        return QObject::event(e);
    }
};

} // namespace

class TestAppShell : public QObject
{
    Q_OBJECT

private slots:
    void startUpAndShutDownAreLoggedUnderTheDataHome()
    {
        const QString dataHome = QString::fromLocal8Bit(qgetenv("XDG_DATA_HOME")) + "/Tavrel/Lumaroo/";
        QCOMPARE(UserFolders::logDir() + UserFolders::tempDir() + UserFolders::configDir(),
                 dataHome + "Log/" + dataHome + "Temp/" + dataHome + "Config/");
        AppInitialization* services = AppInitialization::instance();
        const QString logFile = QString::fromStdString(Morvek::IMVLogConfig::CurrentLogFile());
        QCOMPARE(QFileInfo(logFile).absolutePath() + "/", UserFolders::logDir());
        QVERIFY(Morvek::IMVSentryService::IsActive());
        QVERIFY(Morvek::IMVUpdatesService::Shared()->ProductMeta());
        services->release();
        QVERIFY(!Morvek::IMVSentryService::IsActive());
        const QString log = readAll(logFile);
        const int start = log.indexOf("] Program startup: initialization in progress...");
        QVERIFY2(log.contains("[INFO] ") && start >= 0 && log.indexOf("] Program is exiting.") > start, qPrintable(log));
    }

    void crashWritesAReportIntoTheLogFolder()
    {
        const pid_t child = fork();
        if (child == 0) {
            AppInitialization::instance();
            raise(SIGSEGV);
            _exit(0);
        }
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        QVERIFY(WIFSIGNALED(status) && WTERMSIG(status) == SIGSEGV);
        const QDir logDir(UserFolders::logDir());
        const QStringList reports = logDir.entryList({QStringLiteral("crash-*-%1.txt").arg(child)}, QDir::Files);
        QCOMPARE(reports.size(), 1);
        const QString report = readAll(logDir.filePath(reports.first()));
        QVERIFY2(report.startsWith("Lumaroo crash report\nVersion: 5.0.0\nSignal: 11 (SIGSEGV)\nBacktrace:\n") && report.count('\n') > 5,
                 qPrintable(report));
    }

    void settingsStartAtDefaultsAndPersistAtOnce()
    {
        {
            AppConfig config;
            QCOMPARE(config.getLanguageVal(), 1);
            QCOMPARE(config.getLastOpenPath(), QDir::homePath());
            const QString saveFolder = config.getLastSavePath();
            config.setLanguageVal(7);
            config.setLastOpenPath("/no/longer/there");
            QCOMPARE(config.getLastSavePath(), saveFolder);
        }
        AppConfig reread;
        QCOMPARE(reread.getLanguageVal(), 7);
        QCOMPARE(reread.getLastOpenPath(), QStringLiteral("/no/longer/there"));
        QVERIFY(QFile::exists(QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME")) + "/Tavrel/Lumaroo.conf"));
    }

    void fileOpenEventsBecomeOneSignal()
    {
        FileOpenFilter filter;
        EventCounter target;
        target.installEventFilter(&filter);
        QSignalSpy spy(&filter, &FileOpenFilter::fileOpened);
        QFileOpenEvent event(QStringLiteral("/data/mail archive.pst"));
        QVERIFY(QCoreApplication::sendEvent(&target, &event));
        QEvent other(QEvent::User);
        QCoreApplication::sendEvent(&target, &other);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.first().first().toString(), QStringLiteral("/data/mail archive.pst"));
        QCOMPARE(target.received, 1); // the other event only
    }
};

LUMAROO_TEST_MAIN_AT_HOME(QGuiApplication, TestAppShell)

#include "tst_AppShell.moc"
