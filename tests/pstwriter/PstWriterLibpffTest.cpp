// SPDX-License-Identifier: GPL-2.0-or-later
// The writer's files seen by libpff, a reader written by other hands than
// libpst: it must open them without errors and see the same folders, the
// same items and the same values.
#include "LibpffFile.h"
#include "PstMessageEncoder.h"
#include "PstPresets.h"
#include "PstWriter.h"

#include <QDir>
#include <QFile>
#include <QDirIterator>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

void collectSubjects(const QList<PstFolder>& folders, const QString& path, std::map<QString, QStringList>& out)
{
    for (const PstFolder& f : folders) {
        const QString here = path.isEmpty() ? f.name : path + QLatin1Char('/') + f.name;
        QStringList& subjects = out[here];
        for (const PstMessage& m : f.messages)
            subjects.append(m.subjectPrefix + m.subject);
        collectSubjects(f.folders, here, out);
    }
}

std::map<QString, QStringList> sorted(std::map<QString, QStringList> byFolder)
{
    for (auto& entry : byFolder)
        entry.second.sort();
    return byFolder;
}

qint64 secs(const QDateTime& t) { return t.toSecsSinceEpoch(); }

} // namespace

class PstWriterLibpffTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void libpffOpensTheFile();
    void libpffSeesTheSameFoldersItemsAndSubjects();
    void libpffSeesThePermutedFileTheSame();
    void libpffReadsTaskProperties();
    void libpffReadsJournalProperties();
    void libpffReadsMailAndAppointmentValues();
    void libpffReadsEveryContactField();
    void libpffReadsRecurrencePatternsAndHtml();
    void libpffReadsAttachmentSizes();
    void pffinfoAndPffexportAcceptTheFile();
    void pstgenWritesTheSameFileAndReportsThroughput();
    void pffexportDecompressesRtfAndNestedMessages();

private:
    QTemporaryDir m_dir;
    PstDescription m_description;
    QString m_path;
    std::unique_ptr<LibpffFile> m_pff;
};

void PstWriterLibpffTest::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_description = PstPresets::allKinds();
    m_path = m_dir.filePath(QStringLiteral("all-kinds.pst"));
    QString error;
    QVERIFY2(PstWriter::write(m_description, m_path, &error), qPrintable(error));
    m_pff = std::make_unique<LibpffFile>(m_path);
}

void PstWriterLibpffTest::libpffOpensTheFile()
{
    QVERIFY2(m_pff->isOpen(), qPrintable(m_pff->error()));
}

void PstWriterLibpffTest::libpffSeesTheSameFoldersItemsAndSubjects()
{
    std::map<QString, QStringList> expected;
    collectSubjects(m_description.folders, QString(), expected);
    QCOMPARE(sorted(m_pff->subjectsByFolder()), sorted(expected));
}

void PstWriterLibpffTest::libpffSeesThePermutedFileTheSame()
{
    PstDescription d = m_description;
    d.permute = true;
    const QString path = m_dir.filePath(QStringLiteral("permuted.pst"));
    QVERIFY(PstWriter::write(d, path));
    LibpffFile permuted(path);
    QVERIFY2(permuted.isOpen(), qPrintable(permuted.error()));
    QCOMPARE(sorted(permuted.subjectsByFolder()), sorted(m_pff->subjectsByFolder()));
}

void PstWriterLibpffTest::libpffReadsTaskProperties()
{
    int seen = 0;
    m_pff->forEachMessage([&](const QString& folder, libpff_item* item) {
        if (folder != QLatin1String("Tasks"))
            return;
        const QString subject = LibpffFile::subject(item);
        const PstMessage* expected = nullptr;
        for (const PstFolder& f : m_description.folders) {
            for (const PstMessage& m : f.messages) {
                if (f.name == folder && m.subject == subject)
                    expected = &m;
            }
        }
        QVERIFY2(expected, qPrintable(subject));
        uint32_t status = 0;
        uint32_t actual = 0;
        uint32_t estimated = 0;
        double percent = -1;
        bool complete = !expected->complete;
        qint64 start = 0;
        qint64 due = 0;
        QVERIFY(LibpffFile::int32(item, 0x8101, &status));
        QVERIFY(LibpffFile::floating(item, 0x8102, &percent));
        QVERIFY(LibpffFile::filetime(item, 0x8104, &start));
        QVERIFY(LibpffFile::filetime(item, 0x8105, &due));
        QVERIFY(LibpffFile::int32(item, 0x8110, &actual));
        QVERIFY(LibpffFile::int32(item, 0x8111, &estimated));
        QVERIFY(LibpffFile::boolean(item, 0x811C, &complete));
        QCOMPARE(int(status), expected->taskStatus);
        QCOMPARE(percent, expected->percentComplete);
        QCOMPARE(start, secs(expected->taskStart));
        QCOMPARE(due, secs(expected->taskDue));
        QCOMPARE(int(actual), expected->actualWorkMinutes);
        QCOMPARE(int(estimated), expected->estimatedWorkMinutes);
        QCOMPARE(complete, expected->complete);
        QCOMPARE(LibpffFile::text(item, 0x811F), expected->owner);
        if (expected->dateCompleted.isValid()) {
            qint64 completed = 0;
            QVERIFY(LibpffFile::filetime(item, 0x810F, &completed));
            QCOMPARE(completed, secs(expected->dateCompleted));
        }
        ++seen;
    });
    QCOMPARE(seen, 2);
}

