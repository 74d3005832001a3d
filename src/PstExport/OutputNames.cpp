// SPDX-License-Identifier: GPL-2.0-or-later
#include "OutputNames.h"

#include "Common.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace {

int utf8Length(const QString& text)
{
    return int(text.toUtf8().size());
}

// Bytes of one UTF-16 unit outside a surrogate pair; a lone surrogate
// becomes the three-byte replacement character.
int utf8UnitLength(QChar unit)
{
    if (unit.unicode() < 0x80)
        return 1;
    return unit.unicode() < 0x800 ? 2 : 3;
}

QString filePath(const QString& dir, const QString& fileName)
{
    return QStringLiteral("%1/%2").arg(dir, fileName);
}

} // namespace

QString OutputNames::sanitized(const QString& text)
{
    static const QRegularExpression lineBreaks(QStringLiteral("[\r\n]"));
    static const QRegularExpression reserved(QStringLiteral("[/\\\\:*?\"<>|]"));
    QString name = text;
    name.remove(lineBreaks);
    name.replace(reserved, QStringLiteral("_"));
    // A NUL would end the name early when it reaches the C library; other
    // control characters and text-reordering marks would disguise the name.
    for (QChar& c : name) {
        if (Common::isUnsafeInFileName(c))
            c = QLatin1Char('_');
    }
    return name;
}

QString OutputNames::directoryName(const QString& displayName)
{
    const QString name = cutToUtf8Bytes(sanitized(displayName), kMaxNameBytes);
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return QStringLiteral("_");
    return name;
}

QString OutputNames::folderPath(const QString& parentDir, const QString& displayName)
{
    const QString name = directoryName(displayName);
    for (int n = 0;; ++n) {
        const QString ending = n > 0 ? QStringLiteral("_%1").arg(n) : QString();
        const QString path = filePath(parentDir, cutToUtf8Bytes(name, kMaxNameBytes - utf8Length(ending)) + ending);
        if (!QFileInfo(path).isSymLink())
            return path;
    }
}

QString OutputNames::uniqueFilePath(const QString& dir, const QString& name, const QString& ext)
{
    for (int n = 0;; ++n) {
        const QString candidate = numberedFilePath(dir, name, ext, n);
        if (!QFileInfo::exists(candidate) && !QFileInfo(candidate).isSymLink())
            return candidate;
    }
}

QString OutputNames::numberedFilePath(const QString& dir, const QString& name, const QString& ext, int number)
{
    const QString ending = (number > 0 ? QStringLiteral("_%1").arg(number) : QString()) + QStringLiteral(".") + ext;
    return filePath(dir, cutToUtf8Bytes(name, kMaxNameBytes - utf8Length(ending)) + ending);
}

QString OutputNames::cutToUtf8Bytes(const QString& text, int maxBytes)
{
    int bytes = 0;
    int i = 0;
    while (i < text.size()) {
        const bool pair = text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
        const int units = pair ? 2 : 1;
        const int size = pair ? 4 : utf8UnitLength(text.at(i));
        if (bytes + size > maxBytes)
            break;
        bytes += size;
        i += units;
    }
    return text.left(i);
}
