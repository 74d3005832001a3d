// SPDX-License-Identifier: GPL-2.0-or-later
#include "PstMessageEncoder.h"

#include "PstBytes.h"
#include "PstChecksum.h"

#include <QTextCodec>

#include <algorithm>

using namespace PstBytes;

namespace {

constexpr uint32_t kNidRecipientTable = 0x692;
constexpr uint32_t kNidAttachmentTable = 0x671;
constexpr uint32_t kNidTypeAttachment = 0x05;
constexpr uint32_t kEmbeddedMessageNid = (0x8000u << 5) | 0x04;
constexpr int kAttachByValue = 1;
constexpr int kAttachEmbedded = 5;
constexpr int kFlagRead = 0x01;
constexpr int kFlagHasAttachment = 0x10;

QByteArray encodeIn(int codePage, const QString& value)
{
    QTextCodec* codec = nullptr;
    switch (codePage) {
    case 932: codec = QTextCodec::codecForName("Shift_JIS"); break;
    case 936: codec = QTextCodec::codecForName("GBK"); break;
    case 949: codec = QTextCodec::codecForName("CP949"); break;
    case 950: codec = QTextCodec::codecForName("Big5"); break;
    case 20866: codec = QTextCodec::codecForName("KOI8-R"); break;
    case 28591: codec = QTextCodec::codecForName("ISO-8859-1"); break;
    case 65001: codec = QTextCodec::codecForName("UTF-8"); break;
    default: codec = QTextCodec::codecForName(QByteArray("windows-") + QByteArray::number(codePage)); break;
    }
    return codec ? codec->fromUnicode(value) : value.toLatin1();
}

uint32_t minutesSince1601(const QDate& date)
{
    return uint32_t(QDate(1601, 1, 1).daysTo(date)) * 1440u;
}

QDateTime atMidnight(const QDate& date) { return QDateTime(date, QTime(0, 0), Qt::UTC); }

// The date of the last of count occurrences, for the pattern's end date.
QDate lastOccurrence(const PstRecurrence& r, const QDate& first)
{
    const int n = r.count - 1;
    switch (r.kind) {
    case PstRecurrence::Daily:
        return first.addDays(qint64(n) * r.interval);
    case PstRecurrence::Weekly: {
        QDate day = first;
        int found = 0;
        for (int guard = 0; guard < 100000; ++guard, day = day.addDays(1)) {
            const int weeks = int(first.daysTo(day) / 7);
            if (weeks % r.interval == 0 && (r.weekDays & (1 << (day.dayOfWeek() % 7))) && ++found == r.count)
                return day;
        }
        return day;
    }
    case PstRecurrence::Monthly:
        return first.addMonths(n * r.interval);
    case PstRecurrence::Yearly:
        return first.addYears(n * r.interval);
    case PstRecurrence::None:
        break;
    }
    return first;
}

} // namespace

// Collects properties, skipping empty values and writing strings in the
// message's code page when it has one.
struct PstMessageEncoder::PropertyList {
    std::vector<PstProperty> items;
    int codePage = 0;

    void text(uint16_t id, const QString& value)
    {
        if (value.isEmpty())
            return;
        items.push_back(codePage ? PstProperty::string8(id, encodeIn(codePage, value)) : PstProperty::unicode(id, value));
    }
    void time(uint16_t id, const QDateTime& value)
    {
        if (value.isValid())
            items.push_back(PstProperty::time(id, value));
    }
    void int32(uint16_t id, int32_t value) { items.push_back(PstProperty::int32(id, value)); }
    void boolean(uint16_t id, bool value) { items.push_back(PstProperty::boolean(id, value)); }
    void binary(uint16_t id, const QByteArray& value)
    {
        if (!value.isEmpty())
            items.push_back(PstProperty::binary(id, value));
    }
    void add(const PstProperty& p) { items.push_back(p); }
};

