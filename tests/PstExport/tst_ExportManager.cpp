// SPDX-License-Identifier: GPL-2.0-or-later
// The export engine on PST files made by the test writer: where files go and
// what they are called, which folders stay, progress, cancellation and runs
// with nothing to do.

#include "ExportFixture.h"
#include "ExportManager.h"
#include "IMVLogConfig.h"
#include "ProgressReporter.h"
#include "TestHome.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace ExportFixture;

namespace {

const QString kMailClass = QStringLiteral("IPF.Note");

QList<PstMessage> mails(int count, const QString& prefix = QStringLiteral("Mail "))
{
    QList<PstMessage> list;
    for (int i = 0; i < count; ++i)
        list.append(mail(prefix + QString::number(i)));
    return list;
}

QList<PstMessage> messages(PstMessage::Kind kind, int count)
{
    QList<PstMessage> list;
    for (int i = 0; i < count; ++i) {
        PstMessage m = message(kind, QStringLiteral("Item %1").arg(i));
        // libpst gives a record its contact part only when it has a contact value.
        if (kind == PstMessage::Kind::Contact)
            m.contact.insert(QStringLiteral("fullname"), QStringLiteral("Person %1").arg(i));
        if (kind == PstMessage::Kind::Journal) {
            m.journalType = QStringLiteral("Phone call");
            m.start = m.creationTime;
            m.end = m.modificationTime;
        }
        list.append(m);
    }
    return list;
}

QList<int> steps(int step, int total)
{
    QList<int> values;
    for (int c = step; c <= total; c += step)
        values.append(c);
    if (values.isEmpty() || values.last() != total)
        values.append(total);
    return values;
}

QString logText()
{
    QFile log(QString::fromStdString(Morvek::IMVLogConfig::CurrentLogFile()));
    return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QString();
}

} // namespace

class TestExportManager : public QObject
{
    Q_OBJECT

private:
    // A fresh PST from the folders, opened; the temporary folder keeps it.
    std::shared_ptr<PstFolderItem> make(const QList<PstFolder>& folders)
    {
        return writeAndOpen(description(folders), m_dir.filePath(QStringLiteral("f%1.pst").arg(++m_files)));
    }

    QString outDir(const QString& name)
    {
        return m_dir.filePath(name);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        Morvek::IMVLogConfig::InitializeLogConfig((m_home.path() + "/log/").toStdString());
    }

    void mailsAreNamedAfterTheirSubjects()
    {
        const QString longSubject = QString(200, QChar(0x00E9));
        QList<PstMessage> inbox{mail("S"), mail("S"), mail("S"), mail(QString()), mail("a/b:c"),
                                mail("two\r\nlines"), mail(longSubject), mail(longSubject)};
        const auto root = make({folder("Inbox", kMailClass, inbox)});
        QVERIFY(root);
        const auto inboxFolder = findFolder(root, "Inbox");
        QVERIFY(inboxFolder);
        const QString out = outDir("names");
        const Run run = runExport(inboxFolder, out, {"eml"});
        QCOMPARE(run.completions, 1);
        QCOMPARE(run.errors.value("eml"), 0);
        const QString cutName = QString(125, QChar(0x00E9)) + ".eml";
        const QString cutNumbered = QString(124, QChar(0x00E9)) + "_1.eml";
        QStringList expected{"S.eml", "S_1.eml", "S_2.eml", "mail.eml", "a_b_c.eml", "twolines.eml", cutName,
                             cutNumbered};
        expected.sort();
        QCOMPARE(filesUnder(out), expected);
    }

