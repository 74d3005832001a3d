// SPDX-License-Identifier: GPL-2.0-or-later
// What an appointment's calendar file carries beyond its own record: the
// deleted and changed occurrences of its series, and its attachments.

#include "MimeCharset.h"
#include "readpst.h"
#include "readpst_internal.h"

#include <QMimeDatabase>

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// RFC 5545 wants content lines of at most 75 octets; longer ones continue
// on lines that start with a blank.
constexpr size_t kFoldWidth = 75;

// The class of an occurrence of a series stored as an attachment of it.
char const kExceptionClassPrefix[] = "IPM.OLE.CLASS.{00061055-0000-0000-C000-000000000046}";

void write_folded(FILE* out, std::string const& line)
{
    size_t at = 0;
    size_t width = kFoldWidth;
    while (line.size() - at > width) {
        fwrite(line.data() + at, 1, width, out);
        fputs("\n ", out);
        at += width;
        width = kFoldWidth - 1;
    }
    fwrite(line.data() + at, 1, line.size() - at, out);
    fputc('\n', out);
}

// A parameter value in double quotes: it cannot hold quotes or controls.
std::string quoted_parameter(char const* text)
{
    std::string value = "\"";
    for (unsigned char const* p = reinterpret_cast<unsigned char const*>(text); *p; ++p) {
        if (*p == '"')
            value += '\'';
        else if (*p < 32 || *p == 127)
            value += ' ';
        else
            value += char(*p);
    }
    return value + "\"";
}

// A media type from the file, when it has the form type/subtype.
bool is_media_type(char const* text)
{
    if (!text || !*text)
        return false;
    int slashes = 0;
    for (char const* p = text; *p; ++p) {
        if (*p == '/')
            ++slashes;
        else if (!(isalnum(static_cast<unsigned char>(*p)) || strchr("!#$&-^_.+", *p)))
            return false;
    }
    return slashes == 1 && text[0] != '/' && text[strlen(text) - 1] != '/';
}

void write_attach_line(FILE* out, char const* mediaType, char const* fileName, char const* data, size_t size)
{
    std::string line = "ATTACH;FMTTYPE=";
    line += mediaType;
    line += ";ENCODING=BASE64;VALUE=BINARY";
    if (fileName && *fileName)
        line += ";X-FILENAME=" + quoted_parameter(fileName);
    line += ':';
    char* encoded = pst_base64_encode_single(const_cast<char*>(data), size);
    if (encoded)
        line += encoded;
    free(encoded);
    write_folded(out, line);
}

// An attached item as one RFC 822 message in memory (mails and other items
// alike); empty when it cannot be parsed, or when it is an occurrence of
// the series.
std::string attached_item_message(pst_item_attach* attach, pst_file* pst, std::string* subject, bool* occurrence)
{
    *occurrence = false;
    pst_index_ll* index = pst ? pst_getID(pst, attach->i_id) : nullptr;
    if (!index)
        return {};
    pst_desc_tree descriptor;
    memset(&descriptor, 0, sizeof(descriptor));
    descriptor.desc = index;
    pst_item* message = pst_parse_item(pst, &descriptor, attach->id2_head);
    if (!message)
        return {};
    if (message->ascii_type && strncmp(message->ascii_type, kExceptionClassPrefix, strlen(kExceptionClassPrefix)) == 0) {
        *occurrence = true;
        pst_freeItem(message);
        return {};
    }
    // Items other than mails get an empty mail record, so that their
    // subject, body and attachments still make a message.
    if (!message->email) {
        message->email = static_cast<pst_item_email*>(calloc(1, sizeof(pst_item_email)));
        if (!message->email)
            abort();
    }
    MimeCharset::convert(message, &message->subject, true);
    if (message->subject.str)
        *subject = message->subject.str;
    char* buffer = nullptr;
    size_t size = 0;
    FILE* memory = open_memstream(&buffer, &size);
    std::string text;
    if (memory) {
        char* extraMimeHeaders = nullptr;
        write_normal_email(memory, nullptr, message, 0, 0, pst, 1, 1, &extraMimeHeaders);
        fclose(memory);
        text.assign(buffer, size);
    }
    free(buffer);
    pst_freeItem(message);
    return text;
}

