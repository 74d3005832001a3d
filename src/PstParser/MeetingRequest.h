// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "InfoSection.h"

#include <libpst/libpst.h>

class PstMailItem;

// A meeting request, response or cancellation is a mail that also carries
// an appointment: its time, place, organiser and attendees are shown with
// the mail as an appointment shows them.
class MeetingRequest
{
public:
    // Whether a message class is one of a meeting mail.
    static bool isMeetingClass(const char* messageClass);
    // Marks a mail of a meeting class, so its details are read when shown.
    static void markIfMeeting(PstMailItem& mail, const char* messageClass);

    // When, where, organiser and attendees of a meeting mail, read again from
    // the file (under the document's lock); empty for any other mail.
    static QList<InfoField> detailsOf(const PstMailItem& mail);
    // The same from a parsed record of the mail.
    static QList<InfoField> detailsOf(const PstMailItem& mail, const pst_item* record);
};
