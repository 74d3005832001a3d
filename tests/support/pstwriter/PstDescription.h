// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QList>
#include <QMap>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QUuid>

#include <memory>

// The description of a PST file to write: folders holding messages of every
// kind, with exactly the values a test wants to read back.
// Times are UTC. Empty strings and invalid times are simply not written.

struct PstMessage;

// A string-valued named property: a property set GUID with a number or a name.
struct PstNamedString {
    QUuid set;            // e.g. PS_INTERNET_HEADERS {00020386-0000-0000-C000-000000000046}
    quint32 number = 0;   // used when name is empty
    QString name;
    QString value;
};

struct PstRecipient {
    enum Type { To = 1, Cc = 2, Bcc = 3 };
    QString name;
    QString address;
    QString addressType = QStringLiteral("SMTP");
    int type = To;
};

struct PstAttachment {
    QString longName;    // PR_ATTACH_LONG_FILENAME
    QString shortName;   // PR_ATTACH_FILENAME
    QString mimeType;    // PR_ATTACH_MIME_TAG
    QString contentId;   // PR_ATTACH_CONTENT_ID
    QByteArray data;
    // When >= 0, the data is this many bytes of a fixed pattern, streamed
    // to the file (see PstWriter::patternByte) instead of data.
    qint64 generatedSize = -1;
    // When set, the attachment is this message (attach method 5).
    std::shared_ptr<PstMessage> embedded;

    qint64 size() const { return generatedSize >= 0 ? generatedSize : data.size(); }
};

// One occurrence of a series that was moved or changed.
struct PstOccurrenceChange {
    QDate originalDate;     // the day it was due (at the series' start time)
    QDateTime start;
    QDateTime end;
    QString subject;        // empty: as the series
    QString location;       // empty: as the series
};

// Recurrence of an appointment, written both as the named properties and as
// the binary recurrence pattern.
struct PstRecurrence {
    enum Kind { None, Daily, Weekly, Monthly, Yearly };
    Kind kind = None;
    int interval = 1;       // days, weeks, months or years between occurrences
    int count = 0;          // occurrences; 0 means no end
    int weekDays = 0;       // weekly: bit 0 Sunday ... bit 6 Saturday
    int dayOfMonth = 0;     // monthly and yearly
    int monthOfYear = 0;    // yearly, 1..12
    QString description;    // PidLidRecurrencePattern text
    QList<QDate> deletedDates;             // occurrences deleted from the series
    QList<PstOccurrenceChange> changes;    // occurrences moved or changed
};

struct PstMessage {
    enum class Kind { Mail, Contact, Appointment, Task, Journal, StickyNote };
    Kind kind = Kind::Mail;
    QString messageClass;   // empty: IPM.Note, IPM.Contact, ... after kind

    // Every kind
    QString subject;
    QString subjectPrefix;      // e.g. "RE: "
    bool subjectMarker = false; // store the prefix-length marker before the subject
    QString body;
    QByteArray htmlBody;        // stored as binary PR_HTML, code page internetCodePage
    QByteArray rtfBody;         // raw RTF text; stored compressed
    QByteArray rtfCompressed;   // when set, PR_RTF_COMPRESSED as it is (damaged values)
    QStringList categories;     // "Keywords" named property
    // Categories are PT_MV_STRING8 by default (in codePage, else 1252):
    // libpst 0.6.76 reads only that form. true writes PT_MV_UNICODE as Outlook does.
    bool categoriesUnicode = false;
    QDateTime creationTime;
    QDateTime modificationTime;
    int importance = 1;
    int sensitivity = 0;
    bool read = true;
    int flagStatus = 0;   // PR_FLAG_STATUS: 2 flagged, 1 completed
    int lastVerb = 0;     // PR_LAST_VERB_EXECUTED: 102 replied, 103 replied to all, 104 forwarded
    // 0 writes strings as UTF-16 (PT_UNICODE); otherwise as 8-bit bytes
    // (PT_STRING8) in this Windows code page, e.g. 936 for GBK.
    int codePage = 0;
    int internetCodePage = 65001;
    QList<PstAttachment> attachments;
    // Further named string properties, written like the others (PT_UNICODE or code page).
    QList<PstNamedString> namedStrings;
    // Further property entries (id, type) with four zero value bytes, as some
    // writers leave entries of id 0 and type 0 in a message.
    QList<QPair<quint16, quint16>> rawEntries;

    // Mail
    QString senderName;
    QString senderAddress;
    QString senderAddressType = QStringLiteral("SMTP"); // or "EX" with an /O= address
    QString senderSmtpAddress;
    QList<PstRecipient> recipients;
    QString displayTo;   // empty: made from the recipients
    QString displayCc;
    QString displayBcc;
    QDateTime sentTime;
    QDateTime deliveryTime;
    QDateTime reportTime;
    QString transportHeaders;
    QString messageId;
    QString reportText;

    // Contact: keys are the field names of libpst's pst_item_contact
    // ("first_name", "business_phone", "address1", ...).
    QMap<QString, QString> contact;
    QDate birthday;
    QDate anniversary;
    // Birthday and anniversary are stored at local midnight of a zone this
    // many seconds east of UTC (Outlook's way); 0 stores UTC midnight.
    int contactDatesUtcOffset = 0;
    int gender = 0;

    // Appointment (and meeting request); start/end also serve journal entries.
    QDateTime start;
    QDateTime end;
    QString location;
    bool allDay = false;
    int busyStatus = 2;
    int label = 0;
    bool reminderSet = false;
    int reminderMinutes = 15;
    QDateTime reminderTime;
    QString reminderSound;
    PstRecurrence recurrence;

    // Task
    int taskStatus = 0;
    double percentComplete = 0.0; // 0.0 .. 1.0
    QDateTime taskStart;
    QDateTime taskDue;
    QDateTime dateCompleted;
    int actualWorkMinutes = 0;
    int estimatedWorkMinutes = 0;
    QString owner;
    bool complete = false;

    // Journal entry
    QString journalType;            // e.g. "Phone call"
    QString journalTypeDescription;
    int durationMinutes = 0;

    // Sticky note
    int noteColor = 3;
    int noteWidth = 200;
    int noteHeight = 166;

    QString effectiveClass() const;
};

struct PstFolder {
    QString name;
    QString containerClass; // e.g. IPF.Note, IPF.Contact
    QList<PstMessage> messages;
    QList<PstFolder> folders;
    int nameCodePage = 0;   // 0: Unicode name; else PT_STRING8 in this code page, as ANSI files keep it
};

struct PstDescription {
    QString storeName = QStringLiteral("Personal Folders");
    bool permute = false; // "compressible" encoding of the data blocks
    bool fourKPages = false; // Outlook 2013 and later: 4 KB pages, zlib-compressed blocks
    QList<PstFolder> folders; // below "Top of Personal Folders"

    // Reads a JSON description (see tests/support/README.md).
    static bool fromJson(const QByteArray& json, PstDescription* out, QString* error);
};
