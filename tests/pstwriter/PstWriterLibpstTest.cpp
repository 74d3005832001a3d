// SPDX-License-Identifier: GPL-2.0-or-later
// Every item of the writer's "all kinds" file, read back through libpst and
// compared value by value with its description.
#include "LibpstFile.h"
#include "PstMessageEncoder.h"
#include "PstPresets.h"
#include "PstWriter.h"

extern "C" {
#include <libpst/lzfu.h>
}

#include <QCryptographicHash>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCodec>

#include <cstddef>
#include <memory>

namespace {

const PstMessage* findMessage(const PstDescription& d, const QString& subject, QString* folderPath = nullptr)
{
    std::function<const PstMessage*(const QList<PstFolder>&, const QString&)> search =
        [&](const QList<PstFolder>& folders, const QString& path) -> const PstMessage* {
        for (const PstFolder& f : folders) {
            const QString here = path.isEmpty() ? f.name : path + QLatin1Char('/') + f.name;
            for (const PstMessage& m : f.messages) {
                if (m.subject == subject) {
                    if (folderPath)
                        *folderPath = here;
                    return &m;
                }
            }
            if (const PstMessage* inner = search(f.folders, here))
                return inner;
        }
        return nullptr;
    };
    return search(d.folders, QString());
}

qint64 secs(const QDateTime& t) { return t.isValid() ? t.toSecsSinceEpoch() : -1; }

std::vector<pst_item_attach*> attachmentsWithData(pst_item* item)
{
    // libpst also lists one empty record per recipient row; those are not attachments.
    std::vector<pst_item_attach*> out;
    for (pst_item_attach* a = item->attach; a; a = a->next) {
        if (a->method != PST_ATTACH_NONE)
            out.push_back(a);
    }
    return out;
}

} // namespace

class PstWriterLibpstTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void folderTreeMatchesDescription();
    void everyMessageIsFoundWithItsClass();
    void mailFieldsReadBack();
    void subjectMarkerIsHiddenByLibpst();
    void compressedRtfDecompressesToTheOriginal();
    void attachmentsReadBackByteForByte();
    void attachedMessagesNestToDepthTwo();
    void contactFieldsReadBack();
    void appointmentFieldsReadBack();
    void recurrencePatternsDecode();
    void journalEntriesReadBack();
    void tasksAndNotesKeepTheirKinds();
    void eightBitStringsKeepTheirCodePage();
    void categoriesBecomeKeywordsFields();
    void namedStringsBecomeExtraFields();
    void permutedFileReadsTheSame();
    void sameDescriptionGivesSameBytes();
    void jsonDescriptionIsWritten();

private:
    QTemporaryDir m_dir;
    PstDescription m_description;
    QString m_path;
    std::unique_ptr<LibpstFile> m_pst;
};

void PstWriterLibpstTest::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_description = PstPresets::allKinds();
    m_path = m_dir.filePath(QStringLiteral("all-kinds.pst"));
    QString error;
    QVERIFY2(PstWriter::write(m_description, m_path, &error), qPrintable(error));
    m_pst = std::make_unique<LibpstFile>(m_path);
    QVERIFY2(m_pst->isOpen(), "libpst cannot open the written file");
}

void PstWriterLibpstTest::folderTreeMatchesDescription()
{
    const QStringList expected = {QStringLiteral("Inbox"),    QStringLiteral("Inbox/Archive"),
                                  QStringLiteral("Contacts"), QStringLiteral("Calendar"),
                                  QStringLiteral("Tasks"),    QStringLiteral("Journal"),
                                  QStringLiteral("Notes"),    QStringLiteral("Deleted Items")};
    QStringList actual = m_pst->folderPaths();
    QStringList sortedExpected = expected;
    actual.sort();
    sortedExpected.sort();
    QCOMPARE(actual, sortedExpected);
}

