// SPDX-License-Identifier: GPL-2.0-or-later
// The MIME message writer: one mail of a PST file as an RFC 822 message.

#include "Base64Writer.h"
#include "MimeCharset.h"
#include "readpst.h"
#include "readpst_internal.h"

#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>
#include <strings.h>
#include <time.h>

#include <QCryptographicHash>

#include <openssl/crypto.h>
#include <openssl/evp.h>

using readpst_detail::copy_string;
using readpst_detail::write_single_line;

namespace {

// Attached mails can attach mails again; a damaged file could make that chain
// endless, so nesting stops here.
constexpr int kMaxEmbeddingDepth = 32;
thread_local int t_embeddingDepth = 0;
// The boundaries of the messages being written, outermost first: no line of
// any part may start with "--" and one of them, or it would end the part.
thread_local std::vector<std::string> t_boundaries;
// Hex digits of the message's own hash in its boundary: a part cannot hold
// the boundary derived from itself, and the output stays reproducible.
constexpr int kBoundaryTokenDigits = 16;

// SHA-256 of a message's parts. OpenSSL's runs on the processor's SHA
// instructions where there are any, several times faster than Qt's; Qt's
// serves when OpenSSL offers none. Both give the same digest.
class MessageDigest
{
public:
    MessageDigest()
    {
        static EVP_MD* const sha256 = [] {
            // The export threads keep OpenSSL state of their own, freed as
            // each thread ends, which may be while the program exits. Were
            // OpenSSL to tear its shared state down at exit, such a thread
            // would free through it as it goes: a crash, or a damaged heap.
            OPENSSL_init_crypto(OPENSSL_INIT_NO_ATEXIT, nullptr);
            return EVP_MD_fetch(nullptr, "SHA256", nullptr);
        }();
        if (sha256 && (m_context = EVP_MD_CTX_new()) && !EVP_DigestInit_ex(m_context, sha256, nullptr)) {
            EVP_MD_CTX_free(m_context);
            m_context = nullptr;
        }
        if (!m_context)
            m_fallback = std::make_unique<QCryptographicHash>(QCryptographicHash::Sha256);
    }
    ~MessageDigest() { EVP_MD_CTX_free(m_context); }
    MessageDigest(MessageDigest const&) = delete;
    MessageDigest& operator=(MessageDigest const&) = delete;

    void add(char const* data, size_t size)
    {
        if (m_context)
            EVP_DigestUpdate(m_context, data, size);
        else
            m_fallback->addData(QByteArrayView(data, qsizetype(size)));
    }

