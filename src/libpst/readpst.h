// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// The export writers: one parsed libpst item becomes MIME (.eml), vCard (.vcf)
// or iCalendar (.ics) text on an open stdio stream. Plain functions over
// NUL-terminated UTF-8 text; they may be called from any thread, one item at a
// time per libpst file. All of them modify the item in place (strings are
// converted to UTF-8, carriage returns removed); the caller frees it with
// pst_freeItem afterwards.

#include <cstddef>
#include <cstdio>
#include <string>
#include <vector>

#include <libpst/libpst.h>

// ---- MIME message writer -------------------------------------------------

// Writes one mail as an RFC 822 / MIME message. fileName, mode and modeMH are
// accepted for compatibility and ignored. embedding is 0 for a top-level
// message, 1 for one written inside a message/rfc822 part. extraMimeHeaders
// points at a null pointer for a top-level message; the writer may point it
// into the item's header text and hands it on to attached mails.
void write_normal_email(FILE* out, char const* fileName, pst_item* item, int mode, int modeMH,
                        pst_file* pst, int saveRtf, int embedding, char** extraMimeHeaders);

// An S/MIME mail as Outlook keeps it: its only attachment, smime.p7m, is
// the signed or encrypted message.
bool is_smime_email(pst_item* item);
// Writes an S/MIME mail's message after its headers: MIME-Version, then a
// clear-signed entity byte for byte, or a CMS structure as an
// application/pkcs7-mime entity. Returns
// false, writing nothing, for any other mail or an unreadable smime.p7m.
bool write_smime_entity(FILE* out, pst_item* item, pst_file* pst);

// One text part: "\n--boundary", its Content-Type, then the text (base64 when
// it holds control bytes). A UTF-8 body is converted to charset when possible.
// The part writers return whether they wrote a part.
bool write_body_part(FILE* out, pst_string* body, char const* mimeType, char const* charset,
                     char const* boundary, pst_file* pst);

// An attachment's data as base64 in lines of 76 characters, read from the
// file block by block; returns the data's size in bytes.
size_t write_attachment_base64(FILE* out, pst_item_attach* attach, pst_file* pst);

// One base64 attachment part; writes nothing when the data cannot be found.
bool write_inline_attachment(FILE* out, pst_item_attach* attach, char const* boundary, pst_file* pst);

// One message/rfc822 part holding an attached mail; writes nothing when the
// attached item cannot be parsed or is not a mail.
bool write_embedded_message(FILE* out, pst_item_attach* attach, char const* boundary, pst_file* pst,
                            int saveRtf, char** extraMimeHeaders);

// The two text/calendar parts of a meeting request (inline and as an .ics
// attachment). Writes nothing when the item has no appointment record.
bool write_schedule_part(FILE* out, pst_item* item, char const* sender, char const* boundary);

// Writes the text unchanged ("From " lines are quoted by mailbox writers only).
void write_email_body(FILE* out, char* text);

// ---- Header text operations (NUL-terminated 8-bit text) ------------------

// True when text looks like the start of a header block.
bool valid_headers(char* text);
// True when text starts with name (case-insensitive); a name ending in a blank
// also matches when its value is folded onto the next line.
bool header_match(char* text, char const* name);
// True when text starts with one well-formed "Name: value\r\n" field.
bool header_is_reasonable(char* text);
// Sets *flag to 1 when header_get_field finds the field; leaves it otherwise.
void header_has_field(char* header, char const* field, int* flag);
// field is "\nName:". Returns where the field starts (its line feed, or the
// start of the text for a first field), or null.
char* header_get_field(char* header, char const* field);
// The line feed that ends the field with its continuation lines, or null.
char* header_end_field(char* field);
// Copies the value of " name=" inside the field into out (cut to size - 1);
// leaves out unchanged when the field has no such subfield.
void header_get_subfield(char* field, char const* name, char* out, size_t size);
// Removes every occurrence of the field ("\nName:") with its continuation lines.
void header_strip_field(char* header, char const* field);
// Moves *extraMimeHeaders past the next header block whose Content-Type is
// message/rfc822 (the headers of an attached mail follow it).
void find_rfc822_headers(char** extraMimeHeaders);
// Copies the charset named by the first <meta> tag of the HTML into charset
// (cut to size - 1). Returns false, with charset emptied, when there is none.
bool find_html_charset(char const* html, char* charset, size_t size);
// A malloc'd copy with a backslash before every double quote and backslash.
char* quote_string(char const* text);
// The RFC 2231 form "utf-8''..." of a UTF-8 name, malloc'd.
char* rfc2231_string(char const* text);
// True for the bytes RFC 2231 lets through unencoded.
bool is_attribute_char(char c);
// True when the data holds a byte below 32 other than tab and line feed.
bool test_base64(char const* data, size_t size);