void PstWriterLibpstTest::everyMessageIsFoundWithItsClass()
{
    int described = 0;
    std::function<void(const QList<PstFolder>&, const QString&)> check = [&](const QList<PstFolder>& folders,
                                                                             const QString& path) {
        for (const PstFolder& f : folders) {
            const QString here = path.isEmpty() ? f.name : path + QLatin1Char('/') + f.name;
            for (const PstMessage& m : f.messages) {
                ++described;
                if (m.codePage)
                    continue; // compared byte-wise in eightBitStringsKeepTheirCodePage
                pst_item* item = m_pst->find(here, m.subjectPrefix + m.subject);
                QVERIFY2(item, qPrintable(here + QLatin1String(": ") + m.subject));
                QCOMPARE(QString::fromLatin1(item->ascii_type), m.effectiveClass());
                QCOMPARE(LibpstFile::text(item->body), m.body);
            }
            check(f.folders, here);
        }
    };
    check(m_description.folders, QString());
    QCOMPARE(int(m_pst->messages().size()), described);
}

void PstWriterLibpstTest::mailFieldsReadBack()
{
    const PstMessage* m = findMessage(m_description, QStringLiteral("Quarterly figures"));
    QVERIFY(m);
    pst_item* item = m_pst->find(QStringLiteral("Inbox"), m->subject);
    QVERIFY(item && item->email);
    QCOMPARE(item->type, PST_TYPE_NOTE);
    QCOMPARE(LibpstFile::text(item->email->outlook_sender_name), m->senderName);
    QCOMPARE(LibpstFile::text(item->email->sender_address), m->senderAddress);
    QCOMPARE(LibpstFile::text(item->email->sender_access), QStringLiteral("SMTP"));
    QCOMPARE(LibpstFile::text(item->email->sender2_address), m->senderAddress);
    QCOMPARE(LibpstFile::text(item->email->sentto_address), QStringLiteral("Bob Builder"));
    QCOMPARE(LibpstFile::text(item->email->cc_address), QStringLiteral("Carol Cc"));
    QCOMPARE(LibpstFile::text(item->email->bcc_address), QStringLiteral("Dave Bcc"));
    QCOMPARE(LibpstFile::seconds(item->email->sent_date), secs(m->sentTime));
    QCOMPARE(LibpstFile::seconds(item->email->arrival_date), secs(m->deliveryTime));
    QCOMPARE(LibpstFile::seconds(item->create_date), secs(m->creationTime));
    QCOMPARE(LibpstFile::seconds(item->modify_date), secs(m->modificationTime));
    QCOMPARE(LibpstFile::text(item->email->header), m->transportHeaders);
    QCOMPARE(LibpstFile::text(item->email->messageid), m->messageId);
    QCOMPARE(item->email->importance, 2);
    QVERIFY(item->flags & PST_FLAG_READ);

    pst_item* html = m_pst->find(QStringLiteral("Inbox"), QStringLiteral("RE: Logo proposal"));
    QVERIFY(html && html->email);
    QCOMPARE(LibpstFile::bytes(html->email->htmlbody), findMessage(m_description, QStringLiteral("Logo proposal"))->htmlBody);
    QVERIFY(!(html->flags & PST_FLAG_READ));
    QVERIFY(html->flags & PST_FLAG_HAS_ATTACHMENT);

    pst_item* exchange = m_pst->find(QStringLiteral("Inbox"), QStringLiteral("Rich text from Exchange"));
    QVERIFY(exchange && exchange->email);
    QCOMPARE(LibpstFile::text(exchange->email->sender_access), QStringLiteral("EX"));
    QVERIFY(LibpstFile::text(exchange->email->sender_address).startsWith(QLatin1String("/O=EXAMPLE/")));

    pst_item* report = m_pst->find(QStringLiteral("Inbox"), QStringLiteral("Undeliverable: Quarterly figures"));
    QVERIFY(report && report->email);
    QCOMPARE(report->type, PST_TYPE_REPORT);
    QCOMPARE(LibpstFile::text(report->email->report_text), QStringLiteral("The e-mail address could not be found."));
    QCOMPARE(LibpstFile::seconds(report->email->report_time),
             secs(findMessage(m_description, QStringLiteral("Undeliverable: Quarterly figures"))->reportTime));

    pst_item* meeting = m_pst->find(QStringLiteral("Inbox"), QStringLiteral("Planning meeting"));
    QVERIFY(meeting && meeting->appointment);
    QCOMPARE(meeting->type, PST_TYPE_SCHEDULE);
    QCOMPARE(LibpstFile::text(meeting->appointment->location), QStringLiteral("Room 101"));
}