    // The digest's first `digits` hex digits, in lower case.
    std::string hex(int digits)
    {
        QByteArray digest;
        if (m_context) {
            unsigned char bytes[EVP_MAX_MD_SIZE];
            unsigned int size = 0;
            EVP_DigestFinal_ex(m_context, bytes, &size);
            digest = QByteArray(reinterpret_cast<char const*>(bytes), int(size));
        } else {
            digest = m_fallback->result();
        }
        return digest.toHex().left(digits).toStdString();
    }

private:
    EVP_MD_CTX* m_context = nullptr;
    std::unique_ptr<QCryptographicHash> m_fallback;
};

void hash_string(MessageDigest& hash, pst_string const& value)
{
    if (value.str)
        hash.add(value.str, strlen(value.str));
    hash.add("\0", 1);
}

std::string boundary_token(pst_item* item)
{
    MessageDigest hash;
    hash_string(hash, item->subject);
    hash_string(hash, item->body);
    hash_string(hash, item->email->htmlbody);
    hash_string(hash, item->email->report_text);
    hash_string(hash, item->email->header);
    for (pst_item_attach* attach = item->attach; attach; attach = attach->next) {
        hash_string(hash, attach->filename1);
        hash_string(hash, attach->filename2);
        hash_string(hash, attach->mimetype);
        if (attach->data.data)
            hash.add(attach->data.data, attach->data.size);
        std::string const id = std::to_string(static_cast<unsigned long long>(attach->i_id));
        hash.add(id.data(), id.size());
    }
    return hash.hex(kBoundaryTokenDigits);
}

bool holds_boundary_line(char const* text, size_t length)
{
    std::string_view const all(text, length);
    for (std::string const& boundary : t_boundaries) {
        std::string const delimiter = "\n--" + boundary;
        std::string_view const atStart = std::string_view(delimiter).substr(1);
        // memmem skips ahead by up to the delimiter's length where a search
        // for its first byte would stop at every line.
        if (all.substr(0, atStart.size()) == atStart || memmem(text, length, delimiter.data(), delimiter.size()))
            return true;
    }
    return false;
}

// Writes a header block, turning any line that would read as a delimiter of
// an enclosing message into a continuation line.
void write_header_block(FILE* out, char const* headers)
{
    char const* line = headers;
    while (*line) {
        char const* newline = strchr(line, '\n');
        size_t const length = newline ? size_t(newline - line + 1) : strlen(line);
        if (holds_boundary_line(line, length))
            fputc(' ', out);
        fwrite(line, 1, length, out);
        line += length;
    }
}

// Keeps a message's boundary in t_boundaries while its parts are written.
struct ActiveBoundary
{
    explicit ActiveBoundary(char const* boundary) { t_boundaries.emplace_back(boundary); }
    ~ActiveBoundary() { t_boundaries.pop_back(); }
    ActiveBoundary(ActiveBoundary const&) = delete;
    ActiveBoundary& operator=(ActiveBoundary const&) = delete;
};

char const kNoSentDateText[] = "Thu Jan 1 00:00:00 1970";

void copy_bounded(char* out, size_t size, char const* text, size_t length)
{
    if (length > size - 1)
        length = size - 1;
    memmove(out, text, length);
    out[length] = '\0';
}

void copy_bounded(char* out, size_t size, char const* text)
{
    copy_bounded(out, size, text, strlen(text));
}

void remove_carriage_returns(char* text)
{
    if (!text)
        return;
    char* out = strchr(text, '\r');
    if (!out)
        return;
    // Moves the runs between carriage returns, each in one go.
    char const* run = out + 1;
    char const* const end = run + strlen(run);
    while (run < end) {
        char const* stop = static_cast<char const*>(memchr(run, '\r', size_t(end - run)));
        if (!stop)
            stop = end;
        memmove(out, run, size_t(stop - run));
        out += stop - run;
        run = stop + 1;
    }
    *out = '\0';
}

bool has_data(pst_binary const& binary) { return binary.data && binary.size > 0; }

// The compressed RTF header: compressed size, raw size, magic and CRC, four
// little-endian 32-bit words.
constexpr size_t kRtfHeaderSize = 16;
// One control byte and eight two-byte references give at most 8 * 17 bytes,
// so no valid stream grows more than about 8.5-fold.
constexpr uint64_t kMaxRtfExpansion = 9;

// libpst allocates the raw size the header states before it decompresses and
// ends the program when that fails, and it reads a whole header even from a
// shorter blob. Both come from the file, so they are checked here.
bool rtf_header_is_plausible(pst_binary const& rtf)
{
    if (rtf.size < kRtfHeaderSize || rtf.size > UINT32_MAX)
        return false;
    unsigned char const* header = reinterpret_cast<unsigned char const*>(rtf.data);
    uint64_t const rawSize = uint64_t(header[4]) | uint64_t(header[5]) << 8 | uint64_t(header[6]) << 16 |
                             uint64_t(header[7]) << 24;
    return rawSize <= uint64_t(rtf.size) * kMaxRtfExpansion;
}

// The date of the mailbox separator line, in the C library's ctime form.
void format_separator_date(FILETIME const* sent, char* out, size_t size)
{
    copy_bounded(out, size, kNoSentDateText);
    if (!sent)
        return;
    time_t const when = pst_fileTimeToUnixTime(sent);
    char text[64];
    if (!ctime_r(&when, text))
        return;
    text[strcspn(text, "\n")] = '\0';
    copy_bounded(out, size, text);
}

// An RFC 5322 date in UTC. The day and month names are spelled out here
// because strftime would follow the user's locale.
bool format_rfc822_date(FILETIME const* sent, char* out, size_t size)
{
    static char const* const kDays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    static char const* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    time_t const when = pst_fileTimeToUnixTime(sent);
    struct tm utc;
    if (!gmtime_r(&when, &utc) || utc.tm_wday < 0 || utc.tm_wday > 6 || utc.tm_mon < 0 || utc.tm_mon > 11)
        return false;
    snprintf(out, size, "%s, %02d %s %04d %02d:%02d:%02d +0000", kDays[utc.tm_wday], utc.tm_mday,
             kMonths[utc.tm_mon], utc.tm_year + 1900, utc.tm_hour, utc.tm_min, utc.tm_sec);
    return true;
}

bool is_valid_utf8(char const* text)
{
    unsigned char const* p = reinterpret_cast<unsigned char const*>(text);
    while (*p) {
        int extra;
        if (*p < 0x80)
            extra = 0;
        else if (*p >= 0xc2 && *p <= 0xdf)
            extra = 1;
        else if (*p >= 0xe0 && *p <= 0xef)
            extra = 2;
        else if (*p >= 0xf0 && *p <= 0xf4)
            extra = 3;
        else
            return false;
        ++p;
        for (int i = 0; i < extra; ++i, ++p) {
            if ((*p & 0xc0) != 0x80)
                return false;
        }
    }
    return true;
}

bool is_printable_ascii(char const* text)
{
    for (unsigned char const* p = reinterpret_cast<unsigned char const*>(text); *p; ++p) {
        if (*p < 32 || *p > 126)
            return false;
    }
    return true;
}

// A header value made safe by libpst's RFC 2047 encoder. The item's own
// string stays as it is: the meeting request's calendar needs it unencoded.
std::string rfc2047_copy(pst_item* item, char const* text, int quote)
{
    pst_string copy;
    copy.is_utf8 = 1;
    copy.str = copy_string(text);
    pst_rfc2047(item, &copy, quote);
    std::string result = copy.str ? copy.str : "";
    free(copy.str);
    return result;
}

// The sender's name as the display name of a From field. Plain names with
// special characters are quoted with their quotes escaped; other names go
// through the RFC 2047 encoder.
std::string display_name_phrase(pst_item* item, char const* name)
{
    if (!is_printable_ascii(name))
        return rfc2047_copy(item, name, 1);
    if (!strpbrk(name, " ()<>[]:;@\\,.\""))
        return name;
    char* quoted = quote_string(name);
    std::string result = std::string("\"") + quoted + "\"";
    free(quoted);
    return result;
}

// Writes the text as it is: a message file holds its body unchanged. "From "
// lines are quoted only where messages are joined into a mailbox, by the
// mailbox writer, whose readers undo it.
void write_email_body_bytes(FILE* out, char const* text, size_t length)
{
    fwrite(text, 1, length, out);
}

pst_item_attach* new_attachment(pst_item* item)
{
    pst_item_attach* attach = static_cast<pst_item_attach*>(calloc(1, sizeof(pst_item_attach)));
    if (!attach)
        abort();
    attach->next = item->attach;
    item->attach = attach;
    return attach;
}

void set_utf8(pst_string& target, char const* text)
{
    free(target.str);
    target.str = copy_string(text);
    target.is_utf8 = 1;
}

// Prepends the decompressed RTF body and the encrypted bodies as attachments.
void add_synthetic_attachments(pst_item* item, int saveRtf)
{
    pst_item_email* email = item->email;
    if (saveRtf && has_data(email->rtf_compressed)) {
        size_t size = 0;
        // A blob that cannot be decompressed safely gives an empty RTF body,
        // as one that libpst cannot read does.
        char* rtf = rtf_header_is_plausible(email->rtf_compressed)
            ? pst_lzfu_decompress(email->rtf_compressed.data, static_cast<uint32_t>(email->rtf_compressed.size),
                                  &size)
            : static_cast<char*>(calloc(1, 1));
        if (rtf) {
            pst_item_attach* attach = new_attachment(item);
            attach->data.data = rtf;
            attach->data.size = size;
            set_utf8(attach->filename2, "rtf-body.rtf");
            set_utf8(attach->mimetype, "application/rtf");
        }
    }
    for (pst_binary* encrypted : {&email->encrypted_body, &email->encrypted_htmlbody}) {
        if (!has_data(*encrypted))
            continue;
        pst_item_attach* attach = new_attachment(item);
        attach->data = *encrypted;
        encrypted->data = nullptr;
        encrypted->size = 0;
    }
}

struct HeaderFacts {
    int hasFrom = 0;
    int hasTo = 0;
    int hasSubject = 0;
    int hasDate = 0;
    int hasCc = 0;
    int hasMessageId = 0;
};

// Takes the sender from the angle brackets on the first line of the From field.
void sender_from_field(char* headers, char* sender, size_t size)
{
    char* field = header_get_field(headers, "\nFrom:");
    if (!field)
        return;
    char* lineStart = field[0] == '\n' ? field + 1 : field;
    char* lineEnd = strchr(lineStart, '\n');
    if (!lineEnd)
        lineEnd = lineStart + strlen(lineStart);
    char* open = static_cast<char*>(memchr(lineStart, '<', lineEnd - lineStart));
    if (!open)
        return;
    char* close = static_cast<char*>(memchr(open, '>', lineEnd - open));
    if (!close)
        return;
    copy_bounded(sender, size, open + 1, close - open - 1);
}

// Cleans the stored transport headers and learns what they already say.
HeaderFacts prepare_headers(char* headers, char** extraMimeHeaders, char* bodyCharset, size_t charsetSize,
                            char* reportType, size_t reportTypeSize, bool senderFound, char* sender,
                            size_t senderSize)
{
    HeaderFacts facts;
    remove_carriage_returns(headers);
    if (char* blankLine = strstr(headers, "\n\n")) {
        blankLine[1] = '\0';
        // Behind the transport headers come the MIME part headers of the body.
        if (extraMimeHeaders && !*extraMimeHeaders)
            *extraMimeHeaders = blankLine + 2;
    }
    header_has_field(headers, "\nFrom:", &facts.hasFrom);
    header_has_field(headers, "\nTo:", &facts.hasTo);
    header_has_field(headers, "\nSubject:", &facts.hasSubject);
    header_has_field(headers, "\nDate:", &facts.hasDate);
    header_has_field(headers, "\nCC:", &facts.hasCc);
    header_has_field(headers, "\nMessage-Id:", &facts.hasMessageId);

    if (char* contentType = header_get_field(headers, "\nContent-Type:")) {
        header_get_subfield(contentType, "charset", bodyCharset, charsetSize);
        header_get_subfield(contentType, "report-type", reportType, reportTypeSize);
    }
    if (!senderFound)
        sender_from_field(headers, sender, senderSize);

    for (char const* field : {"\nMicrosoft Mail Internet Headers", "\nMIME-Version:", "\nContent-Type:",
                              "\nContent-Transfer-Encoding:", "\nContent-class:", "\nX-MimeOLE:", "\nX-From_:"})
        header_strip_field(headers, field);
    return facts;
}

void write_address_headers(FILE* out, pst_item* item, HeaderFacts const& facts, char const* sender)
{
    pst_item_email* email = item->email;
    if (!facts.hasFrom) {
        MimeCharset::convert(item, &email->outlook_sender_name, true);
        if (email->outlook_sender_name.str)
            fprintf(out, "From: %s <", display_name_phrase(item, email->outlook_sender_name.str).c_str());
        else
            fprintf(out, "From: <");
        write_single_line(out, sender);
        fprintf(out, ">\n");
    }
    if (!facts.hasSubject) {
        if (item->subject.str)
            fprintf(out, "Subject: %s\n", rfc2047_copy(item, item->subject.str, 0).c_str());
        else
            fprintf(out, "Subject: \n");
    }
    if (!facts.hasTo && email->sentto_address.str) {
        MimeCharset::convert(item, &email->sentto_address, true);
        fprintf(out, "To: %s\n", rfc2047_copy(item, email->sentto_address.str, 0).c_str());
    }
    if (!facts.hasCc && email->cc_address.str) {
        MimeCharset::convert(item, &email->cc_address, true);
        fprintf(out, "Cc: %s\n", rfc2047_copy(item, email->cc_address.str, 0).c_str());
    }
}

void write_trailing_headers(FILE* out, pst_item* item, HeaderFacts const& facts)
{
    pst_item_email* email = item->email;
    char dateText[500];
    if (!facts.hasDate && email->sent_date && format_rfc822_date(email->sent_date, dateText, sizeof(dateText)))
        fprintf(out, "Date: %s\n", dateText);
    if (!facts.hasMessageId && email->messageid.str) {
        MimeCharset::convert(item, &email->messageid, false);
        fprintf(out, "Message-Id: ");
        write_single_line(out, email->messageid.str);
        fputc('\n', out);
    }
    char const* senderAddress = email->sender_address.str;
    if (senderAddress && !strchr(senderAddress, '@') && strcmp(senderAddress, ".") != 0 && *senderAddress) {
        fprintf(out, "X-libpst-forensic-sender: ");
        write_single_line(out, senderAddress);
        fputc('\n', out);
    }
    if (email->bcc_address.str) {
        MimeCharset::convert(item, &email->bcc_address, false);
        fprintf(out, "X-libpst-forensic-bcc: ");
        write_single_line(out, email->bcc_address.str);
        fputc('\n', out);
    }
}

// The charset that labels the HTML part: the one its meta tag names, else
// UTF-8 when its bytes are UTF-8, else the mail's body charset.
void html_charset(pst_string const& html, char const* bodyCharset, char* out, size_t size)
{
    if (find_html_charset(html.str, out, size))
        return;
    if (html.is_utf8 || is_valid_utf8(html.str))
        copy_bounded(out, size, "utf-8");
    else
        copy_bounded(out, size, bodyCharset);
}

bool write_bodies(FILE* out, pst_item* item, pst_file* pst, char const* bodyCharset, char const* boundary,
                  char const* altBoundary)
{
    bool wrote = false;
    pst_item_email* email = item->email;
    if (item->type == PST_TYPE_REPORT && email->report_text.str) {
        wrote = write_body_part(out, &email->report_text, "text/plain", bodyCharset, boundary, pst);
        fputc('\n', out);
    }
    bool const alternative = item->body.str && email->htmlbody.str;
    char const* partBoundary = boundary;
    if (alternative) {
        fprintf(out, "\n--%s\n", boundary);
        fprintf(out, "Content-Type: multipart/alternative;\n\tboundary=\"%s\"\n", altBoundary);
        partBoundary = altBoundary;
        wrote = true;
    }
    if (item->body.str)
        wrote |= write_body_part(out, &item->body, "text/plain", bodyCharset, partBoundary, pst);
    if (email->htmlbody.str) {
        char htmlCharset[30];
        html_charset(email->htmlbody, bodyCharset, htmlCharset, sizeof(htmlCharset));
        wrote |= write_body_part(out, &email->htmlbody, "text/html", htmlCharset, partBoundary, pst);
    }
    if (alternative)
        fprintf(out, "\n--%s--\n", altBoundary);
    return wrote;
}

bool write_attachments(FILE* out, pst_item* item, pst_file* pst, int saveRtf, char const* boundary,
                       char** extraMimeHeaders)
{
    bool wrote = false;
    for (pst_item_attach* attach = item->attach; attach; attach = attach->next) {
        MimeCharset::convert(item, &attach->filename1, true);
        MimeCharset::convert(item, &attach->filename2, true);
        MimeCharset::convert(item, &attach->mimetype, true);
        if (attach->method == PST_ATTACH_EMBEDDED) {
            set_utf8(attach->mimetype, "message/rfc822");
            find_rfc822_headers(extraMimeHeaders);
            wrote |= write_embedded_message(out, attach, boundary, pst, saveRtf, extraMimeHeaders);
        } else if (attach->data.data || attach->i_id) {
            wrote |= write_inline_attachment(out, attach, boundary, pst);
        }
    }
    return wrote;
}

} // namespace

