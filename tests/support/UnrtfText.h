// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// What unrtf, an RTF reader of its own, reads of an RTF document as text:
// its lines joined with single spaces, without unrtf's own comment lines.
// The document is written to `dir` first; a failure reads as a sentence.
namespace UnrtfText {

QString read(const QByteArray& rtf, const QString& dir);

} // namespace UnrtfText