void PstWriterLibpstTest::subjectMarkerIsHiddenByLibpst()
{
    // The stored subject is "\x01\x05RE: Logo proposal"; libpst drops the marker.
    QVERIFY(m_pst->find(QStringLiteral("Inbox"), QStringLiteral("RE: Logo proposal")));
}

void PstWriterLibpstTest::compressedRtfDecompressesToTheOriginal()
{
    const PstMessage* m = findMessage(m_description, QStringLiteral("Rich text from Exchange"));
    pst_item* item = m_pst->find(QStringLiteral("Inbox"), m->subject);
    QVERIFY(item && item->email && item->email->rtf_compressed.data);
    size_t size = 0;
    char* rtf = pst_lzfu_decompress(item->email->rtf_compressed.data, uint32_t(item->email->rtf_compressed.size), &size);
    QVERIFY(rtf);
    const QByteArray decompressed(rtf, int(size));
    free(rtf);
    QCOMPARE(decompressed, m->rtfBody);
    QCOMPARE(PstMessageEncoder::compressRtf(m->rtfBody).mid(8, 4), QByteArray("LZFu"));
}

void PstWriterLibpstTest::attachmentsReadBackByteForByte()
{
    const PstMessage* m = findMessage(m_description, QStringLiteral("Logo proposal"));
    pst_item* item = m_pst->find(QStringLiteral("Inbox"), QStringLiteral("RE: Logo proposal"));
    QVERIFY(item);
    const auto attachments = attachmentsWithData(item);
    QCOMPARE(int(attachments.size()), m->attachments.size());
    for (const PstAttachment& expected : m->attachments) {
        pst_item_attach* found = nullptr;
        for (pst_item_attach* a : attachments) {
            if (LibpstFile::text(a->filename2) == expected.longName)
                found = a;
        }
        QVERIFY2(found, qPrintable(expected.longName));
        QCOMPARE(found->method, PST_ATTACH_BY_VALUE);
        QCOMPARE(LibpstFile::text(found->filename1), expected.shortName);
        QCOMPARE(LibpstFile::text(found->mimetype), expected.mimeType);
        QCOMPARE(LibpstFile::text(found->content_id), expected.contentId);
        pst_binary data = pst_attach_to_mem(m_pst->file(), found);
        const QByteArray actual(data.data, int(data.size));
        free(data.data);
        if (expected.generatedSize >= 0) {
            QCOMPARE(actual.size(), expected.generatedSize);
            for (int i = 0; i < actual.size(); ++i)
                QVERIFY2(actual[i] == PstWriter::patternByte(quint64(i)), qPrintable(QString::number(i)));
        } else {
            QCOMPARE(actual, expected.data);
        }
    }
}

void PstWriterLibpstTest::attachedMessagesNestToDepthTwo()
{
    pst_item* outer = m_pst->find(QStringLiteral("Inbox"), QStringLiteral("FW: Forwarded message"));
    QVERIFY(outer);
    QStringList subjects;
    QStringList bodies;
    pst_item* current = outer;
    std::vector<pst_item*> owned;
    for (int depth = 0; depth < 3 && current; ++depth) {
        const auto attachments = attachmentsWithData(current);
        pst_item* next = nullptr;
        for (pst_item_attach* a : attachments) {
            if (a->method == PST_ATTACH_EMBEDDED) {
                // libpst hands out the embedded message's data block and sub-nodes.
                pst_desc_tree embedded{};
                embedded.desc = pst_getID(m_pst->file(), a->i_id);
                next = embedded.desc ? pst_parse_item(m_pst->file(), &embedded, a->id2_head) : nullptr;
                if (next)
                    owned.push_back(next);
            } else if (depth == 2) {
                pst_binary data = pst_attach_to_mem(m_pst->file(), a);
                bodies.append(QString::fromLatin1(QByteArray(data.data, int(data.size))));
                free(data.data);
            }
        }
        current = next;
        if (current) {
            subjects.append(LibpstFile::text(current->subject));
            bodies.append(LibpstFile::text(current->body));
        }
    }
    for (pst_item* item : owned)
        pst_freeItem(item);
    QCOMPARE(subjects, (QStringList{QStringLiteral("Forwarded message"), QStringLiteral("Innermost message")}));
    QCOMPARE(bodies, (QStringList{QStringLiteral("Depth one."), QStringLiteral("Depth two."), QStringLiteral("inner attachment")}));
}