void PstWriterLibpffTest::libpffReadsJournalProperties()
{
    QMap<QString, int> minutes;
    QMap<QString, QString> types;
    m_pff->forEachMessage([&](const QString& folder, libpff_item* item) {
        if (folder != QLatin1String("Journal"))
            return;
        uint32_t duration = 0;
        qint64 start = 0;
        qint64 end = 0;
        QVERIFY(LibpffFile::int32(item, 0x8707, &duration));
        QVERIFY(LibpffFile::filetime(item, 0x8706, &start));
        QVERIFY(LibpffFile::filetime(item, 0x8708, &end));
        QCOMPARE(end - start, qint64(duration) * 60);
        minutes[LibpffFile::subject(item)] = int(duration);
        types[LibpffFile::subject(item)] = LibpffFile::text(item, 0x8700) + QLatin1Char('|') + LibpffFile::text(item, 0x8712);
    });
    QCOMPARE(minutes.value(QStringLiteral("Call with supplier")), 90);
    QCOMPARE(minutes.value(QStringLiteral("Edited the plan")), 20);
    QCOMPARE(types.value(QStringLiteral("Call with supplier")), QStringLiteral("Phone call|Phone call"));
    QCOMPARE(types.value(QStringLiteral("Edited the plan")), QStringLiteral("Document|Microsoft Word"));
}

void PstWriterLibpffTest::libpffReadsMailAndAppointmentValues()
{
    bool sawMail = false;
    bool sawAppointment = false;
    bool sawContact = false;
    bool sawGbk = false;
    m_pff->forEachMessage([&](const QString&, libpff_item* item) {
        const QString subject = LibpffFile::subject(item);
        if (subject == QLatin1String("Quarterly figures")) {
            sawMail = true;
            QCOMPARE(LibpffFile::text(item, 0x0C1A), QStringLiteral("Alice Example"));
            QCOMPARE(LibpffFile::text(item, 0x0C1F), QStringLiteral("alice@example.com"));
            QCOMPARE(LibpffFile::text(item, 0x1000), QStringLiteral("Hello Bob,\r\nthe figures are attached.\r\nAlice"));
            QCOMPARE(LibpffFile::text(item, 0x0E04), QStringLiteral("Bob Builder"));
            qint64 sent = 0;
            QVERIFY(LibpffFile::filetime(item, 0x0039, &sent));
            QCOMPARE(sent, QDateTime(QDate(2024, 3, 1), QTime(9, 30), Qt::UTC).toSecsSinceEpoch());
        } else if (subject == QLatin1String("Design review")) {
            sawAppointment = true;
            qint64 start = 0;
            uint32_t minutes = 0;
            QVERIFY(LibpffFile::filetime(item, 0x820D, &start));
            QCOMPARE(start, QDateTime(QDate(2024, 5, 6), QTime(13, 0), Qt::UTC).toSecsSinceEpoch());
            QCOMPARE(LibpffFile::text(item, 0x8208), QStringLiteral("Room 2"));
            QVERIFY(LibpffFile::int32(item, 0x8501, &minutes));
            QCOMPARE(int(minutes), 30);
        } else if (subject == QLatin1String("Helen Q. Contact")) {
            sawContact = true;
            QCOMPARE(LibpffFile::text(item, 0x3A30), QStringLiteral("Ian Assistant"));
            QCOMPARE(LibpffFile::text(item, 0x8083), QStringLiteral("helen@example.com"));
            QCOMPARE(LibpffFile::text(item, 0x801B), QStringLiteral("1 Work Road\r\nWorktown WS 11111\r\nWorkland"));
        } else if (subject == QStringLiteral("你好，世界")) {
            // libpff decodes the subject with the message code page but generic
            // values with the file's default (1252), so the GBK body comes back as its bytes.
            sawGbk = true;
            QCOMPARE(LibpffFile::text(item, 0x1000).toLatin1(), QByteArray("\xD6\xD0\xCE\xC4\xD5\xFD\xCE\xC4"));
        }
    });
    QVERIFY(sawMail);
    QVERIFY(sawAppointment);
    QVERIFY(sawContact);
    QVERIFY(sawGbk);
}

