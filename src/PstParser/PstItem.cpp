// SPDX-License-Identifier: GPL-2.0-or-later
#include "PstItem.h"

#include "Log.h"
#include "MessageBody.h"
#include "PstDataConverter.h"
#include "ReparsedRecord.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>

PstItem::PstItem()
    : m_displayName(QStringLiteral("未初始化"))
{
}

PstItem::~PstItem() = default;

QString PstItem::displayName() const
{
    return m_displayName;
}

QString PstItem::subject() const
{
    return m_properties.value(QStringLiteral("subject")).toString();
}

QString PstItem::duration() const
{
    return QString();
}

QList<InfoSection> PstItem::sections() const
{
    return {};
}

void PstItem::setDisplayName(QString name)
{
    m_displayName = std::move(name);
}

void PstItem::setNodeLevel(unsigned int level)
{
    m_nodeLevel = level;
}

unsigned int PstItem::nodeLevel() const
{
    return m_nodeLevel;
}

void PstItem::setFileId(unsigned long long id)
{
    m_fileId = id;
}

unsigned long long PstItem::fileId() const
{
    return m_fileId;
}

void PstItem::setPstPath(const QString& path)
{
    m_pstPath = path;
}

QString PstItem::filePath() const
{
    return m_pstPath;
}

void PstItem::setPstFile(const std::shared_ptr<pst_file>& file)
{
    m_pstFile = file;
}

void PstItem::setPstTree(pst_desc_tree* node)
{
    m_pstTree = node;
}

pst_desc_tree* PstItem::pstTree() const
{
    return m_pstTree;
}

void PstItem::setParent(const std::shared_ptr<PstItem>& parent)
{
    m_parent = parent;
}

std::shared_ptr<PstItem> PstItem::parent() const
{
    return m_parent.lock();
}

void PstItem::addChildNode(const std::shared_ptr<PstItem>& child)
{
    child->setParent(shared_from_this());
    m_children.append(child);
}

void PstItem::removeChildNode(int row)
{
    Log::info(QStringLiteral("Closing PST document %1.").arg(m_children.at(row)->displayName()));
    m_children.removeAt(row);
}

std::shared_ptr<PstItem> PstItem::child(int row) const
{
    if (row < 0 || row >= m_children.size())
        return nullptr;
    return m_children.at(row);
}

int PstItem::childCount() const
{
    return int(m_children.size());
}

int PstItem::row() const
{
    const auto parentItem = parent();
    if (!parentItem)
        return 0;
    for (int i = 0; i < parentItem->m_children.size(); ++i) {
        if (parentItem->m_children.at(i).get() == this)
            return i;
    }
    return 0;
}

std::shared_ptr<PstItem> PstItem::rootNode()
{
    std::shared_ptr<PstItem> node = shared_from_this();
    while (node && node->nodeLevel() != 0)
        node = node->parent();
    return node;
}

std::shared_ptr<pst_file> PstItem::pstFile()
{
    const auto root = rootNode();
    return root ? root->m_pstFile : nullptr;
}

std::shared_ptr<QRecursiveMutex> PstItem::pstLock()
{
    const auto root = rootNode();
    return root ? root->m_pstLock : nullptr;
}

void PstItem::setPstLock(const std::shared_ptr<QRecursiveMutex>& lock)
{
    m_pstLock = lock;
}

// The items' date pattern, marked so each language can word and order it its own way.
[[maybe_unused]] static const char* const kTranslatablePattern = QT_TRANSLATE_NOOP("PstItem", "MMM dd, yyyy 'at' hh:mm AP");

QString PstItem::timestampToString(unsigned long long seconds, const QString& format) const
{
    // 0 is what a missing date reads as; no item was written at the epoch.
    if (seconds == 0)
        return QString(QLatin1String(""));
    const QDateTime local = QDateTime::fromSecsSinceEpoch(qint64(seconds));
    // The default locale follows the interface language (the system's until one is chosen).
    const QByteArray pattern = format.toUtf8();
    return QLocale().toString(local, QCoreApplication::translate("PstItem", pattern.constData()));
}

void PstItem::insertFromPstString(pst_string value, const QString& key, int codePage)
{
    if (!value.str)
        return;
    QString text = PstDataConverter::toQString(value, codePage);
    // An Exchange directory name is not an address anyone can write to.
    if (key == QLatin1String("senderAddr") && text.startsWith(QLatin1String("/O="), Qt::CaseInsensitive))
        text = QString(QLatin1String(""));
    m_properties.insert(key, text);
}

void PstItem::insertSubject(pst_string value, int codePage)
{
    if (value.str)
        m_properties.insert(QStringLiteral("subject"), wholeSubject(PstDataConverter::toQString(value, codePage)));
}

QString PstItem::wholeSubject(QString stored)
{
    // U+0001 and the prefix's length, or the length alone where a reader
    // dropped the first two bytes of a Unicode value.
    if (stored.startsWith(QChar(0x01)))
        return stored.mid(2);
    const char16_t first = stored.isEmpty() ? 0 : stored.at(0).unicode();
    if (first > 0 && first < 0x20 && first != '\t' && first != '\n' && first != '\r')
        return stored.mid(1);
    return stored;
}

QString PstItem::note() const
{
    const QString stored = property(QStringLiteral("note")).toString();
    if (!stored.isEmpty() || !m_rtfNote)
        return stored;
    // Reaching the document's file walks the parent links, which hand out
    // shared pointers; nothing of the item itself changes.
    const ReparsedRecord reparsed(const_cast<PstItem&>(*this));
    return MessageBody::noteText(reparsed.record());
}

void PstItem::insertFromPstHtmlString(pst_string value, const QString& key)
{
    if (!value.str)
        return;
    m_properties.insert(key, PstDataConverter::decodePstHtml(value));
}

void PstItem::insertFromFILETIME(const FILETIME* time, const QString& key)
{
    if (!time)
        return;
    m_properties.insert(key, PstDataConverter::filetimeToUnix(time));
}

void PstItem::copyBaseFieldsTo(std::shared_ptr<PstItem> target) const
{
    target->m_displayName = m_displayName;
    target->m_nodeLevel = m_nodeLevel;
    target->m_fileId = m_fileId;
    target->m_pstPath = m_pstPath;
    target->m_properties = m_properties;
    target->m_pstFile = m_pstFile;
    target->m_pstLock = m_pstLock;
    target->m_pstTree = m_pstTree;
    target->m_rtfNote = m_rtfNote;
}
