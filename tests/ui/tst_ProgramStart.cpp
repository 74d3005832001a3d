// SPDX-License-Identifier: GPL-2.0-or-later
#include "TestData.h"
#include "TestHome.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QtTest>

#include <csignal>

// The program opens every existing file named on its command line, as if the
// desktop had asked it to, and reports arguments that name no readable file.
class TestProgramStart : public QObject
{
    Q_OBJECT
    TestHome m_home;

private slots:
    void commandLineFilesAreOpened();

private:
    QString logText() const
    {
        QFile log(m_home.dataHome() + "/Tavrel/Lumaroo/Log/lumaroo.log");
        return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QString();
    }
};

void TestProgramStart::commandLineFilesAreOpened()
{
    QVERIFY2(TestData::available(), qPrintable("The shared PST files are missing at " + TestData::sharedDir()));
    const QString first = TestData::pst("emk__pstsdk__sample1.pst");
    const QString second = TestData::pst("hughbe__PstReader__hughbe_hughbe_Outlook.pst");
    QProcess program;
    const QString missing = m_home.dataHome() + "/missing.pst";
    program.start(QStringLiteral(LUMAROO_PROGRAM), {first, missing, second});
    QVERIFY(program.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(logText().count("Parsed Pst document completed.") == 2, 60000);
    const QString log = logText();
    QVERIFY(log.indexOf(first) < log.indexOf(second));
    QVERIFY(log.contains("Cannot open command-line argument " + missing + ": no such file"));
    QVERIFY(log.contains("Program startup: initialization in progress..."));
    program.terminate();
    QVERIFY(program.waitForFinished(20000));
}

QTEST_GUILESS_MAIN(TestProgramStart)
#include "tst_ProgramStart.moc"