void PstWriterLibpstTest::contactFieldsReadBack()
{
    const PstMessage* m = findMessage(m_description, QStringLiteral("Helen Q. Contact"));
    pst_item* item = m_pst->find(QStringLiteral("Contacts"), m->subject);
    QVERIFY(item && item->contact);
    QCOMPARE(item->type, PST_TYPE_CONTACT);
    struct Field {
        const char* key;
        size_t offset;
    };
#define CONTACT_FIELD(name) {#name, offsetof(pst_item_contact, name)}
    static const Field fields[] = {
        CONTACT_FIELD(account_name), CONTACT_FIELD(address1), CONTACT_FIELD(address1_desc),
        CONTACT_FIELD(address1_transport), CONTACT_FIELD(address2), CONTACT_FIELD(address2_desc),
        CONTACT_FIELD(address2_transport), CONTACT_FIELD(address3), CONTACT_FIELD(address3_desc),
        CONTACT_FIELD(address3_transport), CONTACT_FIELD(assistant_name), CONTACT_FIELD(assistant_phone),
        CONTACT_FIELD(billing_information), CONTACT_FIELD(business_address), CONTACT_FIELD(business_city),
        CONTACT_FIELD(business_country), CONTACT_FIELD(business_fax), CONTACT_FIELD(business_homepage),
        CONTACT_FIELD(business_phone), CONTACT_FIELD(business_phone2), CONTACT_FIELD(business_po_box),
        CONTACT_FIELD(business_postal_code), CONTACT_FIELD(business_state), CONTACT_FIELD(business_street),
        CONTACT_FIELD(callback_phone), CONTACT_FIELD(car_phone), CONTACT_FIELD(company_main_phone),
        CONTACT_FIELD(company_name), CONTACT_FIELD(computer_name), CONTACT_FIELD(customer_id),
        CONTACT_FIELD(def_postal_address), CONTACT_FIELD(department), CONTACT_FIELD(display_name_prefix),
        CONTACT_FIELD(first_name), CONTACT_FIELD(free_busy_address), CONTACT_FIELD(followup), CONTACT_FIELD(ftp_site),
        CONTACT_FIELD(fullname), CONTACT_FIELD(gov_id), CONTACT_FIELD(hobbies), CONTACT_FIELD(home_address),
        CONTACT_FIELD(home_city), CONTACT_FIELD(home_country), CONTACT_FIELD(home_fax), CONTACT_FIELD(home_phone),
        CONTACT_FIELD(home_phone2), CONTACT_FIELD(home_po_box), CONTACT_FIELD(home_postal_code),
        CONTACT_FIELD(home_state), CONTACT_FIELD(home_street), CONTACT_FIELD(initials), CONTACT_FIELD(isdn_phone),
        CONTACT_FIELD(job_title), CONTACT_FIELD(keyword), CONTACT_FIELD(language), CONTACT_FIELD(location),
        CONTACT_FIELD(manager_name), CONTACT_FIELD(middle_name), CONTACT_FIELD(mileage),
        CONTACT_FIELD(mobile_phone), CONTACT_FIELD(nickname), CONTACT_FIELD(office_loc),
        CONTACT_FIELD(common_name), CONTACT_FIELD(org_id), CONTACT_FIELD(other_address),
        CONTACT_FIELD(other_city), CONTACT_FIELD(other_country), CONTACT_FIELD(other_phone),
        CONTACT_FIELD(other_po_box), CONTACT_FIELD(other_postal_code), CONTACT_FIELD(other_state),
        CONTACT_FIELD(other_street), CONTACT_FIELD(pager_phone), CONTACT_FIELD(personal_homepage),
        CONTACT_FIELD(pref_name), CONTACT_FIELD(primary_fax), CONTACT_FIELD(primary_phone),
        CONTACT_FIELD(profession), CONTACT_FIELD(radio_phone), CONTACT_FIELD(spouse_name),
        CONTACT_FIELD(suffix), CONTACT_FIELD(surname), CONTACT_FIELD(telex),
        CONTACT_FIELD(transmittable_display_name), CONTACT_FIELD(ttytdd_phone),
        CONTACT_FIELD(work_address_street), CONTACT_FIELD(work_address_city), CONTACT_FIELD(work_address_state),
        CONTACT_FIELD(work_address_postalcode), CONTACT_FIELD(work_address_country),
        CONTACT_FIELD(work_address_postofficebox)};
#undef CONTACT_FIELD
    for (const Field& f : fields) {
        const auto* value = reinterpret_cast<const pst_string*>(reinterpret_cast<const char*>(item->contact) + f.offset);
        QVERIFY2(m->contact.contains(QLatin1String(f.key)), f.key);
        QCOMPARE(LibpstFile::text(*value), m->contact.value(QLatin1String(f.key)));
    }
    QCOMPARE(LibpstFile::text(item->file_as), m->contact.value(QStringLiteral("file_as")));
    QCOMPARE(LibpstFile::seconds(item->contact->birthday), QDateTime(m->birthday, QTime(0, 0), Qt::UTC).toSecsSinceEpoch());
    QCOMPARE(LibpstFile::seconds(item->contact->wedding_anniversary),
             QDateTime(m->anniversary, QTime(0, 0), Qt::UTC).toSecsSinceEpoch());
    QCOMPARE(int(item->contact->gender), m->gender);
}

