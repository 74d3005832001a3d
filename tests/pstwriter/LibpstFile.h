// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

extern "C" {
#include <libpst/libpst.h>
}

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

// A PST file read through libpst, the first independent reader of the
// writer's files: every folder and message parsed with pst_parse_item.
class LibpstFile
{
public:
    struct Message {
        QString folderPath; // "Inbox/Archive"
        pst_item* item = nullptr;
    };

    explicit LibpstFile(const QString& path);
    ~LibpstFile();
    LibpstFile(const LibpstFile&) = delete;
    LibpstFile& operator=(const LibpstFile&) = delete;

    bool isOpen() const { return m_open; }
    pst_file* file() { return &m_file; }
    // Every folder below the top of the personal folders, as "A/B" paths, in file order.
    const QStringList& folderPaths() const { return m_folders; }
    const std::vector<Message>& messages() const { return m_messages; }
    // The message of a folder with this subject (after libpst's marker handling), or nullptr.
    pst_item* find(const QString& folderPath, const QString& subject) const;
    // Calls visit for every message without keeping them (for very large files).
    static bool walk(const QString& path, const std::function<void(const QString&, pst_item*)>& visit);

    // The bytes of a libpst string as stored (UTF-8 or the item's code page).
    static QByteArray bytes(const pst_string& s) { return s.str ? QByteArray(s.str) : QByteArray(); }
    static QString text(const pst_string& s) { return QString::fromUtf8(bytes(s)); }
    // Seconds since 1970 of a libpst FILETIME, or -1 when unset.
    static qint64 seconds(const FILETIME* t);

private:
    LibpstFile() = default;
    void collect(pst_desc_tree* node, const QString& path, bool keep,
                 const std::function<void(const QString&, pst_item*)>& visit);

    pst_file m_file{};
    bool m_open = false;
    QStringList m_folders;
    std::vector<Message> m_messages;
};
