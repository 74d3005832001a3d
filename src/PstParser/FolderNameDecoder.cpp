// SPDX-License-Identifier: GPL-2.0-or-later
#include "FolderNameDecoder.h"

#include "NodePropertyPeek.h"
#include "PstDataConverter.h"
#include "PstItem.h"

#include <QHash>

namespace {

constexpr quint16 kMessageCodePage = 0x3FFD;
constexpr quint16 kInternetCodePage = 0x3FDE;
constexpr quint64 kMessageStoreNodeId = 0x21;
constexpr quint64 kNodeTypeMask = 0x1F;
constexpr quint64 kNodeTypeNormalMessage = 0x04;
// Enough messages to outvote the odd foreign one without reading a large file.
constexpr int kMaxMessagesSampled = 200;
constexpr int kMaxNodesVisited = 200000;

int codePageOf(pst_file* file, const pst_desc_tree* node)
{
    const NodePropertyPeek peek(file, node);
    return PstDataConverter::stringCodePage(peek.int32(kMessageCodePage).value_or(0),
                                            peek.int32(kInternetCodePage).value_or(0));
}

const pst_desc_tree* nextNode(const pst_desc_tree* node)
{
    if (node->child)
        return node->child;
    while (node && !node->next)
        node = node->parent;
    return node ? node->next : nullptr;
}

} // namespace

FolderNameDecoder::FolderNameDecoder(pst_file* file)
    : m_file(file)
{
}

void FolderNameDecoder::apply(PstItem& folder, const pst_item* record)
{
    if (!record || !record->file_as.str || record->file_as.is_utf8 == 1)
        return;
    const int recordCodePage = PstDataConverter::recordCodePage(record);
    folder.setDisplayName(PstDataConverter::toQString(record->file_as, recordCodePage != 0 ? recordCodePage : codePage()));
}

QString FolderNameDecoder::decode(const QByteArray& bytes)
{
    pst_string value;
    const QByteArray terminated = bytes + '\0';
    value.str = const_cast<char*>(terminated.constData());
    value.is_utf8 = 0;
    return PstDataConverter::toQString(value, codePage());
}

int FolderNameDecoder::codePage()
{
    if (m_codePage < 0) {
        m_codePage = declaredCodePage();
        if (m_codePage == 0)
            m_codePage = ansiCodePageOf(QLocale::system());
    }
    return m_codePage;
}

int FolderNameDecoder::declaredCodePage() const
{
    if (!m_file)
        return 0;
    QHash<int, int> votes;
    int sampled = 0;
    int visited = 0;
    int mostCommon = 0;
    for (const pst_desc_tree* node = m_file->d_head; node && sampled < kMaxMessagesSampled && ++visited < kMaxNodesVisited;
         node = nextNode(node)) {
        if ((node->d_id & kNodeTypeMask) != kNodeTypeNormalMessage)
            continue;
        ++sampled;
        const int codePage = codePageOf(m_file, node);
        if (codePage == 0)
            continue;
        const int count = ++votes[codePage];
        if (mostCommon == 0 || count > votes.value(mostCommon))
            mostCommon = codePage;
    }
    if (mostCommon != 0)
        return mostCommon;
    for (const pst_desc_tree* node = m_file->d_head; node; node = node->next) {
        if (node->d_id == kMessageStoreNodeId)
            return codePageOf(m_file, node);
    }
    return 0;
}

int FolderNameDecoder::ansiCodePageOf(const QLocale& locale)
{
    switch (locale.language()) {
    case QLocale::Japanese: return 932;
    case QLocale::Korean: return 949;
    case QLocale::Thai: return 874;
    case QLocale::Vietnamese: return 1258;
    case QLocale::Chinese:
        return locale.script() == QLocale::TraditionalChineseScript || locale.territory() == QLocale::Taiwan
                || locale.territory() == QLocale::HongKong || locale.territory() == QLocale::Macao
            ? 950 : 936;
    case QLocale::Russian: case QLocale::Ukrainian: case QLocale::Belarusian: case QLocale::Bulgarian:
    case QLocale::Macedonian: case QLocale::Kazakh: case QLocale::Kyrgyz: case QLocale::Mongolian:
    case QLocale::Tatar: case QLocale::Uzbek:
        return 1251;
    case QLocale::Serbian:
        return locale.script() == QLocale::LatinScript ? 1250 : 1251;
    case QLocale::Polish: case QLocale::Czech: case QLocale::Slovak: case QLocale::Hungarian:
    case QLocale::Slovenian: case QLocale::Croatian: case QLocale::Romanian: case QLocale::Albanian:
    case QLocale::Bosnian:
        return 1250;
    case QLocale::Greek: return 1253;
    case QLocale::Turkish: case QLocale::Azerbaijani: return 1254;
    case QLocale::Hebrew: return 1255;
    case QLocale::Arabic: case QLocale::Persian: case QLocale::Urdu: return 1256;
    case QLocale::Estonian: case QLocale::Latvian: case QLocale::Lithuanian: return 1257;
    default: return 1252;
    }
}