PstMessageEncoder::PstMessageEncoder(PstNdbWriter& ndb, PstNamedPropertyMap& names)
    : m_ndb(ndb)
    , m_ltp(ndb)
    , m_names(names)
{
    // Every file maps the same named properties to the same ids, whatever it holds.
    using N = PstNamedPropertyMap;
    const std::pair<const QUuid*, std::vector<uint32_t>> sets[] = {
        {&N::kAddress, {0x8005, 0x801A, 0x801B, 0x801C, 0x8045, 0x8046, 0x8047, 0x8048, 0x8049, 0x804A, 0x8082,
                        0x8083, 0x8084, 0x8092, 0x8093, 0x8094, 0x80A2, 0x80A3, 0x80A4, 0x80D8}},
        {&N::kCommon, {0x8501, 0x8502, 0x8503, 0x851F, 0x8530, 0x8534, 0x8535, 0x8560}},
        {&N::kAppointment, {0x8205, 0x8208, 0x820D, 0x820E, 0x8214, 0x8215, 0x8216, 0x8223, 0x8231, 0x8232, 0x8235}},
        {&N::kTask, {0x8101, 0x8102, 0x8104, 0x8105, 0x810F, 0x8110, 0x8111, 0x811C, 0x811F}},
        {&N::kLog, {0x8700, 0x8706, 0x8707, 0x8708, 0x8712}},
        {&N::kNote, {0x8B00, 0x8B02, 0x8B03}},
    };
    for (const auto& set : sets) {
        for (uint32_t number : set.second)
            m_names.idOf(*set.first, number);
    }
    m_names.idOf(N::kPublicStrings, QStringLiteral("Keywords"));
}

QByteArray PstMessageEncoder::encodeText(int codePage, const QString& value)
{
    return encodeIn(codePage, value);
}

char PstMessageEncoder::patternByte(uint64_t offset)
{
    // Varies with the offset so that a misplaced block shows up in a comparison.
    return char((offset * 31 + (offset >> 13)) & 0xFF);
}

QByteArray PstMessageEncoder::compressRtf(const QByteArray& rtf)
{
    // Literal runs only, closed by the end marker: a reference to the
    // dictionary's current write position (which starts after its 207-byte preload).
    QByteArray body;
    int written = 0;
    qsizetype at = 0;
    for (;;) {
        const qsizetype run = std::min<qsizetype>(8, rtf.size() - at);
        if (run < 8) {
            append8(body, uint8_t(1u << run));
            body.append(rtf.mid(at, run));
            written += int(run);
            const uint16_t marker = uint16_t(((207 + written) % 4096) << 4);
            body.append(char(marker >> 8));
            body.append(char(marker & 0xFF));
            break;
        }
        append8(body, 0);
        body.append(rtf.mid(at, 8));
        at += 8;
        written += 8;
    }
    QByteArray out;
    append32(out, uint32_t(body.size() + 12));
    append32(out, uint32_t(rtf.size()));
    append32(out, 0x75465A4C); // "LZFu"
    append32(out, PstChecksum::crc(body.constData(), size_t(body.size())));
    out.append(body);
    return out;
}

