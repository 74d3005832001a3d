// SPDX-License-Identifier: GPL-2.0-or-later
// The vCard 3.0 and iCalendar writers.

#include "MimeCharset.h"
#include "readpst.h"
#include "readpst_internal.h"
#include "ContactDate.h"

#include "ProductConstants.h"

#include <cstdlib>
#include <cstring>
#include <vector>
#include <string>

using readpst_detail::write_single_line;
using readpst_detail::write_uid;

void readpst_detail::write_uid(FILE* out, pst_item const* item, char const* uid)
{
    if (uid && *uid) {
        fputs("UID:", out);
        write_single_line(out, uid);
        fputc('\n', out);
    } else {
        fprintf(out, "UID:%#llx\n", static_cast<unsigned long long>(item->block_id));
    }
}

namespace {

// pst_rfc2426_escape with its growing buffer. Every escaped value must be
// written before the next one is escaped: they share the buffer.
class Escaper
{
public:
    Escaper() = default;
    ~Escaper() { free(m_buffer); }
    Escaper(Escaper const&) = delete;
    Escaper& operator=(Escaper const&) = delete;

    // The escaped text, or "" for an absent value.
    char const* operator()(char* text)
    {
        if (!text)
            return "";
        char const* escaped = pst_rfc2426_escape(text, &m_buffer, &m_size);
        return escaped ? escaped : "";
    }
    char const* operator()(pst_string const& text) { return (*this)(text.str); }

private:
    char* m_buffer = nullptr;
    size_t m_size = 0;
};

constexpr int kDateBufferSize = 30;

struct DateText {
    char text[kDateBufferSize];
};

DateText ical_date(FILETIME const* time)
{
    DateText date{};
    pst_rfc2445_datetime_format(time, sizeof(date.text), date.text);
    return date;
}

DateText ical_now()
{
    DateText date{};
    pst_rfc2445_datetime_format_now(sizeof(date.text), date.text);
    return date;
}

// ---- vCard --------------------------------------------------------------

void convert_contact_strings(pst_item* item, pst_item_contact* c)
{
    pst_string* const strings[] = {
        &c->fullname, &c->surname, &c->first_name, &c->middle_name, &c->display_name_prefix, &c->suffix,
        &c->nickname, &c->address1, &c->address2, &c->address3,
        &c->home_address, &c->home_po_box, &c->home_street, &c->home_city, &c->home_state,
        &c->home_postal_code, &c->home_country,
        &c->business_address, &c->business_po_box, &c->business_street, &c->business_city,
        &c->business_state, &c->business_postal_code, &c->business_country,
        &c->other_address, &c->other_po_box, &c->other_street, &c->other_city, &c->other_state,
        &c->other_postal_code, &c->other_country,
        &c->business_fax, &c->business_phone, &c->business_phone2, &c->car_phone, &c->home_fax,
        &c->home_phone, &c->home_phone2, &c->isdn_phone, &c->mobile_phone, &c->other_phone,
        &c->pager_phone, &c->primary_fax, &c->primary_phone, &c->radio_phone, &c->telex,
        &c->job_title, &c->profession, &c->assistant_name, &c->assistant_phone, &c->company_name,
        &c->department, &item->body,
    };
    for (pst_string* text : strings)
        MimeCharset::convert(item, text, true);
}

// A line whose value is not escaped text (an address or a number): it is
// written as it is, kept on one line.
void write_plain_line(FILE* out, char const* format, pst_string const& value)
{
    if (!value.str)
        return;
    fprintf(out, format, "");
    write_single_line(out, value.str);
    fputc('\n', out);
}

struct PostalAddress {
    char const* adrPrefix;
    char const* labelPrefix;
    pst_string const& full;
    pst_string const& poBox;
    pst_string const& street;
    pst_string const& city;
    pst_string const& state;
    pst_string const& postalCode;
    pst_string const& country;
};

void write_address(FILE* out, Escaper& escape, PostalAddress const& address)
{
    if (!address.full.str)
        return;
    fprintf(out, "%s%s;", address.adrPrefix, escape(address.poBox));
    fprintf(out, "%s;", "");
    fprintf(out, "%s;", escape(address.street));
    fprintf(out, "%s;", escape(address.city));
    fprintf(out, "%s;", escape(address.state));
    fprintf(out, "%s;", escape(address.postalCode));
    fprintf(out, "%s\n", escape(address.country));
    fprintf(out, "%s%s\n", address.labelPrefix, escape(address.full));
}

void write_addresses(FILE* out, Escaper& escape, pst_item_contact* c)
{
    write_address(out, escape,
                  {"ADR;TYPE=home:", "LABEL;TYPE=home:", c->home_address, c->home_po_box, c->home_street,
                   c->home_city, c->home_state, c->home_postal_code, c->home_country});
    write_address(out, escape,
                  {"ADR;TYPE=work:", "LABEL;TYPE=work:", c->business_address, c->business_po_box,
                   c->business_street, c->business_city, c->business_state, c->business_postal_code,
                   c->business_country});
    write_address(out, escape,
                  {"ADR;TYPE=postal:", "LABEL;TYPE=postal:", c->other_address, c->other_po_box, c->other_street,
                   c->other_city, c->other_state, c->other_postal_code, c->other_country});
}

void write_phones(FILE* out, pst_item_contact* c)
{
    write_plain_line(out, "TEL;TYPE=work,fax:%s", c->business_fax);
    write_plain_line(out, "TEL;TYPE=work,voice:%s", c->business_phone);
    write_plain_line(out, "TEL;TYPE=work,voice:%s", c->business_phone2);
    write_plain_line(out, "TEL;TYPE=car,voice:%s", c->car_phone);
    write_plain_line(out, "TEL;TYPE=home,fax:%s", c->home_fax);
    write_plain_line(out, "TEL;TYPE=home,voice:%s", c->home_phone);
    write_plain_line(out, "TEL;TYPE=home,voice:%s", c->home_phone2);
    write_plain_line(out, "TEL;TYPE=isdn:%s", c->isdn_phone);
    write_plain_line(out, "TEL;TYPE=cell,voice:%s", c->mobile_phone);
    write_plain_line(out, "TEL;TYPE=msg:%s", c->other_phone);
    write_plain_line(out, "TEL;TYPE=pager:%s", c->pager_phone);
    write_plain_line(out, "TEL;TYPE=fax,pref:%s", c->primary_fax);
    write_plain_line(out, "TEL;TYPE=phone,pref:%s", c->primary_phone);
    write_plain_line(out, "TEL;TYPE=pcs:%s", c->radio_phone);
    write_plain_line(out, "TEL;TYPE=bbs:%s", c->telex);
}

// The assistant as one AGENT value: a whole vCard of its own, escaped as a
// text value so that it stays on the AGENT line.
void write_agent(FILE* out, Escaper& escape, pst_item_contact* c)
{
    if (!c->assistant_name.str && !c->assistant_phone.str)
        return;
    std::string card = "BEGIN:VCARD\nVERSION:3.0\n";
    card += std::string("FN:") + escape(c->assistant_name) + "\n";
    card += "N:;;;;\n";
    if (c->assistant_phone.str)
        card += std::string("TEL:") + escape(c->assistant_phone) + "\n";
    card += "END:VCARD\n";
    fprintf(out, "AGENT:%s\n", escape(&card[0]));
}

// ---- iCalendar ----------------------------------------------------------

char const* const kFrequencyNames[] = {"DAILY", "WEEKLY", "MONTHLY", "YEARLY"};
char const* const kDayNames[] = {"SU", "MO", "TU", "WE", "TH", "FR", "SA"};
// pst_recurrence::termination of a series without end.
constexpr uint32_t kNeverEnds = 2;

void write_status(FILE* out, int32_t showAs)
{
    switch (showAs) {
    case PST_FREEBUSY_FREE:
        fprintf(out, "TRANSP:TRANSPARENT\n");
        fprintf(out, "STATUS:CONFIRMED\n");
        break;
    case PST_FREEBUSY_TENTATIVE:
        fprintf(out, "STATUS:TENTATIVE\n");
        break;
    case PST_FREEBUSY_BUSY:
    case PST_FREEBUSY_OUT_OF_OFFICE:
        fprintf(out, "STATUS:CONFIRMED\n");
        break;
    default:
        break;
    }
}

// libpst's recurrence reader looks one byte past blobs of some short
// lengths; hand it a zero-padded copy so it never reads outside the data.
pst_recurrence* convertRecurrenceSafely(pst_item_appointment* appointment)
{
    pst_binary& blob = appointment->recurrence_data;
    if (!blob.data || blob.size == 0)
        return pst_convert_recurrence(appointment);
    constexpr size_t kPadding = 16;
    std::vector<char> padded(blob.size + kPadding, '\0');
    std::memcpy(padded.data(), blob.data, blob.size);
    char* const original = blob.data;
    blob.data = padded.data();
    pst_recurrence* rule = pst_convert_recurrence(appointment);
    blob.data = original;
    return rule;
}

void write_recurrence(FILE* out, pst_item_appointment* appointment)
{
    pst_recurrence* rule = convertRecurrenceSafely(appointment);
    if (!rule)
        return;
    // A damaged blob can hold any type; only the four known ones make a rule.
    if (rule->type < sizeof(kFrequencyNames) / sizeof(kFrequencyNames[0])) {
        fprintf(out, "RRULE:FREQ=%s", kFrequencyNames[rule->type]);
        // A series that never ends still stores an occurrence count (Outlook
        // keeps 10 there); only a series ending by count or date has one.
        if (rule->count && rule->termination != kNeverEnds)
            fprintf(out, ";COUNT=%u", rule->count);
        if (rule->interval > 1)
            fprintf(out, ";INTERVAL=%u", rule->interval);
        if (rule->dayofmonth)
            fprintf(out, ";BYMONTHDAY=%u", rule->dayofmonth);
        if (rule->monthofyear)
            fprintf(out, ";BYMONTH=%u", rule->monthofyear);
        if (rule->position)
            fprintf(out, ";BYSETPOS=%u", rule->position);
        if (rule->bydaymask & 0x7f) {
            // The days form one list, separated by commas.
            char const* separator = ";BYDAY=";
            for (int day = 0; day < 7; ++day) {
                if (rule->bydaymask & (1u << day)) {
                    fprintf(out, "%s%s", separator, kDayNames[day]);
                    separator = ",";
                }
            }
        }
        fputc('\n', out);
    }
    pst_free_recurrence(rule);
}

void write_label_category(FILE* out, pst_item* item, int32_t label)
{
    static char const* const kLabelNames[] = {
        nullptr, "IMPORTANT", "BUSINESS", "PERSONAL", "VACATION", "MUST-ATTEND",
        "TRAVEL-REQUIRED", "NEEDS-PREPARATION", "BIRTHDAY", "ANNIVERSARY", "PHONE-CALL",
    };
    // Without a label the item's own categories, if any: no category is
    // made up for an item that has none.
    if (label == PST_APP_LABEL_NONE) {
        write_extra_categories(out, item);
    } else if (label > 0 && label <= PST_APP_LABEL_PHONE_CALL) {
        fprintf(out, "CATEGORIES:%s\n", kLabelNames[label]);
    }
}

void write_alarm(FILE* out, pst_item_appointment* appointment)
{
    if (!appointment->alarm || appointment->alarm_minutes < 0 || appointment->alarm_minutes >= 1440)
        return;
    fprintf(out, "BEGIN:VALARM\n");
    fprintf(out, "TRIGGER:-PT%dM\n", appointment->alarm_minutes);
    fprintf(out, "ACTION:DISPLAY\n");
    fprintf(out, "DESCRIPTION:Reminder\n");
    fprintf(out, "END:VALARM\n");
}

// DTSTAMP, CREATED, LAST-MODIFIED, SUMMARY and DESCRIPTION, shared by events
// and journal entries.
void write_common_properties(FILE* out, Escaper& escape, pst_item* item)
{
    DateText const stamp = item->create_date ? ical_date(item->create_date) : ical_now();
    fprintf(out, "DTSTAMP:%s\n", stamp.text);
    if (item->create_date)
        fprintf(out, "CREATED:%s\n", ical_date(item->create_date).text);
    if (item->modify_date)
        fprintf(out, "LAST-MODIFIED:%s\n", ical_date(item->modify_date).text);
    if (item->subject.str)
        fprintf(out, "SUMMARY:%s\n", escape(item->subject));
    if (item->body.str)
        fprintf(out, "DESCRIPTION:%s\n", escape(item->body));
}

void write_calendar_start(FILE* out)
{
    fprintf(out, "BEGIN:VCALENDAR\n");
    fprintf(out, "VERSION:2.0\n");
    fprintf(out, "%s\n", LUMAROO_ICAL_PRODID);
}

// A parameter value cannot hold a double quote; the name loses them.
void write_organizer_name(FILE* out, char const* name)
{
    std::string clean;
    for (char const* p = name; *p; ++p) {
        if (*p != '"')
            clean += *p;
    }
    write_single_line(out, clean.c_str());
}

} // namespace