void PstWriterLibpffTest::libpffReadsEveryContactField()
{
    const PstMessage* expected = nullptr;
    for (const PstFolder& f : m_description.folders) {
        for (const PstMessage& m : f.messages) {
            if (m.kind == PstMessage::Kind::Contact)
                expected = &m;
        }
    }
    QVERIFY(expected);
    int compared = 0;
    m_pff->forEachMessage([&](const QString& folder, libpff_item* item) {
        if (folder != QLatin1String("Contacts"))
            return;
        // libpff resolves named properties to their numbers through the name-to-id map.
        for (const PstMessageEncoder::ContactField& field : PstMessageEncoder::contactFields()) {
            const QString value = expected->contact.value(QLatin1String(field.key));
            QVERIFY2(!value.isEmpty(), field.key);
            QCOMPARE(LibpffFile::text(item, field.id), value);
            ++compared;
        }
        qint64 birthday = 0;
        QVERIFY(LibpffFile::filetime(item, 0x3A42, &birthday));
        QCOMPARE(birthday, QDateTime(expected->birthday, QTime(0, 0), Qt::UTC).toSecsSinceEpoch());
    });
    QCOMPARE(compared, int(PstMessageEncoder::contactFields().size()));
}

void PstWriterLibpffTest::libpffReadsRecurrencePatternsAndHtml()
{
    int patterns = 0;
    QByteArray html;
    m_pff->forEachMessage([&](const QString& folder, libpff_item* item) {
        const QString subject = LibpffFile::subject(item);
        if (subject == QLatin1String("RE: Logo proposal"))
            html = LibpffFile::binary(item, 0x1013);
        if (folder != QLatin1String("Calendar"))
            return;
        for (const PstFolder& f : m_description.folders) {
            for (const PstMessage& m : f.messages) {
                if (f.name != folder || m.subject != subject || m.recurrence.kind == PstRecurrence::None)
                    continue;
                bool recurring = false;
                uint32_t type = 0;
                QVERIFY(LibpffFile::boolean(item, 0x8223, &recurring));
                QVERIFY(LibpffFile::int32(item, 0x8231, &type));
                QVERIFY(recurring);
                QCOMPARE(int(type), int(m.recurrence.kind));
                QCOMPARE(LibpffFile::text(item, 0x8232), m.recurrence.description);
                QCOMPARE(LibpffFile::binary(item, 0x8216), PstMessageEncoder::recurrenceBlob(m));
                ++patterns;
            }
        }
    });
    QCOMPARE(patterns, 4);
    QCOMPARE(html, QByteArray("<html><body><p>See the logo below.</p><img src=\"cid:logo1\"></body></html>"));
}

void PstWriterLibpffTest::libpffReadsAttachmentSizes()
{
    QList<qint64> sizes;
    m_pff->forEachMessage([&](const QString&, libpff_item* item) {
        if (LibpffFile::subject(item) == QLatin1String("RE: Logo proposal"))
            sizes = LibpffFile::attachmentSizes(item);
    });
    QCOMPARE(sizes, (QList<qint64>{308, 20000}));
}

