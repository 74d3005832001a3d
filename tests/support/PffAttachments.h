// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// What Debian's libpff finds attached to the appointments of a PST file, as
// an independent account of what a conversion to .ics must keep.
namespace PffOracle {

struct AppointmentAttachment
{
    enum Kind { File, Occurrence, Item };
    Kind kind = File;
    QByteArray data; // File: the attachment's bytes
    QString text;    // Occurrence: its start in UTC (yyyyMMddTHHmmssZ); Item: its subject
};

// Every attachment of every appointment of the file, folders depth first;
// empty with `ok` false when libpff cannot open the file.
QList<AppointmentAttachment> appointmentAttachments(const QString& path, bool* ok);

} // namespace PffOracle