QByteArray PstMessageEncoder::recurrenceBlob(const PstMessage& m)
{
    const PstRecurrence& r = m.recurrence;
    const QDate first = m.start.date();
    const uint32_t startMinutes = minutesSince1601(first);
    static const uint16_t frequency[] = {0, 0x200A, 0x200B, 0x200C, 0x200D};
    uint16_t patternType = 0;
    uint32_t period = 0;
    uint32_t firstDateTime = 0;
    QByteArray specific;
    switch (r.kind) {
    case PstRecurrence::Daily:
        period = uint32_t(r.interval) * 1440u;
        firstDateTime = startMinutes % period;
        break;
    case PstRecurrence::Weekly: {
        patternType = 1;
        period = uint32_t(r.interval);
        const QDate weekStart = first.addDays(-(first.dayOfWeek() % 7)); // weeks start on Sunday
        firstDateTime = minutesSince1601(weekStart) % (period * 10080u);
        append32(specific, uint32_t(r.weekDays));
        break;
    }
    case PstRecurrence::Monthly:
    case PstRecurrence::Yearly: {
        patternType = 2;
        period = uint32_t(r.interval) * (r.kind == PstRecurrence::Yearly ? 12u : 1u);
        const int monthsSince1601 = (first.year() - 1601) * 12 + first.month() - 1;
        firstDateTime = minutesSince1601(QDate(1601, 1, 1).addMonths(int(monthsSince1601 % period)));
        append32(specific, uint32_t(r.dayOfMonth ? r.dayOfMonth : first.day()));
        break;
    }
    case PstRecurrence::None:
        return {};
    }
    QByteArray out;
    append16(out, 0x3004);
    append16(out, 0x3004);
    append16(out, frequency[r.kind]);
    append16(out, patternType);
    append16(out, 0); // Gregorian calendar
    append32(out, firstDateTime);
    append32(out, period);
    append32(out, 0); // not sliding
    out.append(specific);
    append32(out, r.count > 0 ? 0x2022 : 0x2023); // ends after count / never
    append32(out, uint32_t(r.count > 0 ? r.count : 10));
    append32(out, 0); // weeks start on Sunday
    // A changed occurrence counts as deleted on the day it was due, and as
    // modified on the day it now takes place.
    QList<uint32_t> deleted;
    QList<uint32_t> modified;
    for (const QDate& day : r.deletedDates)
        deleted.append(minutesSince1601(day));
    for (const PstOccurrenceChange& c : r.changes) {
        deleted.append(minutesSince1601(c.originalDate));
        modified.append(minutesSince1601(c.start.date()));
    }
    std::sort(deleted.begin(), deleted.end());
    std::sort(modified.begin(), modified.end());
    for (const QList<uint32_t>* dates : {&deleted, &modified}) {
        append32(out, uint32_t(dates->size()));
        for (uint32_t date : *dates)
            append32(out, date);
    }
    append32(out, startMinutes);
    append32(out, r.count > 0 ? minutesSince1601(lastOccurrence(r, first)) : 0x5AE980DF);
    append32(out, 0x3006);
    append32(out, 0x3009);
    const uint32_t startOffset = uint32_t(m.start.time().msecsSinceStartOfDay() / 60000);
    append32(out, startOffset);
    append32(out, startOffset + uint32_t(m.start.secsTo(m.end) / 60));
    appendExceptions(out, r, startOffset);
    return out;
}

void PstMessageEncoder::appendExceptions(QByteArray& out, const PstRecurrence& r, uint32_t startOffset)
{
    const auto minutes = [](const QDateTime& t) {
        return minutesSince1601(t.date()) + uint32_t(t.time().msecsSinceStartOfDay() / 60000);
    };
    const auto flagsOf = [](const PstOccurrenceChange& c) {
        return uint16_t((c.subject.isEmpty() ? 0 : 0x0001) | (c.location.isEmpty() ? 0 : 0x0010));
    };
    const auto times = [&](QByteArray& to, const PstOccurrenceChange& c) {
        append32(to, minutes(c.start));
        append32(to, minutes(c.end));
        append32(to, minutesSince1601(c.originalDate) + startOffset);
    };
    append16(out, uint16_t(r.changes.size()));
    for (const PstOccurrenceChange& c : r.changes) {
        times(out, c);
        append16(out, flagsOf(c));
        for (const QString* text : {&c.subject, &c.location}) {
            if (text->isEmpty())
                continue;
            const QByteArray ansi = encodeIn(1252, *text);
            append16(out, uint16_t(ansi.size() + 1));
            append16(out, uint16_t(ansi.size()));
            out.append(ansi);
        }
    }
    append32(out, 0); // reserved block 1
    for (const PstOccurrenceChange& c : r.changes) {
        append32(out, 4); // change highlight: size, value
        append32(out, 0);
        append32(out, 0); // reserved block EE1
        if (!flagsOf(c))
            continue;
        times(out, c);
        for (const QString* text : {&c.subject, &c.location}) {
            if (text->isEmpty())
                continue;
            append16(out, uint16_t(text->size()));
            for (QChar ch : *text)
                append16(out, ch.unicode());
        }
        append32(out, 0); // reserved block EE2
    }
    append32(out, 0); // reserved block 2
}

