// SPDX-License-Identifier: GPL-2.0-or-later
#include "StoreIdentity.h"

#include "MapiPropertyReader.h"
#include "NodeGuard.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QMutexLocker>

namespace {

constexpr quint16 kRecordKey = 0x0FF9;
constexpr quint16 kTopOfFoldersEntryId = 0x35E0;
// An entry id: four flag bytes, then the store's provider id.
constexpr int kEntryIdFlagBytes = 4;
constexpr int kProviderIdBytes = 16;
constexpr int kTitleFolders = 2;

struct Registry
{
    QMutex mutex;
    QHash<const pst_file*, QString> identities;
};

Registry& registry()
{
    static Registry instance;
    return instance;
}

// A key of all zeros names nothing: writers that leave it out write that.
bool isUsable(const QByteArray& key)
{
    return key.size() >= kProviderIdBytes && key.count('\0') != key.size();
}

// Read through the node guard, which a damaged store does not pass, and
// without the name-to-id map, which the identity does not need.
QString fromStore(pst_file* file)
{
    NodeGuard::CheckedNode checked;
    if (!file || !file->d_head || !NodeGuard(file).isSound(file->d_head, &checked) || !checked.hasContext)
        return QString();
    const MapiPropertyReader store(file, checked.context, checked.subnodes);
    const QByteArray recordKey = store.binary(kRecordKey).value_or(QByteArray());
    if (isUsable(recordKey))
        return QString::fromLatin1(recordKey.toHex());
    const QByteArray entry = store.binary(kTopOfFoldersEntryId).value_or(QByteArray());
    const QByteArray provider = entry.mid(kEntryIdFlagBytes, kProviderIdBytes);
    return isUsable(provider) ? QString::fromLatin1(provider.toHex()) : QString();
}

QString fromPath(const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    return QString::fromLatin1(
        QCryptographicHash::hash(absolute.toUtf8(), QCryptographicHash::Sha1).toHex().left(2 * kProviderIdBytes));
}

} // namespace

QString StoreIdentity::read(pst_file* file, const QString& path)
{
    QString identity = fromStore(file);
    if (identity.isEmpty())
        identity = fromPath(path);
    Registry& known = registry();
    const QMutexLocker locker(&known.mutex);
    known.identities.insert(file, identity);
    return identity;
}

void StoreIdentity::forget(const pst_file* file)
{
    Registry& known = registry();
    const QMutexLocker locker(&known.mutex);
    known.identities.remove(file);
}

QString StoreIdentity::of(const pst_file* file)
{
    Registry& known = registry();
    const QMutexLocker locker(&known.mutex);
    return known.identities.value(file);
}

QByteArray StoreIdentity::itemUid(const pst_file* file, quint64 nodeId)
{
    const QString identity = of(file);
    const QByteArray node = "0x" + QByteArray::number(nodeId, 16);
    return identity.isEmpty() ? node : identity.toLatin1() + '-' + node;
}

QString StoreIdentity::displayTitle(const QString& path)
{
    const QFileInfo info(path);
    QString folder = info.absolutePath();
    const QString home = QDir::homePath();
    if (folder.startsWith(home + QLatin1Char('/')))
        folder = folder.mid(home.size() + 1);
    const QStringList parts = folder.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    const QString where = parts.mid(qMax(0, int(parts.size()) - kTitleFolders)).join(QLatin1Char('/'));
    const QString name = info.completeBaseName().isEmpty() ? info.fileName() : info.completeBaseName();
    return where.isEmpty() ? name : QStringLiteral("%1 (%2)").arg(name, where);
}