void PstWriterLibpstTest::appointmentFieldsReadBack()
{
    const PstMessage* m = findMessage(m_description, QStringLiteral("Design review"));
    pst_item* item = m_pst->find(QStringLiteral("Calendar"), m->subject);
    QVERIFY(item && item->appointment);
    QCOMPARE(item->type, PST_TYPE_APPOINTMENT);
    const pst_item_appointment* a = item->appointment;
    QCOMPARE(LibpstFile::seconds(a->start), secs(m->start));
    QCOMPARE(LibpstFile::seconds(a->end), secs(m->end));
    QCOMPARE(LibpstFile::text(a->location), m->location);
    QCOMPARE(a->alarm, 1);
    QCOMPARE(a->alarm_minutes, 30);
    QCOMPARE(LibpstFile::text(a->alarm_filename), m->reminderSound);
    QCOMPARE(LibpstFile::seconds(a->reminder), secs(m->start.addSecs(-30 * 60)));
    QCOMPARE(a->showas, m->busyStatus);
    QCOMPARE(a->label, m->label);
    QCOMPARE(a->all_day, 0);
    QCOMPARE(a->is_recurring, 0);

    pst_item* holiday = m_pst->find(QStringLiteral("Calendar"), QStringLiteral("Public holiday"));
    QVERIFY(holiday && holiday->appointment);
    QCOMPARE(holiday->appointment->all_day, 1);
    QCOMPARE(holiday->appointment->showas, PST_FREEBUSY_OUT_OF_OFFICE);
}

void PstWriterLibpstTest::recurrencePatternsDecode()
{
    struct Expected {
        const char* subject;
        int type;        // libpst's 0 daily .. 3 yearly
        int appointmentType;
        int interval;
        int count;
        int termination; // 1 after count, 2 never
    };
    const Expected cases[] = {{"Daily stand-up", 0, PST_APP_RECUR_DAILY, 1, 5, 1},
                              {"Team sync", 1, PST_APP_RECUR_WEEKLY, 2, 10, 1},
                              {"Invoice run", 2, PST_APP_RECUR_MONTHLY, 1, 0, 2}, // libpst reports no count for endless rules
                              {"Anniversary", 3, PST_APP_RECUR_YEARLY, 1, 3, 1}};
    for (const Expected& e : cases) {
        const QString subject = QString::fromLatin1(e.subject);
        const PstMessage* m = findMessage(m_description, subject);
        pst_item* item = m_pst->find(QStringLiteral("Calendar"), subject);
        QVERIFY2(item && item->appointment, e.subject);
        QCOMPARE(item->appointment->is_recurring, 1);
        QCOMPARE(item->appointment->recurrence_type, e.appointmentType);
        QCOMPARE(LibpstFile::text(item->appointment->recurrence_description), m->recurrence.description);
        QCOMPARE(QByteArray(item->appointment->recurrence_data.data, int(item->appointment->recurrence_data.size)),
                 PstMessageEncoder::recurrenceBlob(*m));
        pst_recurrence* r = pst_convert_recurrence(item->appointment);
        QVERIFY2(r, e.subject);
        QCOMPARE(int(r->signature), 0x30043004);
        QCOMPARE(int(r->type), e.type);
        QCOMPARE(int(r->interval), e.interval);
        QCOMPARE(int(r->count), e.count);
        QCOMPARE(int(r->termination), e.termination);
        if (m->recurrence.kind == PstRecurrence::Weekly)
            QCOMPARE(int(r->bydaymask), m->recurrence.weekDays);
        if (m->recurrence.kind == PstRecurrence::Monthly || m->recurrence.kind == PstRecurrence::Yearly)
            QCOMPARE(int(r->dayofmonth), m->recurrence.dayOfMonth);
        if (m->recurrence.kind == PstRecurrence::Yearly)
            QCOMPARE(int(r->monthofyear), m->recurrence.monthOfYear);
        pst_free_recurrence(r);
    }
}