void write_email_body(FILE* out, char* text)
{
    if (text)
        write_email_body_bytes(out, text, strlen(text));
}

bool write_body_part(FILE* out, pst_string* body, char const* mimeType, char const* charset,
                     char const* boundary, pst_file* pst)
{
    (void)pst;
    if (!body || !body->str)
        return false;
    remove_carriage_returns(body->str);
    char const* text = body->str;
    size_t length = strlen(text);
    std::string label = MimeCharset::normalized(charset && *charset ? charset : "utf-8");

    // 8-bit text goes out under its label only when every byte decodes with
    // it; otherwise as UTF-8, read with the label's Windows superset.
    // ASCII text is the same in UTF-8 and in most charsets: it needs no
    // conversion where iconv keeps it so.
    bool const sameInLabel = MimeCharset::isAscii(text, length) && MimeCharset::keepsAscii(label);
    std::string asUtf8;
    if (!body->is_utf8 && !sameInLabel && !MimeCharset::toUtf8(text, length, label, &asUtf8)) {
        for (const std::string& decoder : {MimeCharset::decoderFor(label), std::string("windows-1252"),
                                           std::string("ISO-8859-1")}) {
            if (MimeCharset::toUtf8(text, length, decoder, &asUtf8))
                break;
        }
        text = asUtf8.c_str();
        length = asUtf8.size();
        label = "utf-8";
    }

    std::string converted;
    if (body->is_utf8 && !sameInLabel && strcasecmp(label.c_str(), "utf-8") != 0) {
        if (MimeCharset::fromUtf8(text, length, label, &converted)) {
            text = converted.c_str();
            length = converted.size();
        } else {
            label = "utf-8";
        }
    }

    fprintf(out, "\n--%s\n", boundary);
    fprintf(out, "Content-Type: %s; charset=\"", mimeType);
    write_single_line(out, label.c_str());
    fprintf(out, "\"\n");
    if (test_base64(text, length) || holds_boundary_line(text, length)) {
        fprintf(out, "Content-Transfer-Encoding: base64\n\n");
        Base64Writer encoder(out);
        encoder.write(text, length);
        encoder.finish();
        fputc('\n', out);
    } else {
        fputc('\n', out);
        write_email_body_bytes(out, text, length);
    }
    return true;
}