void PstMessageEncoder::addMailProperties(const PstMessage& m, PropertyList& list)
{
    list.text(0x0C1A, m.senderName);
    list.text(0x0C1E, m.senderAddress.isEmpty() ? QString() : m.senderAddressType);
    list.text(0x0C1F, m.senderAddress);
    list.text(0x5D01, m.senderSmtpAddress);
    list.text(0x0042, m.senderName);
    list.text(0x0064, m.senderAddress.isEmpty() ? QString() : m.senderAddressType);
    list.text(0x0065, m.senderAddress);
    list.text(0x5D02, m.senderSmtpAddress);
    if (!m.senderAddress.isEmpty()) {
        // Search keys: "ADDRTYPE:ADDRESS" in upper case with a terminating NUL.
        const QByteArray searchKey = (m.senderAddressType + ':' + m.senderAddress).toUpper().toUtf8() + '\0';
        list.binary(0x0C1D, searchKey);
        list.binary(0x003B, searchKey);
    }
    QStringList lists[4];
    for (const PstRecipient& r : m.recipients)
        lists[qBound(1, r.type, 3)].append(r.name.isEmpty() ? r.address : r.name);
    list.text(0x0E04, m.displayTo.isEmpty() ? lists[1].join(QStringLiteral("; ")) : m.displayTo);
    list.text(0x0E03, m.displayCc.isEmpty() ? lists[2].join(QStringLiteral("; ")) : m.displayCc);
    list.text(0x0E02, m.displayBcc.isEmpty() ? lists[3].join(QStringLiteral("; ")) : m.displayBcc);
    list.time(0x0039, m.sentTime);
    list.time(0x0E06, m.deliveryTime);
    list.time(0x0032, m.reportTime);
    list.text(0x007D, m.transportHeaders);
    list.text(0x1035, m.messageId);
    list.text(0x1001, m.reportText);
}