void PstWriterLibpstTest::journalEntriesReadBack()
{
    for (const QString& subject : {QStringLiteral("Call with supplier"), QStringLiteral("Edited the plan")}) {
        const PstMessage* m = findMessage(m_description, subject);
        pst_item* item = m_pst->find(QStringLiteral("Journal"), subject);
        QVERIFY(item && item->journal);
        QCOMPARE(item->type, PST_TYPE_JOURNAL);
        QCOMPARE(LibpstFile::seconds(item->journal->start), secs(m->start));
        QCOMPARE(LibpstFile::seconds(item->journal->end), secs(m->end));
        QCOMPARE(LibpstFile::text(item->journal->type), m->journalType);
        QCOMPARE(LibpstFile::text(item->journal->description), m->journalTypeDescription);
    }
}

void PstWriterLibpstTest::tasksAndNotesKeepTheirKinds()
{
    pst_item* task = m_pst->find(QStringLiteral("Tasks"), QStringLiteral("Write the report"));
    QVERIFY(task);
    QCOMPARE(task->type, PST_TYPE_TASK);
    QCOMPARE(LibpstFile::text(task->body), QStringLiteral("Eight hours of work."));
    pst_item* note = m_pst->find(QStringLiteral("Notes"), QStringLiteral("Buy milk"));
    QVERIFY(note);
    QCOMPARE(note->type, PST_TYPE_STICKYNOTE);
}

void PstWriterLibpstTest::eightBitStringsKeepTheirCodePage()
{
    struct Case {
        int codePage;
        const char* codec;
        QString subject;
        QString body;
    };
    const Case cases[] = {{936, "GBK", QStringLiteral("你好，世界"), QStringLiteral("中文正文")},
                          {1252, "windows-1252", QStringLiteral("Café crème"), QStringLiteral("Déjà vu")}};
    for (const Case& c : cases) {
        QTextCodec* codec = QTextCodec::codecForName(c.codec);
        QVERIFY(codec);
        pst_item* found = nullptr;
        for (const LibpstFile::Message& m : m_pst->messages()) {
            if (LibpstFile::bytes(m.item->subject) == codec->fromUnicode(c.subject))
                found = m.item;
        }
        QVERIFY2(found, c.codec);
        QCOMPARE(found->subject.is_utf8, 0);
        QCOMPARE(found->message_codepage, c.codePage);
        QCOMPARE(LibpstFile::bytes(found->body), codec->fromUnicode(c.body));
        QCOMPARE(LibpstFile::bytes(found->email->outlook_sender_name),
                 QStringLiteral("Code Page %1").arg(c.codePage).toLatin1());
    }
}

void PstWriterLibpstTest::categoriesBecomeKeywordsFields()
{
    pst_item* item = m_pst->find(QStringLiteral("Inbox"), QStringLiteral("Quarterly figures"));
    QVERIFY(item);
    QStringList keywords;
    for (pst_item_extra_field* f = item->extra_fields; f; f = f->next) {
        if (qstrcmp(f->field_name, "Keywords") == 0)
            keywords.append(QString::fromUtf8(f->value));
    }
    keywords.sort();
    QCOMPARE(keywords, (QStringList{QStringLiteral("Finance"), QStringLiteral("Important")}));
}

