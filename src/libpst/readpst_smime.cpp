// SPDX-License-Identifier: GPL-2.0-or-later
// S/MIME mails as their original messages: Outlook keeps a signed or
// encrypted mail's message in its only attachment, smime.p7m; written back
// byte for byte after the mail's headers, its signature still verifies.

#include "readpst.h"
#include "readpst_internal.h"

#include <cstdlib>
#include <cstring>
#include <string_view>
#include <strings.h>

namespace {

char const kSmimeClass[] = "IPM.Note.SMIME";
char const kWrapperName[] = "smime.p7m";
constexpr size_t kBase64LineBytes = 57; // 76 characters a line

char const* attachment_name(pst_item_attach* attach)
{
    return attach->filename2.str ? attach->filename2.str : attach->filename1.str;
}

// The smime.p7m of an S/MIME mail: its only named attachment, on a mail of
// an S/MIME class or one without bodies.
pst_item_attach* smime_wrapper(pst_item* item)
{
    pst_item_attach* wrapper = nullptr;
    for (pst_item_attach* attach = item->attach; attach; attach = attach->next) {
        char const* name = attachment_name(attach);
        if (!name && attach->method != PST_ATTACH_EMBEDDED)
            continue;
        if (wrapper || attach->method == PST_ATTACH_EMBEDDED || strcasecmp(name, kWrapperName) != 0)
            return nullptr;
        wrapper = attach;
    }
    if (!wrapper)
        return nullptr;
    bool const smimeClass = item->ascii_type && strncasecmp(item->ascii_type, kSmimeClass, sizeof(kSmimeClass) - 1) == 0;
    bool const noBody = !item->body.str && !item->email->htmlbody.str;
    return smimeClass || noBody ? wrapper : nullptr;
}

bool looks_like_der(char const* data, size_t size)
{
    return size >= 2 && static_cast<unsigned char>(data[0]) == 0x30 && static_cast<unsigned char>(data[1]) >= 0x80;
}

// The smime-type parameter: the first content type OID near the start.
char const* smime_type(char const* data, size_t size)
{
    static unsigned char const kPkcs7[] = {0x06, 0x09, 0x2a, 0x86, 0x48, 0x86, 0xf7, 0x0d, 0x01, 0x07};
    static unsigned char const kAuthEnveloped[] = {0x06, 0x0b, 0x2a, 0x86, 0x48, 0x86, 0xf7,
                                                   0x0d, 0x01, 0x09, 0x10, 0x01, 0x17};
    size_t const window = size < 64 ? size : 64;
    for (size_t i = 0; i + sizeof(kAuthEnveloped) <= window; ++i) {
        if (memcmp(data + i, kAuthEnveloped, sizeof(kAuthEnveloped)) == 0)
            return "authEnveloped-data";
    }
    for (size_t i = 0; i + sizeof(kPkcs7) < window; ++i) {
        if (memcmp(data + i, kPkcs7, sizeof(kPkcs7)) == 0)
            return data[i + sizeof(kPkcs7)] == 0x03 ? "enveloped-data" : "signed-data";
    }
    return "signed-data";
}

// A MIME entity starts with a header field, Content-Type among them.
bool looks_like_mime_entity(char const* data, size_t size)
{
    size_t const window = size < 8192 ? size : 8192;
    std::string_view const head(data, window);
    size_t const end = head.find("\n\n") != std::string_view::npos ? head.find("\n\n") : head.find("\r\n\r\n");
    std::string_view const headers = head.substr(0, end);
    for (size_t at = 0; at < headers.size();) {
        if (strncasecmp(headers.data() + at, "Content-Type:", 13) == 0)
            return true;
        size_t const next = headers.find('\n', at);
        if (next == std::string_view::npos)
            break;
        at = next + 1;
    }
    return false;
}

void write_base64_lines(FILE* out, char const* data, size_t size)
{
    for (size_t at = 0; at < size; at += kBase64LineBytes) {
        size_t const length = size - at < kBase64LineBytes ? size - at : kBase64LineBytes;
        char* encoded = pst_base64_encode_single(const_cast<char*>(data + at), length);
        fputs(encoded, out);
        fputc('\n', out);
        free(encoded);
    }
}

} // namespace

bool is_smime_email(pst_item* item)
{
    return item && item->email && smime_wrapper(item);
}

bool write_smime_entity(FILE* out, pst_item* item, pst_file* pst)
{
    if (!is_smime_email(item))
        return false;
    pst_item_attach* wrapper = smime_wrapper(item);
    char* owned = nullptr;
    char const* data = wrapper->data.data;
    size_t size = wrapper->data.size;
    if (!data) {
        if (pst) {
            pst_binary const stored = pst_attach_to_mem(pst, wrapper);
            owned = stored.data;
            size = stored.size;
        }
        data = owned;
    }
    bool wrote = false;
    if (data && looks_like_der(data, size)) {
        fprintf(out, "MIME-Version: 1.0\n");
        fprintf(out, "Content-Type: application/pkcs7-mime; smime-type=%s; name=\"smime.p7m\"\n", smime_type(data, size));
        fprintf(out, "Content-Transfer-Encoding: base64\n");
        fprintf(out, "Content-Disposition: attachment; filename=\"smime.p7m\"\n\n");
        write_base64_lines(out, data, size);
        wrote = true;
    } else if (data && looks_like_mime_entity(data, size)) {
        if (strncasecmp(data, "MIME-Version:", 13) != 0)
            fprintf(out, "MIME-Version: 1.0\n");
        // Byte for byte: the signature covers these bytes.
        fwrite(data, 1, size, out);
        if (size && data[size - 1] != '\n')
            fputc('\n', out);
        wrote = true;
    }
    free(owned);
    return wrote;
}