const std::vector<PstMessageEncoder::ContactField>& PstMessageEncoder::contactFields()
{
    static const std::vector<ContactField> fields = {
        {"file_as", 0x3001, nullptr}, {"account_name", 0x3A00, nullptr}, {"assistant_name", 0x3A30, nullptr},
        {"assistant_phone", 0x3A2E, nullptr}, {"business_city", 0x3A27, nullptr},
        {"business_country", 0x3A26, nullptr}, {"business_fax", 0x3A24, nullptr},
        {"business_homepage", 0x3A51, nullptr}, {"business_phone", 0x3A08, nullptr},
        {"business_phone2", 0x3A1B, nullptr}, {"business_po_box", 0x3A2B, nullptr},
        {"business_postal_code", 0x3A2A, nullptr}, {"business_state", 0x3A28, nullptr},
        {"business_street", 0x3A29, nullptr}, {"callback_phone", 0x3A02, nullptr},
        {"car_phone", 0x3A1E, nullptr}, {"company_main_phone", 0x3A57, nullptr},
        {"company_name", 0x3A16, nullptr}, {"computer_name", 0x3A49, nullptr}, {"customer_id", 0x3A4A, nullptr},
        {"def_postal_address", 0x3A15, nullptr}, {"department", 0x3A18, nullptr},
        {"display_name_prefix", 0x3A45, nullptr}, {"first_name", 0x3A06, nullptr}, {"ftp_site", 0x3A4C, nullptr},
        {"gov_id", 0x3A07, nullptr}, {"hobbies", 0x3A43, nullptr}, {"home_city", 0x3A59, nullptr},
        {"home_country", 0x3A5A, nullptr}, {"home_fax", 0x3A25, nullptr}, {"home_phone", 0x3A09, nullptr},
        {"home_phone2", 0x3A2F, nullptr}, {"home_po_box", 0x3A5E, nullptr},
        {"home_postal_code", 0x3A5B, nullptr}, {"home_state", 0x3A5C, nullptr},
        {"home_street", 0x3A5D, nullptr}, {"initials", 0x3A0A, nullptr}, {"isdn_phone", 0x3A2D, nullptr},
        {"job_title", 0x3A17, nullptr}, {"keyword", 0x3A0B, nullptr}, {"language", 0x3A0C, nullptr},
        {"location", 0x3A0D, nullptr}, {"manager_name", 0x3A4E, nullptr}, {"middle_name", 0x3A44, nullptr},
        {"mobile_phone", 0x3A1C, nullptr}, {"nickname", 0x3A4F, nullptr}, {"office_loc", 0x3A19, nullptr},
        {"common_name", 0x3A0F, nullptr}, {"org_id", 0x3A10, nullptr}, {"other_city", 0x3A5F, nullptr},
        {"other_country", 0x3A60, nullptr}, {"other_phone", 0x3A1F, nullptr}, {"other_po_box", 0x3A64, nullptr},
        {"other_postal_code", 0x3A61, nullptr}, {"other_state", 0x3A62, nullptr},
        {"other_street", 0x3A63, nullptr}, {"pager_phone", 0x3A21, nullptr},
        {"personal_homepage", 0x3A50, nullptr}, {"pref_name", 0x3A47, nullptr}, {"primary_fax", 0x3A23, nullptr},
        {"primary_phone", 0x3A1A, nullptr}, {"profession", 0x3A46, nullptr}, {"radio_phone", 0x3A1D, nullptr},
        {"spouse_name", 0x3A48, nullptr}, {"suffix", 0x3A05, nullptr}, {"surname", 0x3A11, nullptr},
        {"telex", 0x3A2C, nullptr}, {"transmittable_display_name", 0x3A20, nullptr},
        {"ttytdd_phone", 0x3A4B, nullptr},
        {"fullname", 0x8005, &PstNamedPropertyMap::kAddress},
        {"home_address", 0x801A, &PstNamedPropertyMap::kAddress},
        {"business_address", 0x801B, &PstNamedPropertyMap::kAddress},
        {"other_address", 0x801C, &PstNamedPropertyMap::kAddress},
        {"work_address_street", 0x8045, &PstNamedPropertyMap::kAddress},
        {"work_address_city", 0x8046, &PstNamedPropertyMap::kAddress},
        {"work_address_state", 0x8047, &PstNamedPropertyMap::kAddress},
        {"work_address_postalcode", 0x8048, &PstNamedPropertyMap::kAddress},
        {"work_address_country", 0x8049, &PstNamedPropertyMap::kAddress},
        {"work_address_postofficebox", 0x804A, &PstNamedPropertyMap::kAddress},
        {"address1_transport", 0x8082, &PstNamedPropertyMap::kAddress},
        {"address1", 0x8083, &PstNamedPropertyMap::kAddress},
        {"address1_desc", 0x8084, &PstNamedPropertyMap::kAddress},
        {"address2_transport", 0x8092, &PstNamedPropertyMap::kAddress},
        {"address2", 0x8093, &PstNamedPropertyMap::kAddress},
        {"address2_desc", 0x8094, &PstNamedPropertyMap::kAddress},
        {"address3_transport", 0x80A2, &PstNamedPropertyMap::kAddress},
        {"address3", 0x80A3, &PstNamedPropertyMap::kAddress},
        {"address3_desc", 0x80A4, &PstNamedPropertyMap::kAddress},
        {"free_busy_address", 0x80D8, &PstNamedPropertyMap::kAddress},
        {"followup", 0x8530, &PstNamedPropertyMap::kCommon},
        {"mileage", 0x8534, &PstNamedPropertyMap::kCommon},
        {"billing_information", 0x8535, &PstNamedPropertyMap::kCommon},
    };
    return fields;
}