int write_extra_categories(FILE* out, pst_item* item)
{
    if (!item)
        return 0;
    Escaper escape;
    bool first = true;
    for (pst_item_extra_field* field = item->extra_fields; field; field = field->next) {
        if (!field->field_name || !field->value || strcmp(field->field_name, "Keywords") != 0)
            continue;
        fprintf(out, first ? "CATEGORIES:%s" : ", %s", escape(field->value));
        first = false;
    }
    if (first)
        return 0;
    fputc('\n', out);
    return 1;
}

bool has_text(pst_string const& value)
{
    return value.str && value.str[0];
}

// The name a contact is shown under: its full name, else its first and last
// names, else what Outlook files it as, its company or an address, so that a
// contact with anything to show has a name (a card's FN may not be empty).
std::string formatted_name(pst_item* item, pst_item_contact* contact)
{
    if (has_text(contact->fullname))
        return contact->fullname.str;
    std::string name;
    for (pst_string const* part : {&contact->first_name, &contact->surname}) {
        if (!has_text(*part))
            continue;
        if (!name.empty())
            name += ' ';
        name += part->str;
    }
    if (!name.empty())
        return name;
    pst_convert_utf8_null(item, &item->file_as);
    for (pst_string const* other : {&item->file_as, &contact->company_name, &contact->address1, &contact->address2,
                                    &contact->address3, &contact->business_address, &contact->home_address,
                                    &contact->other_address}) {
        if (has_text(*other))
            return other->str;
    }
    return std::string();
}

