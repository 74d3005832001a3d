// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "InfoSection.h"
#include "ItemType.h"

#include <libpst/libpst.h>

#include <QList>
#include <QMap>
#include <QRecursiveMutex>
#include <QString>
#include <QVariant>

#include <memory>

// One node of an opened PST document: a folder or a message of some kind.
// Items are only ever owned through std::shared_ptr (make_shared); parents
// own children, parent links are weak. An item keeps decoded values and its
// libpst descriptor, never the parsed record.
class PstItem : public std::enable_shared_from_this<PstItem>
{
public:
    PstItem();
    virtual ~PstItem();

    virtual ItemType type() const = 0;
    virtual QString displayName() const;
    // The "subject" property, "" when absent (never inserts the key).
    virtual QString subject() const;
    // Qt resource path of the item's icon.
    virtual QString icon() const = 0;
    virtual QString duration() const;
    // A deep copy; the copy has no parent.
    virtual std::shared_ptr<PstItem> clone() const = 0;
    virtual QList<InfoSection> sections() const;

    void setDisplayName(QString name);
    void setNodeLevel(unsigned int level);
    unsigned int nodeLevel() const;
    void setFileId(unsigned long long id);
    unsigned long long fileId() const;
    void setPstPath(const QString& path);
    QString filePath() const;
    void setPstFile(const std::shared_ptr<pst_file>& file);
    void setPstTree(pst_desc_tree* node);
    pst_desc_tree* pstTree() const;
    void setParent(const std::shared_ptr<PstItem>& parent);
    std::shared_ptr<PstItem> parent() const;

    void addChildNode(const std::shared_ptr<PstItem>& child);
    void removeChildNode(int row);
    std::shared_ptr<PstItem> child(int row) const;
    int childCount() const;
    int row() const;

    // The document root above this item (level 0); empty when a parent on
    // the way up is gone.
    std::shared_ptr<PstItem> rootNode();
    // The document's open libpst file; empty when the root is unreachable.
    std::shared_ptr<pst_file> pstFile();
    // The lock every re-parse of this document's file must hold: libpst's
    // file object is not safe from two threads at once. Empty when the root
    // is unreachable. Clones of a document share their source's lock.
    std::shared_ptr<QRecursiveMutex> pstLock();
    void setPstLock(const std::shared_ptr<QRecursiveMutex>& lock);

    // Local time with `format`; "" for 0, which is how a missing date reads.
    QString timestampToString(unsigned long long seconds, const QString& format) const;

    QVariant property(const QString& key) const { return m_properties.value(key); }
    bool hasProperty(const QString& key) const { return m_properties.contains(key); }
    const QMap<QString, QVariant>& properties() const { return m_properties; }

    // 8-bit values are decoded with `codePage` when known (see PstDataConverter).
    void insertFromPstString(pst_string value, const QString& key, int codePage = 0);
    void insertFromPstHtmlString(pst_string value, const QString& key);
    // The whole subject, prefix ("RE: ", "FW: ") included, as "subject".
    void insertSubject(pst_string value, int codePage = 0);
    // `stored` without the prefix-length marker Outlook may put before it.
    static QString wholeSubject(QString stored);
    // A note's text: the "note" property, else the text of the RTF body,
    // read again from the file (only notes stored as RTF alone).
    QString note() const;
    // Set when the record's note is only an RTF body.
    void setRtfNote(bool rtfNote) { m_rtfNote = rtfNote; }
    void insertFromFILETIME(const FILETIME* time, const QString& key);
    void insertProperty(const QString& key, const QVariant& value) { m_properties.insert(key, value); }

    void copyBaseFieldsTo(std::shared_ptr<PstItem> target) const;

protected:
    QString m_displayName;
    unsigned int m_nodeLevel = 0;
    unsigned long long m_fileId = 0;
    std::shared_ptr<pst_file> m_pstFile;
    QString m_pstPath;
    QList<std::shared_ptr<PstItem>> m_children;
    std::weak_ptr<PstItem> m_parent;
    pst_desc_tree* m_pstTree = nullptr;
    QMap<QString, QVariant> m_properties;
    std::shared_ptr<QRecursiveMutex> m_pstLock;
    bool m_rtfNote = false;
};