void PstWriterLibpstTest::namedStringsBecomeExtraFields()
{
    pst_item* item = m_pst->find(QStringLiteral("Inbox"), QStringLiteral("Quarterly figures"));
    QVERIFY(item);
    QString mailer;
    for (pst_item_extra_field* f = item->extra_fields; f; f = f->next) {
        if (qstrcmp(f->field_name, "x-mailer") == 0)
            mailer = QString::fromUtf8(f->value);
    }
    QCOMPARE(mailer, QStringLiteral("Lumaroo test writer"));
}

void PstWriterLibpstTest::permutedFileReadsTheSame()
{
    PstDescription d = m_description;
    d.permute = true;
    const QString path = m_dir.filePath(QStringLiteral("permuted.pst"));
    QVERIFY(PstWriter::write(d, path));
    LibpstFile permuted(path);
    QVERIFY(permuted.isOpen());
    QCOMPARE(int(permuted.file()->encryption), PST_COMP_ENCRYPT);
    QCOMPARE(permuted.folderPaths(), m_pst->folderPaths());
    QCOMPARE(permuted.messages().size(), m_pst->messages().size());
    for (size_t i = 0; i < permuted.messages().size(); ++i) {
        QCOMPARE(LibpstFile::bytes(permuted.messages()[i].item->subject), LibpstFile::bytes(m_pst->messages()[i].item->subject));
        QCOMPARE(LibpstFile::bytes(permuted.messages()[i].item->body), LibpstFile::bytes(m_pst->messages()[i].item->body));
    }
}

void PstWriterLibpstTest::sameDescriptionGivesSameBytes()
{
    const QString again = m_dir.filePath(QStringLiteral("again.pst"));
    QVERIFY(PstWriter::write(m_description, again));
    QFile a(m_path);
    QFile b(again);
    QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    QCOMPARE(QCryptographicHash::hash(b.readAll(), QCryptographicHash::Sha256),
             QCryptographicHash::hash(a.readAll(), QCryptographicHash::Sha256));
}

void PstWriterLibpstTest::jsonDescriptionIsWritten()
{
    const QByteArray json = R"({
        "storeName": "From JSON",
        "folders": [{"name": "Inbox", "containerClass": "IPF.Note", "messages": [
            {"subject": "Json mail", "body": "Body text", "senderName": "J. Son",
             "senderAddress": "json@example.com", "sentTime": "2024-02-03T04:05:06Z",
             "recipients": [{"name": "Rita", "address": "rita@example.com"}],
             "attachments": [{"longName": "a.txt", "data": "attached"}]},
            {"kind": "task", "subject": "Json task", "estimatedWorkMinutes": 480}
        ], "folders": [{"name": "Sub"}]}]
    })";
    PstDescription d;
    QString error;
    QVERIFY2(PstDescription::fromJson(json, &d, &error), qPrintable(error));
    const QString path = m_dir.filePath(QStringLiteral("json.pst"));
    QVERIFY(PstWriter::write(d, path));
    LibpstFile file(path);
    QVERIFY(file.isOpen());
    QCOMPARE(file.folderPaths(), (QStringList{QStringLiteral("Inbox"), QStringLiteral("Inbox/Sub")}));
    pst_item* mail = file.find(QStringLiteral("Inbox"), QStringLiteral("Json mail"));
    QVERIFY(mail && mail->email);
    QCOMPARE(LibpstFile::text(mail->email->sentto_address), QStringLiteral("Rita"));
    QCOMPARE(LibpstFile::seconds(mail->email->sent_date), QDateTime(QDate(2024, 2, 3), QTime(4, 5, 6), Qt::UTC).toSecsSinceEpoch());
    const auto attachments = attachmentsWithData(mail);
    QCOMPARE(int(attachments.size()), 1);
    pst_item* task = file.find(QStringLiteral("Inbox"), QStringLiteral("Json task"));
    QVERIFY(task);
    QCOMPARE(task->type, PST_TYPE_TASK);
}

QTEST_GUILESS_MAIN(PstWriterLibpstTest)
#include "PstWriterLibpstTest.moc"