void write_vcard(FILE* out, pst_item* item, pst_item_contact* contact, char* comment, char const* uid)
{
    if (!out || !item || !contact)
        return;
    convert_contact_strings(item, contact);
    Escaper escape;

    fprintf(out, "BEGIN:VCARD\n");
    std::string name = formatted_name(item, contact);
    fprintf(out, "FN:%s\n", escape(&name[0]));
    fprintf(out, "N:%s;", escape(contact->surname));
    fprintf(out, "%s;", escape(contact->first_name));
    fprintf(out, "%s;", escape(contact->middle_name));
    fprintf(out, "%s;", escape(contact->display_name_prefix));
    fprintf(out, "%s\n", escape(contact->suffix));
    if (contact->nickname.str)
        fprintf(out, "NICKNAME:%s\n", escape(contact->nickname));
    write_plain_line(out, "EMAIL:%s", contact->address1);
    write_plain_line(out, "EMAIL:%s", contact->address2);
    write_plain_line(out, "EMAIL:%s", contact->address3);
    // Dates, not instants: the day meant, whatever zone stored its midnight.
    const QDate birthday = ContactDate::intendedDate(contact->birthday);
    if (birthday.isValid())
        fprintf(out, "BDAY;VALUE=date:%s\n", qPrintable(birthday.toString(Qt::ISODate)));
    const QDate anniversary = ContactDate::intendedDate(contact->wedding_anniversary);
    if (anniversary.isValid())
        fprintf(out, "X-ANNIVERSARY;VALUE=date:%s\n", qPrintable(anniversary.toString(Qt::ISODate)));
    write_addresses(out, escape, contact);
    write_phones(out, contact);
    if (contact->job_title.str)
        fprintf(out, "TITLE:%s\n", escape(contact->job_title));
    if (contact->profession.str)
        fprintf(out, "ROLE:%s\n", escape(contact->profession));
    write_agent(out, escape, contact);
    if (contact->company_name.str || contact->department.str) {
        fprintf(out, "ORG:%s;", escape(contact->company_name));
        fprintf(out, "%s\n", escape(contact->department));
    }
    if (comment)
        fprintf(out, "NOTE:%s\n", escape(comment));
    if (item->body.str)
        fprintf(out, "NOTE:%s\n", escape(item->body));
    write_extra_categories(out, item);
    if (uid)
        write_uid(out, item, uid);
    fprintf(out, "VERSION:3.0\n");
    fprintf(out, "END:VCARD\n\n");
}

