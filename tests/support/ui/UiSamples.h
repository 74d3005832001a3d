// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "InfoSection.h"
#include "PstDescription.h"
#include "PstItem.h"

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

// An "Inbox" of subjects to sort and search (accents, case, numbers) and a
// mail with an attached mail, "Notes", a "Journal" entry with a start but no
// creation time, and a "Reminders" folder Outlook keeps for itself.
PstDescription browsing();

// For printing: an "Inbox" with a 400-line mail, a mail with a large picture
// of noise (it does not compress) and a mail whose subject and sender are
// markup; "Contacts" with a contact whose name and note are markup.
PstDescription printing();

// For the all-folders search: "Inbox", "Sent Items" and "Archive/2019"
// each hold mails about a "quokka" (HTML and plain bodies, one only in an
// attachment's name, one in "Köln"), besides mails about other things, and
// "Contacts" a contact whose note names the quokka too.
PstDescription searching();

// An item (shown as a contact) with the given name and sections.
std::shared_ptr<PstItem> described(const QString& name, const QList<InfoSection>& sections);

// Writes `description` to dir/fileName; fails the calling test on error.
QString write(const PstDescription& description, const QString& dir, const QString& fileName);

// A solid-colour PNG of the given size.
QByteArray solidPng(int width, int height, const char* colour);

} // namespace UiSamples
