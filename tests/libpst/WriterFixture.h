// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// Helpers shared by the writer tests: libpst records built in memory, real PST
// files opened through libpst's C API, the writers' output captured as bytes,
// and the independent Python parsers run over written files.

#include <QByteArray>
#include <QJsonObject>
#include <QString>

#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

#include <libpst/libpst.h>

namespace WriterFixture {

// An item allocated the way pst_freeItem expects; freed by the deleter.
struct ItemDeleter {
    void operator()(pst_item* item) const { pst_freeItem(item); }
};
using ItemPtr = std::unique_ptr<pst_item, ItemDeleter>;

ItemPtr newItem();
// Adds an email record (and, for contacts/appointments/journals, that record).
pst_item_email* addEmail(pst_item* item);
pst_item_contact* addContact(pst_item* item);
pst_item_appointment* addAppointment(pst_item* item);
pst_item_journal* addJournal(pst_item* item);
// Appends an attachment record at the end of the list.
pst_item_attach* addAttachment(pst_item* item, const QByteArray& data);
void addExtraField(pst_item* item, const char* name, const char* value);
// Replaces the string with a malloc'd UTF-8 copy.
void setText(pst_string& target, const QByteArray& text);
// A malloc'd FILETIME for the given seconds since 1970 (UTC).
FILETIME* newFileTime(qint64 unixSeconds);

// Everything the callback writes to a FILE*, as bytes.
QByteArray capture(const std::function<void(FILE*)>& write);
// Writes the callback's output into path; false when the file cannot be made.
bool writeFile(const QString& path, const std::function<void(FILE*)>& write);

// Runs tests/libpst/check_output.py (kind eml, ics or vcf) on the file and
// returns its JSON. A parser failure comes back as {"error": ...}.
QJsonObject runChecker(const QString& kind, const QString& path);

// A real PST file opened through libpst. Items are parsed fresh on request.
class PstFile
{
public:
    explicit PstFile(const QString& path);
    ~PstFile();
    PstFile(const PstFile&) = delete;
    PstFile& operator=(const PstFile&) = delete;

    bool isOpen() const { return m_open; }
    pst_file* file() { return &m_file; }
    // Every descriptor of the file, depth first.
    std::vector<pst_desc_tree*> descriptors();
    // Parses every item and keeps those the predicate accepts (in file order).
    std::vector<ItemPtr> items(const std::function<bool(const pst_item*)>& accept);
    ItemPtr parse(pst_desc_tree* descriptor);
    // An attached mail parsed the way the MIME writer parses it.
    ItemPtr parseEmbedded(const pst_item_attach* attach);
    // The attachment's bytes as libpst assembles them.
    QByteArray attachmentBytes(pst_item_attach* attach);

private:
    pst_file m_file{};
    bool m_open = false;
};

} // namespace WriterFixture