namespace {

// The longest line RFC 5322 allows, without its line end.
constexpr size_t kMaxLineLength = 998;

// A message/* part other than an attached mail (a delivery report's
// message/delivery-status, ...) is text RFC 2046 allows no base64 for: its
// lines, without carriage returns, and "7bit" or "8bit". Empty when the data
// is no such text (control bytes, overlong lines, a line that would end the
// multipart), which then goes as base64 after all.
std::string message_part_text(pst_item_attach* attach, pst_file* pst, char const** encoding)
{
    char const* type = attach->mimetype.str;
    if (!type || strncasecmp(type, "message/", 8) != 0 || strcasecmp(type, "message/rfc822") == 0)
        return std::string();
    pst_binary loaded{};
    if (!attach->data.data && pst)
        loaded = pst_attach_to_mem(pst, attach);
    char const* data = attach->data.data ? attach->data.data : loaded.data;
    size_t const size = attach->data.data ? attach->data.size : loaded.size;
    std::string text;
    for (size_t i = 0; data && i < size; ++i) {
        if (data[i] != '\r')
            text += data[i];
    }
    free(loaded.data);
    bool eightBit = false;
    size_t lineLength = 0;
    for (char const c : text) {
        eightBit = eightBit || static_cast<unsigned char>(c) >= 0x80;
        lineLength = c == '\n' ? 0 : lineLength + 1;
        if (lineLength > kMaxLineLength)
            return std::string();
    }
    if (text.empty() || test_base64(text.data(), text.size()) || holds_boundary_line(text.data(), text.size()))
        return std::string();
    *encoding = eightBit ? "8bit" : "7bit";
    return text;
}

} // namespace

