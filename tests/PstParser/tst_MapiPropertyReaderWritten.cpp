// SPDX-License-Identifier: GPL-2.0-or-later
#include "MapiPropertyReader.h"
#include "PstWriter.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

// Reads the task and journal values back from files written by the test PST
// writer, whose every value is known exactly.

namespace {

using Reader = MapiPropertyReader;

// FILETIME counts 100-nanosecond intervals from 1601; Unix time starts
// this many of them later.
constexpr qint64 kUnixEpochAsFiletime = 116444736000000000LL;

qint64 filetimeOf(const QDateTime& time)
{
    return time.toMSecsSinceEpoch() * 10000 + kUnixEpochAsFiletime;
}

PstMessage writtenTask()
{
    PstMessage task;
    task.kind = PstMessage::Kind::Task;
    task.subject = QStringLiteral("Write the quarterly report");
    task.body = QStringLiteral("Figures first.");
    task.taskStatus = 3;
    task.percentComplete = 0.29;
    task.estimatedWorkMinutes = 480;
    task.actualWorkMinutes = 150;
    task.taskStart = QDateTime(QDate(2023, 3, 1), QTime(8, 0), Qt::UTC);
    task.taskDue = QDateTime(QDate(2023, 3, 31), QTime(17, 30), Qt::UTC);
    task.owner = QStringLiteral("Zoë Ångström");
    task.complete = false;
    return task;
}

PstMessage writtenJournal()
{
    PstMessage journal;
    journal.kind = PstMessage::Kind::Journal;
    journal.subject = QStringLiteral("Call with the printer");
    journal.journalType = QStringLiteral("Phone call");
    journal.start = QDateTime(QDate(2023, 5, 2), QTime(14, 0), Qt::UTC);
    journal.end = QDateTime(QDate(2023, 5, 2), QTime(15, 30), Qt::UTC);
    journal.durationMinutes = 90;
    return journal;
}

PstMessage writtenMail()
{
    PstMessage mail;
    mail.subject = QStringLiteral("Lunch");
    // Long enough to be kept in a subnode spread over several blocks.
    mail.body = QString(30000, QChar(u'é'));
    return mail;
}

// An open libpst file of a written PST, closed on scope exit.
class WrittenFile
{
public:
    WrittenFile(const QString& path, const QList<PstMessage>& messages, bool permute)
    {
        PstDescription description;
        description.permute = permute;
        PstFolder folder;
        folder.name = QStringLiteral("Items");
        folder.containerClass = QStringLiteral("IPF.Note");
        folder.messages = messages;
        description.folders.append(folder);
        QString error;
        if (!PstWriter::write(description, path, &error)) {
            m_error = "Writing failed: " + error;
            return;
        }
        if (pst_open(&m_file, QFile::encodeName(path).constData(), "utf-8") != 0) {
            m_error = QStringLiteral("libpst cannot open the written file");
            return;
        }
        m_open = pst_load_index(&m_file) == 0;
        pst_load_extended_attributes(&m_file);
    }
    ~WrittenFile()
    {
        if (m_open)
            pst_close(&m_file);
    }
    WrittenFile(const WrittenFile&) = delete;
    WrittenFile& operator=(const WrittenFile&) = delete;

    QString error() const { return m_open ? QString() : m_error; }
    pst_file* file() { return &m_file; }

    // The message node whose subject libpst reads as this.
    pst_desc_tree* messageWithSubject(const QString& subject)
    {
        return find(m_file.d_head, subject);
    }

private:
    pst_desc_tree* find(pst_desc_tree* node, const QString& subject)
    {
        for (; node; node = node->next) {
            pst_item* item = pst_parse_item(&m_file, node, nullptr);
            const bool match = item && !item->folder && item->subject.str
                && QString::fromUtf8(item->subject.str) == subject;
            if (item)
                pst_freeItem(item);
            if (match)
                return node;
            if (pst_desc_tree* below = find(node->child, subject))
                return below;
        }
        return nullptr;
    }

    pst_file m_file{};
    bool m_open = false;
    QString m_error = QStringLiteral("not opened");
};

} // namespace

class tst_MapiPropertyReaderWritten : public QObject
{
    Q_OBJECT

private slots:
    void writtenTaskValuesReadBack_data();
    void writtenTaskValuesReadBack();
    void writtenJournalDurationReadsBack();
    void writtenMailHasNoTaskValuesAndItsLongBodyReads();

private:
    QTemporaryDir m_dir;
};

