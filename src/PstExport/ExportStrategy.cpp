// SPDX-License-Identifier: GPL-2.0-or-later
#include "ExportStrategy.h"

#include "CancelToken.h"
#include "Log.h"
#include "OutputNames.h"
#include "PstDataConverter.h"
#include "StoreIdentity.h"

#include <QFile>

ExportStrategy::ExportStrategy(bool appMode)
    : m_appMode(appMode)
{
}

ExportStrategy::~ExportStrategy() = default;

QString ExportStrategy::formatKey() const
{
    return type();
}

QByteArray ExportStrategy::itemUid() const
{
    return m_pstNode ? StoreIdentity::itemUid(m_pstFile, m_pstNode->d_id) : QByteArray();
}

QString ExportStrategy::getOutputFilename(pst_item* item, const QString& outputDir, const QString& defaultName) const
{
    if (!item)
        return QString();
    QString name = OutputNames::sanitized(
        PstDataConverter::toQString(item->subject, PstDataConverter::recordCodePage(item)));
    // A subject of line breaks alone would leave a name that is only the extension.
    if (name.isEmpty())
        name = OutputNames::sanitized(defaultName);
    return OutputNames::uniqueFilePath(outputDir, name, type());
}

void ExportStrategy::writeQString(FILE* out, const QString& text, bool newline)
{
    const QByteArray bytes = text.toUtf8();
    if (!bytes.isEmpty())
        fwrite(bytes.constData(), 1, size_t(bytes.size()), out);
    if (newline)
        fputc('\n', out);
}

bool ExportStrategy::acceptItem(pst_item* item, bool hasRecord, CancelToken* token, const QString& missingMessage)
{
    countProcessed();
    if (!item || !hasRecord) {
        Log::warn(missingMessage);
        return false;
    }
    return !(token && token->isCancelled());
}

FILE* ExportStrategy::openItemFile(pst_item* item, bool hasRecord, const QString& outputDir, CancelToken* token,
                                   const QString& defaultName, const QString& missingMessage,
                                   const QString& openFailedMessage, QString* path)
{
    if (!acceptItem(item, hasRecord, token, missingMessage))
        return nullptr;
    const QString filePath = getOutputFilename(item, outputDir, defaultName);
    FILE* out = fopen(QFile::encodeName(filePath).constData(), "wb");
    if (!out) {
        if (!openFailedMessage.isEmpty())
            Log::warn(openFailedMessage.arg(filePath));
        return nullptr;
    }
    if (path)
        *path = filePath;
    return out;
}

bool ExportStrategy::finishItemFile(FILE* out, const std::function<void(int)>& progress)
{
    fclose(out);
    if (progress)
        progress(m_processed);
    return true;
}