namespace {
void write_appointment_body(FILE* out, pst_item* item, char const* uid, ical_event_extras const* extras);
} // namespace

void write_appointment(FILE* out, pst_item* item, char const* uid)
{
    write_appointment_body(out, item, uid, nullptr);
}

namespace {

// Outlook keeps an all-day appointment as midnight to midnight of the
// user's zone, in UTC; the days are those of this computer's zone. The end
// date is the day after the last one.
void write_all_day_dates(FILE* out, pst_item_appointment* appointment)
{
    auto const localDay = [](FILETIME const* time) {
        time_t const seconds = pst_fileTimeToUnixTime(time);
        struct tm day{};
        localtime_r(&seconds, &day);
        day.tm_hour = 12; // clear of summer-time changes when days are added
        day.tm_min = day.tm_sec = 0;
        day.tm_isdst = -1;
        return day;
    };
    struct tm const first = localDay(appointment->start);
    struct tm last = appointment->end ? localDay(appointment->end) : first;
    struct tm firstCopy = first;
    if (mktime(&last) <= mktime(&firstCopy)) {
        last = first;
        last.tm_mday += 1;
        mktime(&last);
    }
    char text[kDateBufferSize];
    strftime(text, sizeof(text), "%Y%m%d", &first);
    fprintf(out, "DTSTART;VALUE=DATE:%s\n", text);
    strftime(text, sizeof(text), "%Y%m%d", &last);
    fprintf(out, "DTEND;VALUE=DATE:%s\n", text);
}

void write_appointment_body(FILE* out, pst_item* item, char const* uid, ical_event_extras const* extras)
{
    if (!out || !item)
        return;
    pst_item_appointment* appointment = item->appointment;
    MimeCharset::convert(item, &item->subject, true);
    MimeCharset::convert(item, &item->body, true);
    if (appointment)
        MimeCharset::convert(item, &appointment->location, true);
    Escaper escape;

    write_uid(out, item, uid);
    write_common_properties(out, escape, item);
    if (appointment) {
        if (appointment->all_day == 1 && appointment->start) {
            write_all_day_dates(out, appointment);
        } else {
            if (appointment->start)
                fprintf(out, "DTSTART;VALUE=DATE-TIME:%s\n", ical_date(appointment->start).text);
            if (appointment->end)
                fprintf(out, "DTEND;VALUE=DATE-TIME:%s\n", ical_date(appointment->end).text);
        }
        if (appointment->location.str)
            fprintf(out, "LOCATION:%s\n", escape(appointment->location));
        write_status(out, appointment->showas);
        if (appointment->is_recurring)
            write_recurrence(out, appointment);
        write_label_category(out, item, appointment->label);
        write_alarm(out, appointment);
    }
    if (extras)
        write_event_extras(out, item, *extras);
    fprintf(out, "END:VEVENT\n");
}

} // namespace

