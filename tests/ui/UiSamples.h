// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "PstDescription.h"

#include <QString>

// PST files with known content for the browsing window's tests and
// screenshots, written with the project's PST writer.
namespace UiSamples {

// A small mailbox: "Inbox" (an HTML mail with an inline picture and two
// attachments, a plain-text mail, two more), "Contacts", "Calendar",
// "Tasks", "Notes", "Journal", an "Archive" whose only item sits two levels
// down (Archive/2019/Q4) and an "Empty" folder.
PstDescription mailbox();

// One "Inbox" holding one HTML mail with the given body.
PstDescription singleHtmlMail(const QByteArray& html, const QString& subject = QStringLiteral("Untrusted"));

// Writes `description` to dir/fileName; fails the calling test on error.
QString write(const PstDescription& description, const QString& dir, const QString& fileName);

// A solid-colour PNG of the given size.
QByteArray solidPng(int width, int height, const char* colour);

} // namespace UiSamples