void PstMessageEncoder::addContactProperties(const PstMessage& m, PropertyList& list)
{
    for (const ContactField& f : contactFields()) {
        const QString value = m.contact.value(QLatin1String(f.key));
        if (!value.isEmpty())
            list.text(f.set ? m_names.idOf(*f.set, f.id) : f.id, value);
    }
    if (m.birthday.isValid())
        list.time(0x3A42, atMidnight(m.birthday).addSecs(-m.contactDatesUtcOffset));
    if (m.anniversary.isValid())
        list.time(0x3A41, atMidnight(m.anniversary).addSecs(-m.contactDatesUtcOffset));
    if (m.gender)
        list.add(PstProperty::int16(0x3A4D, int16_t(m.gender)));
}

void PstMessageEncoder::addCalendarProperties(const PstMessage& m, PropertyList& list)
{
    const QUuid& appt = PstNamedPropertyMap::kAppointment;
    const QUuid& common = PstNamedPropertyMap::kCommon;
    list.time(0x0060, m.start);
    list.time(0x0061, m.end);
    list.time(m_names.idOf(appt, 0x820D), m.start);
    list.time(m_names.idOf(appt, 0x820E), m.end);
    list.text(m_names.idOf(appt, 0x8208), m.location);
    list.int32(m_names.idOf(appt, 0x8205), m.busyStatus);
    list.int32(m_names.idOf(appt, 0x8214), m.label);
    list.boolean(m_names.idOf(appt, 0x8215), m.allDay);
    list.boolean(m_names.idOf(common, 0x8503), m.reminderSet);
    if (m.reminderSet) {
        list.int32(m_names.idOf(common, 0x8501), m.reminderMinutes);
        list.time(m_names.idOf(common, 0x8502), m.start);
        list.time(m_names.idOf(common, 0x8560), m.reminderTime.isValid() ? m.reminderTime
                                                                         : m.start.addSecs(-60 * m.reminderMinutes));
        list.text(m_names.idOf(common, 0x851F), m.reminderSound);
    }
    const bool recurring = m.recurrence.kind != PstRecurrence::None;
    list.boolean(m_names.idOf(appt, 0x8223), recurring);
    if (recurring) {
        list.int32(m_names.idOf(appt, 0x8231), int(m.recurrence.kind));
        list.text(m_names.idOf(appt, 0x8232), m.recurrence.description);
        list.binary(m_names.idOf(appt, 0x8216), recurrenceBlob(m));
        list.time(m_names.idOf(appt, 0x8235), atMidnight(m.start.date()));
    }
}

void PstMessageEncoder::addTaskJournalNoteProperties(const PstMessage& m, PropertyList& list)
{
    if (m.kind == PstMessage::Kind::Task) {
        const QUuid& task = PstNamedPropertyMap::kTask;
        list.int32(m_names.idOf(task, 0x8101), m.taskStatus);
        list.add(PstProperty::floating(m_names.idOf(task, 0x8102), m.percentComplete));
        list.time(m_names.idOf(task, 0x8104), m.taskStart);
        list.time(m_names.idOf(task, 0x8105), m.taskDue);
        list.time(m_names.idOf(task, 0x810F), m.dateCompleted);
        list.int32(m_names.idOf(task, 0x8110), m.actualWorkMinutes);
        list.int32(m_names.idOf(task, 0x8111), m.estimatedWorkMinutes);
        list.boolean(m_names.idOf(task, 0x811C), m.complete);
        list.text(m_names.idOf(task, 0x811F), m.owner);
    } else if (m.kind == PstMessage::Kind::Journal) {
        const QUuid& log = PstNamedPropertyMap::kLog;
        list.text(m_names.idOf(log, 0x8700), m.journalType);
        list.time(m_names.idOf(log, 0x8706), m.start);
        list.int32(m_names.idOf(log, 0x8707), m.durationMinutes);
        list.time(m_names.idOf(log, 0x8708), m.end);
        list.text(m_names.idOf(log, 0x8712), m.journalTypeDescription);
    } else if (m.kind == PstMessage::Kind::StickyNote) {
        const QUuid& note = PstNamedPropertyMap::kNote;
        list.int32(m_names.idOf(note, 0x8B00), m.noteColor);
        list.int32(m_names.idOf(note, 0x8B02), m.noteWidth);
        list.int32(m_names.idOf(note, 0x8B03), m.noteHeight);
    }
}