void write_schedule_part_data(FILE* out, pst_item* item, char const* sender, char const* method)
{
    if (!out || !item)
        return;
    write_calendar_start(out);
    if (method)
        fprintf(out, "METHOD:%s\n", method);
    fprintf(out, "BEGIN:VEVENT\n");
    if (sender) {
        char const* name = item->email ? item->email->outlook_sender_name.str : nullptr;
        if (name) {
            MimeCharset::convert(item, &item->email->outlook_sender_name, true);
            name = item->email->outlook_sender_name.str;
        }
        fprintf(out, "ORGANIZER;CN=\"");
        write_organizer_name(out, name ? name : "");
        fprintf(out, "\":MAILTO:");
        write_single_line(out, sender);
        fputc('\n', out);
    }
    write_appointment(out, item);
    fprintf(out, "END:VCALENDAR\n");
}

void write_appointment_calendar(FILE* out, pst_item* item, ical_event_extras const& extras)
{
    if (!out || !item)
        return;
    write_calendar_start(out);
    fprintf(out, "BEGIN:VEVENT\n");
    write_appointment_body(out, item, extras.uid.empty() ? nullptr : extras.uid.c_str(), &extras);
    write_changed_instances(out, item, extras);
    fprintf(out, "END:VCALENDAR\n");
}