// ---- vCard and iCalendar writers ----------------------------------------

// One vCard 3.0 of the contact; comment may be null. uid (may be null) gives
// the card a UID, so an address book updates it when it comes again.
void write_vcard(FILE* out, pst_item* item, pst_item_contact* contact, char* comment, char const* uid = nullptr);
// One VCALENDAR with one VEVENT. sender and method may be null (a plain
// appointment); a meeting request passes the mail's sender and "REQUEST".
void write_schedule_part_data(FILE* out, pst_item* item, char const* sender, char const* method);
// The body of one VEVENT, from its UID line to "END:VEVENT". uid null: the
// item's block id. An all-day appointment's start and end are the dates of
// this computer's time zone (VALUE=DATE).
void write_appointment(FILE* out, pst_item* item, char const* uid = nullptr);
// What an appointment's own calendar file carries beyond its record.
struct ical_event_extras {
    // One occurrence of the series that was moved or changed; every time is
    // UTC text "YYYYMMDDTHHMMSSZ".
    struct instance {
        std::string recurrence_id; // when the occurrence was due
        std::string start;
        std::string end;
        bool has_subject = false;
        std::string subject; // UTF-8
        bool has_location = false;
        std::string location; // UTF-8
    };
    // Occurrences that were deleted, by their due start (UTC text).
    std::vector<std::string> exdates;
    std::vector<instance> instances;
    // Non-null: the item's attachments are read from this file and written
    // inline into the event.
    pst_file* attachments_from = nullptr;
    // The UID of the event and of its changed occurrences; empty: the item's
    // block id.
    std::string uid;
};
// One VCALENDAR with the appointment's VEVENT, its deleted occurrences as
// EXDATE and its attachments as inline ATTACH properties, followed by one
// VEVENT (same UID, with RECURRENCE-ID) per changed occurrence.
void write_appointment_calendar(FILE* out, pst_item* item, ical_event_extras const& extras);
// Inside the appointment's VEVENT: its EXDATE lines and its attachments.
void write_event_extras(FILE* out, pst_item* item, ical_event_extras const& extras);
// After the appointment's VEVENT: one VEVENT per changed occurrence.
void write_changed_instances(FILE* out, pst_item* item, ical_event_extras const& extras);
// One attachment as an inline binary ATTACH property (folded); an attached
// item becomes a message/rfc822 message. Returns false, writing nothing, for
// an attachment without data, and for an attached occurrence of the series
// (those are written as their own VEVENT instead).
bool write_ical_attachment(FILE* out, pst_item* item, pst_item_attach* attach, pst_file* pst);

// One VCALENDAR holding the journal entry as a VJOURNAL; uid as for
// write_appointment.
void write_journal(FILE* out, pst_item* item, char const* uid = nullptr);
// The task values libpst's record does not carry, read by the caller.
struct task_values {
    int status = 0;               // 0 not started, 1 in progress, 2 complete, 3 waiting, 4 deferred
    double percent_complete = 0;  // 0.0 to 1.0
    bool complete = false;
    int importance = 1;           // 0 low, 1 normal, 2 high
    FILETIME const* start = nullptr;
    FILETIME const* due = nullptr;
    FILETIME const* completed = nullptr;
    char const* uid = nullptr; // as for write_appointment
};
// One VCALENDAR holding the task as a VTODO.
void write_task(FILE* out, pst_item* item, task_values const& values);

// One member of a distribution list, UTF-8.
struct list_member {
    char const* name;
    char const* address;
};
// One vCard 3.0 of a distribution list as Evolution's address book keeps
// lists: X-EVOLUTION-LIST and one EMAIL per member naming it in its
// X-EVOLUTION-DEST-* parameters. note may be null.
void write_list_vcard(FILE* out, char const* name, list_member const* members, size_t count, char const* note);

// Writes the item's "Keywords" as one CATEGORIES line; returns 1 when it wrote
// a line, else 0.
int write_extra_categories(FILE* out, pst_item* item);