std::vector<PstProperty> PstMessageEncoder::properties(const PstMessage& m)
{
    PropertyList list;
    list.codePage = m.codePage;
    list.text(0x001A, m.effectiveClass());
    const QString prefix = m.subjectPrefix;
    if (m.subjectMarker && !(m.subject.isEmpty() && prefix.isEmpty()))
        list.text(0x0037, QString(QChar(0x01)) + QChar(ushort(prefix.size() + 1)) + prefix + m.subject);
    else
        list.text(0x0037, prefix + m.subject);
    list.text(0x003D, prefix);
    list.text(0x0E1D, m.subject);
    list.text(0x0070, m.subject);
    list.text(0x1000, m.body);
    list.binary(0x1013, m.htmlBody);
    if (!m.rtfBody.isEmpty() || !m.rtfCompressed.isEmpty()) {
        list.binary(0x1009, m.rtfCompressed.isEmpty() ? compressRtf(m.rtfBody) : m.rtfCompressed);
        list.boolean(0x0E1F, true);
    }
    list.int32(0x0017, m.importance);
    list.int32(0x0036, m.sensitivity);
    list.int32(0x0E07, (m.read ? kFlagRead : 0) | (m.attachments.isEmpty() ? 0 : kFlagHasAttachment));
    if (m.flagStatus)
        list.int32(0x1090, m.flagStatus);
    if (m.lastVerb)
        list.int32(0x1081, m.lastVerb);
    list.boolean(0x0E1B, !m.attachments.isEmpty());
    list.time(0x3007, m.creationTime);
    list.time(0x3008, m.modificationTime);
    if (!m.htmlBody.isEmpty() || m.codePage)
        list.int32(0x3FDE, m.codePage && m.htmlBody.isEmpty() ? m.codePage : m.internetCodePage);
    if (m.codePage)
        list.int32(0x3FFD, m.codePage);
    if (!m.categories.isEmpty()) {
        const uint16_t id = m_names.idOf(PstNamedPropertyMap::kPublicStrings, QStringLiteral("Keywords"));
        if (!m.categoriesUnicode) {
            QList<QByteArray> encoded;
            for (const QString& c : m.categories)
                encoded.append(encodeIn(m.codePage ? m.codePage : 1252, c));
            list.add(PstProperty::multiString8(id, encoded));
        } else {
            list.add(PstProperty::multiUnicode(id, m.categories));
        }
    }
    for (const PstNamedString& named : m.namedStrings)
        list.text(named.name.isEmpty() ? m_names.idOf(named.set, named.number) : m_names.idOf(named.set, named.name),
                  named.value);
    for (const auto& entry : m.rawEntries) {
        PstProperty raw;
        raw.id = entry.first;
        raw.type = entry.second;
        raw.data = QByteArray(4, '\0');
        list.add(raw);
    }
    addMailProperties(m, list);
    if (m.kind == PstMessage::Kind::Contact)
        addContactProperties(m, list);
    if (m.kind == PstMessage::Kind::Appointment || m.effectiveClass().startsWith(QLatin1String("IPM.Schedule.Meeting")))
        addCalendarProperties(m, list);
    addTaskJournalNoteProperties(m, list);
    uint64_t size = 0;
    for (const PstProperty& p : list.items)
        size += p.valueSize();
    for (const PstAttachment& a : m.attachments)
        size += uint64_t(a.size());
    list.int32(0x0E08, int32_t(std::min<uint64_t>(size, 0x7FFFFFFF)));
    return list.items;
}