void PstWriterLibpffTest::pffinfoAndPffexportAcceptTheFile()
{
    QProcess info;
    info.start(QStringLiteral("pffinfo"), {m_path});
    QVERIFY2(info.waitForFinished(60000), "pffinfo did not finish");
    QCOMPARE(info.exitCode(), 0);
    QVERIFY(info.readAllStandardOutput().contains("Personal Storage Tables (PST)"));

    const QString target = m_dir.filePath(QStringLiteral("export"));
    QProcess exporter;
    exporter.setProcessChannelMode(QProcess::MergedChannels);
    exporter.start(QStringLiteral("pffexport"), {QStringLiteral("-q"), QStringLiteral("-m"), QStringLiteral("all"),
                                                 QStringLiteral("-t"), target, m_path});
    QVERIFY2(exporter.waitForFinished(120000), "pffexport did not finish");
    const QByteArray output = exporter.readAll();
    QVERIFY2(exporter.exitCode() == 0, output.constData());
    // One directory per exported item (Message00001, Contact00001, ...), outside attachment folders.
    std::map<QString, int> itemsByFolder;
    const QString root = target + QStringLiteral(".export/Top of Personal Folders/");
    const QRegularExpression itemName(QStringLiteral("^(Message|Contact|Appointment|Task|Note|Meeting|Activity|Journal|Item|Report)\\d{5}$"));
    QDirIterator it(root, QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString dir = it.next();
        const QString relative = dir.mid(root.size());
        if (relative.contains(QLatin1String("Attachments")) || !itemName.match(it.fileName()).hasMatch())
            continue;
        itemsByFolder[relative.section(QLatin1Char('/'), 0, -2)] += 1;
    }
    std::map<QString, QStringList> expected;
    collectSubjects(m_description.folders, QString(), expected);
    for (const auto& entry : expected) {
        if (!entry.second.isEmpty())
            QCOMPARE(itemsByFolder[entry.first], int(entry.second.size()));
    }
}

void PstWriterLibpffTest::pstgenWritesTheSameFileAndReportsThroughput()
{
    const QString path = m_dir.filePath(QStringLiteral("pstgen.pst"));
    QProcess pstgen;
    pstgen.start(QStringLiteral(PSTGEN_PATH), {QStringLiteral("--preset"), QStringLiteral("all-kinds"), QStringLiteral("-o"), path});
    QVERIFY2(pstgen.waitForFinished(60000), "pstgen did not finish");
    QCOMPARE(pstgen.exitCode(), 0);
    const QByteArray report = pstgen.readAllStandardOutput();
    QVERIFY2(report.contains("MB/s") && report.contains("peak RSS"), report.constData());
    QFile written(path);
    QFile inProcess(m_path);
    QVERIFY(written.open(QIODevice::ReadOnly) && inProcess.open(QIODevice::ReadOnly));
    QVERIFY2(written.readAll() == inProcess.readAll(), "pstgen and PstWriter::write differ");
}

void PstWriterLibpffTest::pffexportDecompressesRtfAndNestedMessages()
{
    const QString target = m_dir.filePath(QStringLiteral("bodies"));
    QProcess exporter;
    exporter.start(QStringLiteral("pffexport"), {QStringLiteral("-q"), QStringLiteral("-f"), QStringLiteral("all"),
                                                 QStringLiteral("-m"), QStringLiteral("all"), QStringLiteral("-t"),
                                                 target, m_path});
    QVERIFY2(exporter.waitForFinished(120000), "pffexport did not finish");
    QCOMPARE(exporter.exitCode(), 0);
    // Finds an exported item folder by the subject line of its OutlookHeaders.txt.
    const QString inbox = target + QStringLiteral(".export/Top of Personal Folders/Inbox/");
    const auto folderOf = [&](const QString& subject) {
        for (const QString& name : QDir(inbox).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            QFile headers(inbox + name + QStringLiteral("/OutlookHeaders.txt"));
            if (headers.open(QIODevice::ReadOnly) && headers.readAll().contains("Subject:\t\t\t\t" + subject.toUtf8() + '\n'))
                return inbox + name;
        }
        return QString();
    };
    const QString rtfFolder = folderOf(QStringLiteral("Rich text from Exchange"));
    QVERIFY(!rtfFolder.isEmpty());
    QFile rtf(rtfFolder + QStringLiteral("/Message.rtf"));
    QVERIFY(rtf.open(QIODevice::ReadOnly));
    const QByteArray expected = "{\\rtf1\\ansi\\deff0 {\\fonttbl {\\f0 Arial;}} \\b Bold\\b0  words.\\par }";
    // pffexport ends every exported RTF body with a NUL, for Outlook's files too.
    QByteArray exported = rtf.readAll();
    if (exported.endsWith('\0'))
        exported.chop(1);
    QCOMPARE(exported, expected);

    const QString nested = folderOf(QStringLiteral("FW: Forwarded message"));
    QVERIFY(!nested.isEmpty());
    QFile inner(nested + QStringLiteral("/Attachments/Attachment00001/Message00001/Attachments/Attachment00001/"
                                        "Message00001/Attachments/1_inner.txt"));
    QVERIFY2(inner.open(QIODevice::ReadOnly), "the message attached two levels down is missing");
    QCOMPARE(inner.readAll(), QByteArray("inner attachment"));
}

QTEST_GUILESS_MAIN(PstWriterLibpffTest)
#include "PstWriterLibpffTest.moc"