size_t write_attachment_base64(FILE* out, pst_item_attach* attach, pst_file* pst)
{
    if (!attach)
        return 0;
    Base64Writer encoder(out);
    if (attach->data.data) {
        encoder.write(attach->data.data, attach->data.size);
    } else {
        // libpst reads the data block by block and the encoder takes each
        // as it comes: a large attachment is never held whole.
        FILE* stream = Base64Writer::openStream(&encoder);
        if (!stream)
            return pst_attach_to_file_base64(pst, attach, out);
        pst_attach_to_file(pst, attach, stream);
        fclose(stream);
    }
    encoder.finish();
    return encoder.bytesIn();
}

bool write_inline_attachment(FILE* out, pst_item_attach* attach, char const* boundary, pst_file* pst)
{
    if (!attach)
        return false;
    if (!attach->data.data && (!pst || !pst_getID(pst, attach->i_id)))
        return false;

    char const* textEncoding = nullptr;
    std::string const text = message_part_text(attach, pst, &textEncoding);
    fprintf(out, "\n--%s\n", boundary);
    fprintf(out, "Content-Type: ");
    write_single_line(out, attach->mimetype.str ? attach->mimetype.str : "application/octet-stream");
    fprintf(out, "\nContent-Transfer-Encoding: %s\n", textEncoding ? textEncoding : "base64");
    if (attach->content_id.str) {
        fprintf(out, "Content-ID: <");
        write_single_line(out, attach->content_id.str);
        fprintf(out, ">\n");
    }
    if (attach->filename2.str) {
        char* encoded = rfc2231_string(attach->filename2.str);
        char* quoted = quote_string(attach->filename2.str);
        fprintf(out, "Content-Disposition: attachment; \n        filename*=%s;\n", encoded);
        fprintf(out, "        filename=\"");
        write_single_line(out, quoted);
        fprintf(out, "\"\n\n");
        free(encoded);
        free(quoted);
    } else if (attach->filename1.str) {
        // Short names are quoted too: a quote in a damaged name would end the value.
        char* quoted = quote_string(attach->filename1.str);
        fprintf(out, "Content-Disposition: attachment; filename=\"");
        write_single_line(out, quoted);
        fprintf(out, "\"\n\n");
        free(quoted);
    } else {
        fprintf(out, "Content-Disposition: inline\n\n");
    }
    if (textEncoding) {
        write_email_body_bytes(out, text.data(), text.size());
        if (text.back() != '\n')
            fputc('\n', out);
        fputc('\n', out);
        return true;
    }
    write_attachment_base64(out, attach, pst);
    fprintf(out, "\n\n");
    return true;
}

