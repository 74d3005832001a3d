// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

struct x509_st;
struct X509_name_st;
struct asn1_string_st;

// Text from certificates, made safe to show: a certificate is written by
// whoever sent the mail, so its names may hold control characters, bidi
// overrides or megabytes of text. Every function returns at most
// kMaxLength characters with such characters replaced.
class CertificateText
{
public:
    static constexpr int kMaxLength = 256;

    // The subject's common name, else its whole name; "" for null.
    static QString commonName(x509_st* certificate);
    // The first e-mail address of the subject name or its alternative names.
    static QString emailAddress(x509_st* certificate);
    // A whole name, RFC 2253 style ("CN=...,O=...").
    static QString name(X509_name_st* name);
    // An integer (a serial number) in hex.
    static QString serial(const asn1_string_st* number);
    // Hex of an octet string (a subject key id).
    static QString hex(const asn1_string_st* octets);
    // Replaces control and format characters, cuts to kMaxLength.
    static QString clean(const QString& text);
};