void write_journal(FILE* out, pst_item* item, char const* uid)
{
    if (!out || !item)
        return;
    MimeCharset::convert(item, &item->subject, true);
    MimeCharset::convert(item, &item->body, true);
    Escaper escape;

    write_calendar_start(out);
    fprintf(out, "BEGIN:VJOURNAL\n");
    // RFC 5545 requires a UID in every journal entry.
    write_uid(out, item, uid);
    write_common_properties(out, escape, item);
    if (item->journal && item->journal->start)
        fprintf(out, "DTSTART;VALUE=DATE-TIME:%s\n", ical_date(item->journal->start).text);
    fprintf(out, "END:VJOURNAL\n");
    fprintf(out, "END:VCALENDAR\n");
}

namespace {

// iCalendar's STATUS of a task for Outlook's task status.
char const* task_status(task_values const& values)
{
    if (values.complete || values.status == 2)
        return "COMPLETED";
    return values.status == 1 ? "IN-PROCESS" : "NEEDS-ACTION";
}

// Outlook keeps a task's start and due dates as days.
void write_task_date(FILE* out, char const* name, FILETIME const* time)
{
    if (!time)
        return;
    DateText const date = ical_date(time);
    fprintf(out, "%s;VALUE=DATE:%.8s\n", name, date.text);
}

// A vCard parameter value in double quotes, which it cannot itself hold.
std::string quoted_parameter(char const* text)
{
    std::string value = "\"";
    for (char const* p = text ? text : ""; *p; ++p) {
        unsigned char const c = static_cast<unsigned char>(*p);
        if (c != '"' && c >= 0x20 && c != 0x7F)
            value += *p;
    }
    return value + "\"";
}

} // namespace

void write_task(FILE* out, pst_item* item, task_values const& values)
{
    if (!out || !item)
        return;
    MimeCharset::convert(item, &item->subject, true);
    MimeCharset::convert(item, &item->body, true);
    Escaper escape;

    write_calendar_start(out);
    fprintf(out, "BEGIN:VTODO\n");
    write_uid(out, item, values.uid);
    write_common_properties(out, escape, item);
    fprintf(out, "STATUS:%s\n", task_status(values));
    int percent = static_cast<int>(values.percent_complete * 100.0 + 0.5);
    if (values.complete || values.status == 2)
        percent = 100;
    fprintf(out, "PERCENT-COMPLETE:%d\n", percent < 0 ? 0 : (percent > 100 ? 100 : percent));
    write_task_date(out, "DTSTART", values.start);
    write_task_date(out, "DUE", values.due);
    if (values.completed)
        fprintf(out, "COMPLETED:%s\n", ical_date(values.completed).text);
    fprintf(out, "PRIORITY:%d\n", values.importance >= 2 ? 1 : (values.importance <= 0 ? 9 : 5));
    write_extra_categories(out, item);
    fprintf(out, "END:VTODO\n");
    fprintf(out, "END:VCALENDAR\n");
}

void write_list_vcard(FILE* out, char const* name, list_member const* members, size_t count, char const* note)
{
    if (!out)
        return;
    Escaper escape;
    std::string listName = name ? name : "";
    fprintf(out, "BEGIN:VCARD\n");
    fprintf(out, "VERSION:3.0\n");
    fprintf(out, "FN:%s\n", escape(listName.data()));
    fprintf(out, "N:%s;;;;\n", escape(listName.data()));
    fprintf(out, "X-EVOLUTION-LIST:TRUE\n");
    fprintf(out, "X-EVOLUTION-LIST-SHOW-ADDRESSES:TRUE\n");
    for (size_t i = 0; members && i < count; ++i) {
        std::string const memberName = members[i].name ? members[i].name : "";
        std::string const address = members[i].address ? members[i].address : "";
        std::string text = memberName.empty() ? address : "\"" + memberName + "\" <" + address + ">";
        fprintf(out, "EMAIL;X-EVOLUTION-DEST-NAME=%s;X-EVOLUTION-DEST-EMAIL=%s;X-EVOLUTION-DEST-HTML-MAIL=FALSE:%s\n",
                quoted_parameter(memberName.c_str()).c_str(), quoted_parameter(address.c_str()).c_str(),
                escape(text.data()));
    }
    if (note && *note) {
        std::string noteText = note;
        fprintf(out, "NOTE:%s\n", escape(noteText.data()));
    }
    fprintf(out, "END:VCARD\n");
}