bool write_embedded_message(FILE* out, pst_item_attach* attach, char const* boundary, pst_file* pst,
                            int saveRtf, char** extraMimeHeaders)
{
    if (!attach || !pst || t_embeddingDepth >= kMaxEmbeddingDepth)
        return false;
    pst_index_ll* index = pst_getID(pst, attach->i_id);
    if (!index)
        return false;
    pst_desc_tree descriptor;
    memset(&descriptor, 0, sizeof(descriptor));
    descriptor.desc = index;
    pst_item* message = pst_parse_item(pst, &descriptor, attach->id2_head);
    if (!message)
        return false;
    if (!message->email) {
        pst_freeItem(message);
        return false;
    }

    fprintf(out, "\n--%s\n", boundary);
    fprintf(out, "Content-Type: ");
    write_single_line(out, attach->mimetype.str ? attach->mimetype.str : "message/rfc822");
    fprintf(out, "\n\n");

    char* const extraBefore = extraMimeHeaders ? *extraMimeHeaders : nullptr;
    ++t_embeddingDepth;
    write_normal_email(out, "", message, 0, 0, pst, saveRtf, 1, extraMimeHeaders);
    --t_embeddingDepth;
    // When the attached mail set the pointer, it points into that mail's own
    // header text, which is freed now.
    if (extraMimeHeaders && !extraBefore)
        *extraMimeHeaders = nullptr;
    pst_freeItem(message);
    return true;
}