PstLtpWriter::NodeImage PstMessageEncoder::writeAttachment(const PstAttachment& a, int index)
{
    PropertyList list;
    list.int32(0x3705, a.embedded ? kAttachEmbedded : kAttachByValue);
    list.text(0x3704, a.shortName);
    list.text(0x3707, a.longName);
    list.text(0x370E, a.mimeType);
    list.text(0x3712, a.contentId);
    list.int32(0x370B, -1);
    list.int32(0x0E21, index);
    list.int32(0x0E20, int32_t(std::min<qint64>(a.size(), 0x7FFFFFFF)));
    std::vector<PstNdbWriter::SubnodeEntry> subnodes;
    if (a.embedded) {
        const PstLtpWriter::NodeImage inner = write(*a.embedded);
        subnodes.push_back({kEmbeddedMessageNid, inner.bidData, inner.bidSub});
        list.add(PstProperty::object(0x3701, kEmbeddedMessageNid, 0));
    } else if (a.generatedSize >= 0) {
        list.add(PstProperty::generated(0x3701, uint64_t(a.generatedSize), [](char* buffer, uint64_t offset, size_t n) {
            for (size_t i = 0; i < n; ++i)
                buffer[i] = patternByte(offset + i);
        }));
    } else {
        list.add(PstProperty::binary(0x3701, a.data));
    }
    return m_ltp.writePropertyContext(list.items, subnodes);
}

PstLtpWriter::NodeImage PstMessageEncoder::write(const PstMessage& m)
{
    using P = PstProperty;
    std::vector<PstNdbWriter::SubnodeEntry> subnodes;

    std::vector<PstLtpWriter::Row> recipientRows;
    for (int i = 0; i < m.recipients.size(); ++i) {
        const PstRecipient& r = m.recipients[i];
        PropertyList row;
        row.int32(0x0C15, r.type);
        row.boolean(0x0E0F, true);
        row.int32(0x0FFE, 6); // a mail user
        row.text(0x3001, r.name.isEmpty() ? r.address : r.name);
        row.text(0x3002, r.addressType);
        row.text(0x3003, r.address);
        if (r.addressType == QLatin1String("SMTP"))
            row.text(0x39FE, r.address);
        row.int32(0x3900, 0);
        row.boolean(0x3A40, false);
        row.int32(0x67F3, 1);
        recipientRows.push_back({uint32_t(i), row.items});
    }
    const PstLtpWriter::NodeImage recipients = m_ltp.writeTableContext(
        {{0x0C15, P::Long}, {0x0E0F, P::Boolean}, {0x0FFE, P::Long}, {0x3001, P::Unicode}, {0x3002, P::Unicode},
         {0x3003, P::Unicode}, {0x39FE, P::Unicode}, {0x3900, P::Long}, {0x3A40, P::Boolean}, {0x67F3, P::Long}},
        recipientRows);
    subnodes.push_back({kNidRecipientTable, recipients.bidData, recipients.bidSub});

    if (!m.attachments.isEmpty()) {
        std::vector<PstLtpWriter::Row> attachmentRows;
        for (int i = 0; i < m.attachments.size(); ++i) {
            const PstAttachment& a = m.attachments[i];
            const uint32_t nid = (uint32_t(0x100 + i) << 5) | kNidTypeAttachment;
            const PstLtpWriter::NodeImage node = writeAttachment(a, i);
            subnodes.push_back({nid, node.bidData, node.bidSub});
            PropertyList row;
            row.int32(0x0E20, int32_t(std::min<qint64>(a.size(), 0x7FFFFFFF)));
            row.text(0x3704, a.shortName);
            row.int32(0x3705, a.embedded ? kAttachEmbedded : kAttachByValue);
            row.int32(0x370B, -1);
            row.int32(0x67F3, 1);
            attachmentRows.push_back({nid, row.items});
        }
        const PstLtpWriter::NodeImage table = m_ltp.writeTableContext(
            {{0x0E20, P::Long}, {0x3704, P::Unicode}, {0x3705, P::Long}, {0x370B, P::Long}, {0x67F3, P::Long}},
            attachmentRows);
        subnodes.push_back({kNidAttachmentTable, table.bidData, table.bidSub});
    }
    return m_ltp.writePropertyContext(properties(m), subnodes);
}
