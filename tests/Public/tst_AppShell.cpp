#include "AppConfig.h"
#include "AppInitialization.h"
#include "FileOpenFilter.h"
#include "IMVLogConfig.h"
#include "IMVSentryService.h"
#include "IMVUpdatesService.h"
#include "ProductConstants.h"
#include "TestHome.h"
#include "UserFolders.h"

#include <QDir>
#include <QFileOpenEvent>
#include <QGuiApplication>
#include <QSignalSpy>
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
    void foldersLiveUnderTheDataHome();
    void startUpAndShutDownAreLogged();
    void crashWritesAReportIntoTheLogFolder();
    void freshUserGetsDefaults();
    void settingsPersistAtOnce();
    void fileOpenEventsBecomeOneSignal();
};

void TestAppShell::foldersLiveUnderTheDataHome()
{
    const QString dataHome = QString::fromLocal8Bit(qgetenv("XDG_DATA_HOME"));
    QCOMPARE(UserFolders::logDir(), dataHome + "/Tavrel/Lumaroo/Log/");
    QCOMPARE(UserFolders::tempDir(), dataHome + "/Tavrel/Lumaroo/Temp/");
    QCOMPARE(UserFolders::configDir(), dataHome + "/Tavrel/Lumaroo/Config/");
}

void TestAppShell::startUpAndShutDownAreLogged()
{
    AppInitialization* services = AppInitialization::instance();
    QCOMPARE(AppInitialization::instance(), services);
    const QString logFile = QString::fromStdString(Morvek::IMVLogConfig::CurrentLogFile());
    QCOMPARE(QFileInfo(logFile).absolutePath() + "/", UserFolders::logDir());
    QVERIFY(Morvek::IMVSentryService::IsActive());
    const auto meta = Morvek::IMVUpdatesService::Shared()->ProductMeta();
    QVERIFY(meta);
    QCOMPARE(meta->ProductId(), std::string("10016"));
    QCOMPARE(meta->Version(), std::string("5.0.0"));
    QCOMPARE(meta->Organization(), std::string("Tavrel"));

    services->release();
    QVERIFY(!Morvek::IMVSentryService::IsActive());
    const QString log = readAll(logFile);
    QVERIFY(log.contains("[INFO] "));
    const int start = log.indexOf("Program startup: initialization in progress...");
    const int exit = log.indexOf("Program is exiting.");
    QVERIFY(start >= 0);
    QVERIFY(exit > start);
}

void TestAppShell::crashWritesAReportIntoTheLogFolder()
{
    const QDir logDir(UserFolders::logDir());
    const pid_t child = fork();
    if (child == 0) {
        AppInitialization::instance();
        raise(SIGSEGV);
        _exit(0);
    }
    int status = 0;
    QCOMPARE(waitpid(child, &status, 0), child);
    QVERIFY(WIFSIGNALED(status));
    QCOMPARE(WTERMSIG(status), SIGSEGV);
    const QStringList reports = logDir.entryList({QStringLiteral("crash-*-%1.txt").arg(child)}, QDir::Files);
    QCOMPARE(reports.size(), 1);
    const QString report = readAll(logDir.filePath(reports.first()));
    QVERIFY2(report.startsWith("Lumaroo crash report\nVersion: 5.0.0\nSignal: 11 (SIGSEGV)\nBacktrace:\n"), qPrintable(report));
    QVERIFY(report.count('\n') > 5);
}

void TestAppShell::freshUserGetsDefaults()
{
    AppConfig config;
    QCOMPARE(config.getLanguageVal(), 1);
    QCOMPARE(config.getLastOpenPath(), QDir::homePath());
    QCOMPARE(QCoreApplication::organizationName(), g_organization);
    QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Lumaroo"));
}

void TestAppShell::settingsPersistAtOnce()
{
    {
        AppConfig config;
        config.setLanguageVal(7);
        config.setLastOpenPath("/no/longer/there");
    }
    AppConfig reread;
    QCOMPARE(reread.getLanguageVal(), 7);
    QCOMPARE(reread.getLastOpenPath(), QStringLiteral("/no/longer/there"));
    QVERIFY(QFile::exists(QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME")) + "/Tavrel/Lumaroo.conf"));
    QCOMPARE(AppConfig::instance(), AppConfig::instance());
}

void TestAppShell::fileOpenEventsBecomeOneSignal()
{
    FileOpenFilter filter;
    EventCounter target;
    target.installEventFilter(&filter);
    QSignalSpy spy(&filter, &FileOpenFilter::fileOpened);
    QFileOpenEvent event(QStringLiteral("/data/mail archive.pst"));
    QVERIFY(QCoreApplication::sendEvent(&target, &event));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.first().first().toString(), QStringLiteral("/data/mail archive.pst"));
    QCOMPARE(target.received, 0);
    QEvent other(QEvent::User);
    QCoreApplication::sendEvent(&target, &other);
    QCOMPARE(target.received, 1);
    QCOMPARE(spy.count(), 1);
}

int main(int argc, char** argv)
{
    TestHome home;
    QGuiApplication app(argc, argv);
    TestAppShell test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_AppShell.moc"