bool write_schedule_part(FILE* out, pst_item* item, char const* sender, char const* boundary)
{
    if (!item || !item->appointment)
        return false;
    fprintf(out, "\n--%s\n", boundary);
    fprintf(out, "Content-Type: %s; method=\"%s\"; charset=\"%s\"\n\n", "text/calendar", "REQUEST", "utf-8");
    write_schedule_part_data(out, item, sender, "REQUEST");
    fputc('\n', out);

    char name[64];
    snprintf(name, sizeof(name), "i%llu.ics", static_cast<unsigned long long>(item->block_id));
    fprintf(out, "\n--%s\n", boundary);
    fprintf(out, "Content-Type: %s; charset=\"%s\"; name=\"%s\"\n", "text/calendar", "utf-8", name);
    fprintf(out, "Content-Disposition: attachment; filename=\"%s\"\n\n", name);
    write_schedule_part_data(out, item, sender, "REQUEST");
    fputc('\n', out);
    return true;
}

void write_normal_email(FILE* out, char const* fileName, pst_item* item, int mode, int modeMH, pst_file* pst,
                        int saveRtf, int embedding, char** extraMimeHeaders)
{
    (void)fileName;
    (void)mode;
    (void)modeMH;
    if (!out || !item || !item->email)
        return;
    pst_item_email* email = item->email;

    MimeCharset::convert(item, &email->header, false);
    char* headers = nullptr;
    if (valid_headers(email->header.str))
        headers = email->header.str;
    else if (extraMimeHeaders && valid_headers(*extraMimeHeaders))
        headers = *extraMimeHeaders;

    char bodyCharset[30];
    copy_bounded(bodyCharset, sizeof(bodyCharset), MimeCharset::labelFor(item).c_str());
    char reportType[60] = "delivery-status";

    // Room for the longest address SMTP allows, so no address is cut.
    char sender[256] = "MAILER-DAEMON";
    MimeCharset::convert(item, &email->sender_address, true);
    bool const senderFound = email->sender_address.str && strchr(email->sender_address.str, '@');
    if (senderFound)
        copy_bounded(sender, sizeof(sender), email->sender_address.str);

    char dateText[500];
    format_separator_date(email->sent_date, dateText, sizeof(dateText));

    char boundary[80];
    snprintf(boundary, sizeof(boundary), "--boundary-LibPST-iamunique-%llu_-_-%s",
             static_cast<unsigned long long>(item->block_id), boundary_token(item).c_str());
    char altBoundary[86];
    snprintf(altBoundary, sizeof(altBoundary), "alt-%s", boundary);

    HeaderFacts facts;
    if (headers)
        facts = prepare_headers(headers, extraMimeHeaders, bodyCharset, sizeof(bodyCharset), reportType,
                                sizeof(reportType), senderFound, sender, sizeof(sender));

    if (item->subject.str)
        MimeCharset::convert(item, &item->subject, false);

    // The mailbox separator line opens a top-level message only: inside a
    // message/rfc822 part any line that is not a header field would end the
    // attached mail's header block before it starts.
    if (!embedding) {
        // The sender address comes from the file: a line break in it must not
        // end the line early.
        fprintf(out, "From \"");
        write_single_line(out, sender);
        fprintf(out, "\" %s\n", dateText);
    }
    if (headers && *headers) {
        write_header_block(out, headers);
        if (headers[strlen(headers) - 1] != '\n')
            fputc('\n', out);
    }
    if (item->flags & PST_FLAG_READ)
        fprintf(out, "Status: RO\n");
    write_address_headers(out, item, facts, sender);
    write_trailing_headers(out, item, facts);
    // A signed or encrypted mail is its original message, or the signature breaks.
    if (write_smime_entity(out, item, pst))
        return;
    fprintf(out, "MIME-Version: 1.0\n");
    if (item->type == PST_TYPE_REPORT)
        fprintf(out, "Content-Type: multipart/report; report-type=%s;\n\tboundary=\"%s\"\n", reportType, boundary);
    else
        fprintf(out, "Content-Type: multipart/mixed;\n\tboundary=\"%s\"\n", boundary);
    fputc('\n', out);

    ActiveBoundary const active(boundary);
    ActiveBoundary const activeAlternative(altBoundary);
    bool wroteAPart = write_bodies(out, item, pst, bodyCharset, boundary, altBoundary);
    add_synthetic_attachments(item, saveRtf);
    if (item->type == PST_TYPE_SCHEDULE)
        wroteAPart |= write_schedule_part(out, item, sender, boundary);
    wroteAPart |= write_attachments(out, item, pst, saveRtf, boundary, extraMimeHeaders);
    // A multipart needs at least one part; a mail without body or attachment
    // gets an empty text part.
    if (!wroteAPart)
        fprintf(out, "\n--%s\nContent-Type: text/plain; charset=\"utf-8\"\n\n", boundary);
    fprintf(out, "\n--%s--\n\n", boundary);
}