// A file name for an attached message: its subject made safe, ".eml" added.
std::string message_file_name(std::string const& subject)
{
    std::string name;
    for (char c : subject)
        name += strchr("/\\:*?\"<>|", c) || static_cast<unsigned char>(c) < 32 ? '_' : c;
    return (name.empty() ? std::string("message") : name) + ".eml";
}

} // namespace

bool write_ical_attachment(FILE* out, pst_item* item, pst_item_attach* attach, pst_file* pst)
{
    if (!out || !item || !attach)
        return false;
    if (attach->method == PST_ATTACH_EMBEDDED) {
        std::string subject;
        bool occurrence = false;
        std::string const message = attached_item_message(attach, pst, &subject, &occurrence);
        if (message.empty())
            return false;
        write_attach_line(out, "message/rfc822", message_file_name(subject).c_str(), message.data(), message.size());
        return true;
    }
    if (!attach->data.data && !(pst && attach->i_id && pst_getID(pst, attach->i_id)))
        return false;
    MimeCharset::convert(item, &attach->filename1, true);
    MimeCharset::convert(item, &attach->filename2, true);
    MimeCharset::convert(item, &attach->mimetype, true);
    pst_binary data = pst_attach_to_mem(pst, attach);
    bool const wrote = data.data && data.size > 0;
    if (wrote) {
        char const* name = attach->filename2.str ? attach->filename2.str : attach->filename1.str;
        // Without a stored type, the name's extension tells calendar
        // programs what they hold.
        std::string const type = is_media_type(attach->mimetype.str)
            ? std::string(attach->mimetype.str)
            : QMimeDatabase().mimeTypeForFile(QString::fromUtf8(name ? name : ""), QMimeDatabase::MatchExtension)
                  .name()
                  .toStdString();
        write_attach_line(out, type.c_str(), name, data.data, data.size);
    }
    free(data.data);
    return wrote;
}

void write_event_extras(FILE* out, pst_item* item, ical_event_extras const& extras)
{
    for (std::string const& date : extras.exdates)
        fprintf(out, "EXDATE;VALUE=DATE-TIME:%s\n", date.c_str());
    if (!extras.attachments_from)
        return;
    for (pst_item_attach* attach = item->attach; attach; attach = attach->next)
        write_ical_attachment(out, item, attach, extras.attachments_from);
}

void write_changed_instances(FILE* out, pst_item* item, ical_event_extras const& extras)
{
    char* buffer = nullptr;
    size_t bufferSize = 0;
    auto const escaped = [&buffer, &bufferSize](std::string const& text) {
        std::string copy = text;
        char const* result = pst_rfc2426_escape(&copy[0], &buffer, &bufferSize);
        return std::string(result ? result : "");
    };
    for (ical_event_extras::instance const& instance : extras.instances) {
        fprintf(out, "BEGIN:VEVENT\n");
        readpst_detail::write_uid(out, item, extras.uid.empty() ? nullptr : extras.uid.c_str());
        fprintf(out, "RECURRENCE-ID;VALUE=DATE-TIME:%s\n", instance.recurrence_id.c_str());
        if (item->create_date) {
            char date[30];
            fprintf(out, "DTSTAMP:%s\n", pst_rfc2445_datetime_format(item->create_date, sizeof(date), date));
        } else {
            char date[30];
            fprintf(out, "DTSTAMP:%s\n", pst_rfc2445_datetime_format_now(sizeof(date), date));
        }
        // What the occurrence does not change, it keeps from the series.
        std::string const subject = instance.has_subject ? instance.subject
                                                         : (item->subject.str ? item->subject.str : "");
        if (instance.has_subject || item->subject.str)
            fprintf(out, "SUMMARY:%s\n", escaped(subject).c_str());
        if (item->body.str)
            fprintf(out, "DESCRIPTION:%s\n", escaped(item->body.str).c_str());
        fprintf(out, "DTSTART;VALUE=DATE-TIME:%s\n", instance.start.c_str());
        fprintf(out, "DTEND;VALUE=DATE-TIME:%s\n", instance.end.c_str());
        char const* seriesLocation = item->appointment ? item->appointment->location.str : nullptr;
        if (instance.has_location || seriesLocation)
            fprintf(out, "LOCATION:%s\n", escaped(instance.has_location ? instance.location : seriesLocation).c_str());
        fprintf(out, "END:VEVENT\n");
    }
    free(buffer);
}