    void itemsAreWrittenInListOrder()
    {
        const auto root = make({folder("Inbox", kMailClass,
                                       {mail("S", "first body"), mail("S", "second body"), mail("S", "third body")})});
        QVERIFY(root);
        const QString out = outDir("order");
        QCOMPARE(runExport(findFolder(root, "Inbox"), out, {"eml"}).completions, 1);
        const QStringList bodies{"first body", "second body", "third body"};
        const QStringList names{"S.eml", "S_1.eml", "S_2.eml"};
        for (int i = 0; i < names.size(); ++i) {
            QFile file(out + "/" + names[i]);
            QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(names[i]));
            QVERIFY2(file.readAll().contains(bodies[i].toUtf8()), qPrintable(names[i]));
        }
    }

    void foldersMirrorTheTreeAndStayInside()
    {
        const auto root = make({folder("Inbox", kMailClass, {mail("in inbox")},
                                       {folder("Sub", kMailClass, {mail("in sub")})}),
                                folder("..", kMailClass, {mail("dots")}),
                                folder("a/b", kMailClass, {mail("slash")}),
                                folder("x\ny", kMailClass, {mail("break")})});
        QVERIFY(root);
        const QString base = outDir("inside");
        const QString out = base + "/out";
        const Run run = runExport(root, out, {"eml"});
        QCOMPARE(run.completions, 1);
        QCOMPARE(QDir(base).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList{"out"});
        const QStringList files = filesUnder(out);
        QCOMPARE(files.size(), 5);
        const auto endsWith = [&](const QString& tail) {
            return std::any_of(files.begin(), files.end(), [&](const QString& f) { return f.endsWith(tail); });
        };
        QVERIFY2(endsWith("/Inbox/in inbox.eml"), qPrintable(files.join('\n')));
        QVERIFY2(endsWith("/Inbox/Sub/in sub.eml"), qPrintable(files.join('\n')));
        QVERIFY2(endsWith("/_/dots.eml"), qPrintable(files.join('\n')));
        QVERIFY2(endsWith("/a_b/slash.eml"), qPrintable(files.join('\n')));
        QVERIFY2(endsWith("/xy/break.eml"), qPrintable(files.join('\n')));
    }

    void emptyFoldersAreRemovedBottomUp()
    {
        const QList<PstFolder> folders{
            folder("Mail", kMailClass, {mail("kept")}),
            folder("Chain", kMailClass, {}, {folder("Middle", kMailClass, {}, {folder("Leaf", kMailClass, {})})}),
            folder("People", "IPF.Contact", messages(PstMessage::Kind::Contact, 1)),
        };
        const auto root = make(folders);
        QVERIFY(root);
        const QString removed = outDir("ignore-on");
        QCOMPARE(runExport(root, removed, {"eml"}).completions, 1);
        QStringList dirs = directoriesUnder(removed);
        QVERIFY2(!dirs.join('\n').contains("Chain"), qPrintable(dirs.join('\n')));
        // Items of an unselected kind keep their folder, empty as it is.
        QVERIFY2(dirs.join('\n').contains("People"), qPrintable(dirs.join('\n')));

        const QString kept = outDir("ignore-off");
        QCOMPARE(runExport(root, kept, {"eml"}, false).completions, 1);
        dirs = directoriesUnder(kept);
        QVERIFY2(dirs.join('\n').contains("Chain/Middle/Leaf"), qPrintable(dirs.join('\n')));
    }

    void rootWithNothingOfItsOwnIsRemovedToo()
    {
        const auto root = make({folder("Outer", kMailClass, {}, {folder("Inner", kMailClass, {})}),
                                folder("Mail", kMailClass, {mail("one")})});
        QVERIFY(root);
        const QString out = outDir("outer-root");
        QCOMPARE(runExport(findFolder(root, "Outer"), out, {"eml"}).notFound, true);
        const auto mailRoot = findFolder(root, "Mail");
        // A folder given as root that has items keeps its directory.
        QCOMPARE(runExport(mailRoot, out, {"eml"}).completions, 1);
        QCOMPARE(filesUnder(out), QStringList{"one.eml"});
    }

    void progressMovesInStepsOfOnePerCent()
    {
        const auto root = make({folder("Inbox", kMailClass, mails(250)),
                                folder("People", "IPF.Contact", messages(PstMessage::Kind::Contact, 7))});
        QVERIFY(root);
        const Run run = runExport(root, outDir("progress"), {"eml", "vcf"});
        QCOMPARE(run.completions, 1);
        QCOMPARE(run.labels, (QStringList{"Emails", "Contacts"}));
        QCOMPARE(run.totals.value("Emails"), 250);
        QCOMPARE(run.totals.value("Contacts"), 7);
        QCOMPARE(run.progress.value("Emails"), steps(2, 250));
        QCOMPARE(run.progress.value("Contacts"), steps(1, 7));
    }

    void journalOnlyRunShowsOneBar()
    {
        const auto root = make({folder("Inbox", kMailClass, mails(3)),
                                folder("Journal", "IPF.Journal", messages(PstMessage::Kind::Journal, 2))});
        QVERIFY(root);
        const QString out = outDir("journal");
        const Run run = runExport(root, out, {"ics2"});
        QCOMPARE(run.labels, QStringList{"Journal"});
        QCOMPARE(run.totals.value("Journal"), 2);
        QCOMPARE(run.progress.value("Journal"), (QList<int>{1, 2}));
        const QStringList files = filesUnder(out);
        QCOMPARE(files.size(), 2);
        for (const QString& file : files) {
            QVERIFY(file.endsWith(".ics"));
            QFile ics(out + "/" + file);
            QVERIFY(ics.open(QIODevice::ReadOnly));
            QVERIFY2(ics.readAll().contains("BEGIN:VJOURNAL"), qPrintable(file));
        }
    }

    void nothingToExportIsReported()
    {
        const auto root = make({folder("Inbox", kMailClass, mails(2)),
                                folder("Tasks", "IPF.Task", messages(PstMessage::Kind::Task, 2))});
        QVERIFY(root);
        const Run notes = runExport(root, outDir("none"), {"txt", "ics"});
        QVERIFY(notes.notFound);
        QCOMPARE(notes.completions, 0);
        QVERIFY(notes.labels.isEmpty());
        QVERIFY(!QFileInfo::exists(outDir("none")));
        // Tasks have their own format only.
        const QList<QString> others{"eml", "vcf", "ics", "txt", "ics2"};
        const Run tasks = runExport(findFolder(root, "Tasks"), outDir("tasks"), others);
        QVERIFY(tasks.notFound);
    }

    void cancelBeforeTheTasksRunFailsThemAll()
    {
        const auto root = make({folder("Inbox", kMailClass, mails(30))});
        QVERIFY(root);
        const QString out = outDir("cancel-early");
        // Holding the document's lock keeps the first task waiting until the
        // run is cancelled.
        const auto lock = root->pstLock();
        QVERIFY(lock);
        lock->lock();
        bool running = false;
        const Run run = runExport(root, out, {"eml"}, true, {}, [&](ExportManager& manager) {
            manager.cancel();
            running = manager.isRunning();
            lock->unlock();
        });
        QVERIFY(!running);
        QCOMPARE(run.completions, 1);
        QCOMPARE(run.errors.value("eml"), 30);
        QVERIFY(run.progress.value("Emails").isEmpty());
        QVERIFY(filesUnder(out).size() <= 1); // at most the task already waiting on the lock
        QVERIFY(logText().contains("Exported error emails: 30, contacts: 0, appointments: 0"));
    }

    void cancelDuringARunEndsItOnce()
    {
        // The test holds the document's lock from before the first task and
        // lets the tasks through a few at a time, so the run is cancelled
        // between two items however fast or slow the machine is.
        QList<PstMessage> inbox = mails(300);
        for (PstMessage& m : inbox) {
            PstAttachment attachment;
            attachment.longName = QStringLiteral("data.bin");
            attachment.generatedSize = 48 * 1024;
            m.attachments.append(attachment);
        }
        const auto root = make({folder("Inbox", kMailClass, inbox)});
        QVERIFY(root);
        const QString out = outDir("cancel-mid");
        std::shared_ptr<QRecursiveMutex> lock = root->pstLock();
        const Run run = runExport(
            root, out, {"eml"}, true, [&](ExportManager&, const QString&, ProgressReporter*) { lock->lock(); },
            [&](ExportManager& manager) {
                while (filesUnder(out).size() < 3) {
                    lock->unlock();
                    QThread::msleep(2);
                    lock->lock();
                }
                manager.cancel();
                lock->unlock();
            });
        QCOMPARE(run.completions, 1);
        const int written = int(filesUnder(out).size());
        QVERIFY2(written >= 3, qPrintable(QString::number(written)));
        QCOMPARE(written + run.errors.value("eml"), 300);
        QVERIFY(run.errors.value("eml") > 0);
        QVERIFY(logText().contains(
            QStringLiteral("Exported error emails: %1, contacts: 0, appointments: 0").arg(run.errors.value("eml"))));
    }

private:
    TestHome m_home;
    QTemporaryDir m_dir;
    int m_files = 0;
};

QTEST_GUILESS_MAIN(TestExportManager)
#include "tst_ExportManager.moc"
