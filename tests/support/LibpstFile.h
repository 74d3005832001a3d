// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// libpst from the tests' side: items built in memory for the MIME, vCard and
// iCalendar writers, PST files (real or from the PST writer) opened through
// libpst's C API, a writer's output captured as bytes, and the independent
// Python parsers (tests/libpst/check_output.py) run over written text.

#include <QByteArray>
#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

#include <libpst/libpst.h>

namespace LibpstFixture {

// An item allocated the way pst_freeItem expects; freed by the deleter.
struct ItemDeleter {
    void operator()(pst_item* item) const { pst_freeItem(item); }
};
using ItemPtr = std::unique_ptr<pst_item, ItemDeleter>;

ItemPtr newItem();
void* allocateZeroed(size_t size);
// The item's record of that kind (item->email, ->contact, ...), made when missing.
template <typename T>
T* record(T*& slot)
{
    if (!slot)
        slot = static_cast<T*>(allocateZeroed(sizeof(T)));
    return slot;
}
// Appends an attachment record (by value, holding data) at the end of the list.
pst_item_attach* addAttachment(pst_item* item, const QByteArray& data);
void addExtraField(pst_item* item, const char* name, const char* value);
// Replaces the string with a malloc'd UTF-8 copy.
void setText(pst_string& target, const QByteArray& text);
// Replaces the binary with a malloc'd copy.
void setBinary(pst_binary& target, const QByteArray& data);
// A malloc'd FILETIME for the given seconds since 1970 (UTC).
FILETIME* newFileTime(qint64 unixSeconds);

// Everything the callback writes to a FILE*, as bytes.
QByteArray capture(const std::function<void(FILE*)>& write);

// Runs tests/libpst/check_output.py (kind eml, ics or vcf) over the text and
// returns its JSON. A parser failure comes back as {"error": ...}. With
// LUMAROO_KEEP_OUTPUT set, the written files stay in the temporary folder.
QJsonObject runChecker(const QString& kind, const QByteArray& text);
// The same for many texts in one run of the parsers, one object per text.
QJsonArray runChecker(const QString& kind, const QList<QByteArray>& texts);

// A PST file opened through libpst. Items are parsed fresh on request.
class LibpstFile
{
public:
    struct Message {
        QString folderPath; // "Inbox/Archive", below the top of the personal folders
        ItemPtr item;
    };

    explicit LibpstFile(const QString& path);
    ~LibpstFile();
    LibpstFile(const LibpstFile&) = delete;
    LibpstFile& operator=(const LibpstFile&) = delete;

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
    // Folders below the top of the personal folders ("A/B"), and their
    // messages, in file order.
    QStringList folderPaths();
    std::vector<Message> messages();

    static QByteArray bytes(const pst_string& s) { return s.str ? QByteArray(s.str) : QByteArray(); }
    static QString text(const pst_string& s) { return QString::fromUtf8(bytes(s)); }
    // Seconds since 1970 of a FILETIME, or -1 when unset.
    static qint64 seconds(const FILETIME* t);

private:
    void walk(pst_desc_tree* node, const QString& path, QStringList* folders, std::vector<Message>* messages);

    pst_file m_file{};
    bool m_open = false;
};

} // namespace LibpstFixture
