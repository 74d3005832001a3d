// SPDX-License-Identifier: GPL-2.0-or-later
#include "IndexStorage.h"

#include "Log.h"
#include "SearchIndex.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace {

// Named after the path alone, so every version of the file shares it.
QString besideIndexes(const QString& pstPath, const QString& suffix)
{
    const QString absolute = QFileInfo(pstPath).absoluteFilePath();
    const QByteArray key = QCryptographicHash::hash(absolute.toUtf8(), QCryptographicHash::Sha1).toHex().left(20);
    const QString folder = QFileInfo(SearchIndex::locationFor(pstPath)).absolutePath();
    return QDir(folder).filePath(QStringLiteral("path-%1%2").arg(QString::fromLatin1(key), suffix));
}

} // namespace

QString IndexStorage::lockPath(const QString& pstPath)
{
    return besideIndexes(pstPath, QStringLiteral(".lock"));
}

void IndexStorage::removeOtherVersions(const QString& pstPath)
{
    const QString current = SearchIndex::locationFor(pstPath);
    const QString notePath = besideIndexes(pstPath, QStringLiteral(".built"));
    QFile note(notePath);
    if (note.open(QIODevice::ReadOnly)) {
        const QString previous = QString::fromUtf8(note.readAll()).trimmed();
        note.close();
        // Only a folder beside the indexes, never anything a damaged note names.
        if (!previous.isEmpty() && previous != current
            && QFileInfo(previous).absolutePath() == QFileInfo(current).absolutePath() && QFileInfo(previous).isDir()) {
            Log::info(QStringLiteral("Removing the search index of an older version of %1.").arg(pstPath));
            QDir(previous).removeRecursively();
        }
    }
    QSaveFile updated(notePath);
    if (updated.open(QIODevice::WriteOnly)) {
        updated.write(current.toUtf8());
        updated.commit();
    }
}