void tst_MapiPropertyReaderWritten::writtenTaskValuesReadBack_data()
{
    QTest::addColumn<bool>("permute");
    QTest::newRow("plain blocks") << false;
    QTest::newRow("compressible encoding") << true;
}

void tst_MapiPropertyReaderWritten::writtenTaskValuesReadBack()
{
    QFETCH(bool, permute);
    const PstMessage task = writtenTask();
    WrittenFile pst(m_dir.filePath(QString("task-%1.pst").arg(permute)), {task, writtenJournal()}, permute);
    QVERIFY2(pst.error().isEmpty(), qPrintable(pst.error()));
    pst_desc_tree* node = pst.messageWithSubject(task.subject);
    QVERIFY2(node, "The written task was not found");
    const Reader reader(pst.file(), node);
    QVERIFY(reader.isValid());

    QCOMPARE(reader.int32Named(Reader::kPsetidTask, Reader::kLidTaskStatus), std::optional<qint32>(3));
    QCOMPARE(reader.doubleNamed(Reader::kPsetidTask, Reader::kLidPercentComplete), std::optional<double>(0.29));
    QCOMPARE(reader.int32Named(Reader::kPsetidTask, Reader::kLidTaskEstimatedEffort), std::optional<qint32>(480));
    QCOMPARE(reader.int32Named(Reader::kPsetidTask, Reader::kLidTaskActualEffort), std::optional<qint32>(150));
    QCOMPARE(reader.boolNamed(Reader::kPsetidTask, Reader::kLidTaskComplete), std::optional<bool>(false));
    QCOMPARE(reader.stringNamed(Reader::kPsetidTask, Reader::kLidTaskOwner), std::optional<QString>(task.owner));
    QCOMPARE(reader.filetimeNamed(Reader::kPsetidTask, Reader::kLidTaskStartDate),
             std::optional<qint64>(filetimeOf(task.taskStart)));
    QCOMPARE(reader.filetimeNamed(Reader::kPsetidTask, Reader::kLidTaskDueDate),
             std::optional<qint64>(filetimeOf(task.taskDue)));
    // The writer leaves out times that were not given.
    QVERIFY(!reader.filetimeNamed(Reader::kPsetidTask, Reader::kLidTaskDateCompleted));
    QVERIFY(!reader.int32Named(Reader::kPsetidLog, Reader::kLidLogDuration));
}

void tst_MapiPropertyReaderWritten::writtenJournalDurationReadsBack()
{
    const PstMessage journal = writtenJournal();
    WrittenFile pst(m_dir.filePath("journal.pst"), {writtenTask(), journal}, false);
    QVERIFY2(pst.error().isEmpty(), qPrintable(pst.error()));
    pst_desc_tree* node = pst.messageWithSubject(journal.subject);
    QVERIFY2(node, "The written journal entry was not found");
    const Reader reader(pst.file(), node);

    QCOMPARE(reader.int32Named(Reader::kPsetidLog, Reader::kLidLogDuration), std::optional<qint32>(90));
    QCOMPARE(reader.filetimeNamed(Reader::kPsetidLog, Reader::kLidLogStart), std::optional<qint64>(filetimeOf(journal.start)));
    QCOMPARE(reader.filetimeNamed(Reader::kPsetidLog, Reader::kLidLogEnd), std::optional<qint64>(filetimeOf(journal.end)));
    QVERIFY(!reader.int32Named(Reader::kPsetidTask, Reader::kLidTaskStatus));
}

void tst_MapiPropertyReaderWritten::writtenMailHasNoTaskValuesAndItsLongBodyReads()
{
    const PstMessage mail = writtenMail();
    WrittenFile pst(m_dir.filePath("mail.pst"), {mail, writtenTask()}, true);
    QVERIFY2(pst.error().isEmpty(), qPrintable(pst.error()));
    pst_desc_tree* node = pst.messageWithSubject(mail.subject);
    QVERIFY2(node, "The written mail was not found");
    const Reader reader(pst.file(), node);

    QVERIFY(!reader.int32Named(Reader::kPsetidTask, Reader::kLidTaskStatus));
    QVERIFY(!reader.doubleNamed(Reader::kPsetidTask, Reader::kLidPercentComplete));
    QVERIFY(!reader.stringNamed(Reader::kPsetidTask, Reader::kLidTaskOwner));
    QVERIFY(!reader.int32Named(Reader::kPsetidLog, Reader::kLidLogDuration));
    QCOMPARE(reader.string(0x1000), std::optional<QString>(mail.body));
}

QTEST_GUILESS_MAIN(tst_MapiPropertyReaderWritten)
#include "tst_MapiPropertyReaderWritten.moc"
