// SPDX-License-Identifier: GPL-2.0-or-later
#include "PstDescription.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QDateTime timeOf(const QJsonObject& o, const char* key)
{
    if (!o.contains(QLatin1String(key)))
        return {};
    QDateTime t = QDateTime::fromString(o.value(QLatin1String(key)).toString(), Qt::ISODate);
    t.setTimeSpec(Qt::UTC);
    return t;
}

QDate dateOf(const QJsonObject& o, const char* key)
{
    return QDate::fromString(o.value(QLatin1String(key)).toString(), Qt::ISODate);
}

QString text(const QJsonObject& o, const char* key, const QString& fallback = QString())
{
    return o.value(QLatin1String(key)).toString(fallback);
}

int number(const QJsonObject& o, const char* key, int fallback)
{
    return o.value(QLatin1String(key)).toInt(fallback);
}

bool flag(const QJsonObject& o, const char* key, bool fallback)
{
    return o.value(QLatin1String(key)).toBool(fallback);
}

PstMessage::Kind kindOf(const QString& name)
{
    if (name == QLatin1String("contact"))
        return PstMessage::Kind::Contact;
    if (name == QLatin1String("appointment"))
        return PstMessage::Kind::Appointment;
    if (name == QLatin1String("task"))
        return PstMessage::Kind::Task;
    if (name == QLatin1String("journal"))
        return PstMessage::Kind::Journal;
    if (name == QLatin1String("note"))
        return PstMessage::Kind::StickyNote;
    return PstMessage::Kind::Mail;
}

PstRecurrence recurrenceOf(const QJsonObject& o)
{
    PstRecurrence r;
    const QString kind = text(o, "kind");
    r.kind = kind == QLatin1String("daily")     ? PstRecurrence::Daily
           : kind == QLatin1String("weekly")  ? PstRecurrence::Weekly
           : kind == QLatin1String("monthly") ? PstRecurrence::Monthly
           : kind == QLatin1String("yearly")  ? PstRecurrence::Yearly
                                              : PstRecurrence::None;
    r.interval = number(o, "interval", 1);
    r.count = number(o, "count", 0);
    r.weekDays = number(o, "weekDays", 0);
    r.dayOfMonth = number(o, "dayOfMonth", 0);
    r.monthOfYear = number(o, "monthOfYear", 0);
    r.description = text(o, "description");
    return r;
}

PstMessage messageOf(const QJsonObject& o);

PstAttachment attachmentOf(const QJsonObject& o)
{
    PstAttachment a;
    a.longName = text(o, "longName");
    a.shortName = text(o, "shortName");
    a.mimeType = text(o, "mimeType");
    a.contentId = text(o, "contentId");
    if (o.contains(QLatin1String("dataBase64")))
        a.data = QByteArray::fromBase64(text(o, "dataBase64").toLatin1());
    else
        a.data = text(o, "data").toUtf8();
    a.generatedSize = qint64(o.value(QLatin1String("generatedSize")).toDouble(-1));
    if (o.contains(QLatin1String("message")))
        a.embedded = std::make_shared<PstMessage>(messageOf(o.value(QLatin1String("message")).toObject()));
    return a;
}

void readMailFields(const QJsonObject& o, PstMessage& m)
{
    m.senderName = text(o, "senderName");
    m.senderAddress = text(o, "senderAddress");
    m.senderAddressType = text(o, "senderAddressType", m.senderAddressType);
    m.senderSmtpAddress = text(o, "senderSmtpAddress");
    for (const QJsonValue& v : o.value(QLatin1String("recipients")).toArray()) {
        const QJsonObject r = v.toObject();
        PstRecipient recipient;
        recipient.name = text(r, "name");
        recipient.address = text(r, "address");
        recipient.addressType = text(r, "addressType", recipient.addressType);
        const QString type = text(r, "type", QStringLiteral("to"));
        recipient.type = type == QLatin1String("cc") ? PstRecipient::Cc
                       : type == QLatin1String("bcc") ? PstRecipient::Bcc
                                                      : PstRecipient::To;
        m.recipients.append(recipient);
    }
    m.displayTo = text(o, "displayTo");
    m.displayCc = text(o, "displayCc");
    m.displayBcc = text(o, "displayBcc");
    m.sentTime = timeOf(o, "sentTime");
    m.deliveryTime = timeOf(o, "deliveryTime");
    m.reportTime = timeOf(o, "reportTime");
    m.transportHeaders = text(o, "transportHeaders");
    m.messageId = text(o, "messageId");
    m.reportText = text(o, "reportText");
}

void readCalendarFields(const QJsonObject& o, PstMessage& m)
{
    m.start = timeOf(o, "start");
    m.end = timeOf(o, "end");
    m.location = text(o, "location");
    m.allDay = flag(o, "allDay", false);
    m.busyStatus = number(o, "busyStatus", m.busyStatus);
    m.label = number(o, "label", 0);
    m.reminderSet = flag(o, "reminderSet", false);
    m.reminderMinutes = number(o, "reminderMinutes", m.reminderMinutes);
    m.reminderTime = timeOf(o, "reminderTime");
    m.reminderSound = text(o, "reminderSound");
    m.recurrence = recurrenceOf(o.value(QLatin1String("recurrence")).toObject());
}

void readTaskJournalNoteFields(const QJsonObject& o, PstMessage& m)
{
    m.taskStatus = number(o, "taskStatus", 0);
    m.percentComplete = o.value(QLatin1String("percentComplete")).toDouble(0.0);
    m.taskStart = timeOf(o, "taskStart");
    m.taskDue = timeOf(o, "taskDue");
    m.dateCompleted = timeOf(o, "dateCompleted");
    m.actualWorkMinutes = number(o, "actualWorkMinutes", 0);
    m.estimatedWorkMinutes = number(o, "estimatedWorkMinutes", 0);
    m.owner = text(o, "owner");
    m.complete = flag(o, "complete", false);
    m.journalType = text(o, "journalType");
    m.journalTypeDescription = text(o, "journalTypeDescription");
    m.durationMinutes = number(o, "durationMinutes", 0);
    m.noteColor = number(o, "noteColor", m.noteColor);
    m.noteWidth = number(o, "noteWidth", m.noteWidth);
    m.noteHeight = number(o, "noteHeight", m.noteHeight);
}

PstMessage messageOf(const QJsonObject& o)
{
    PstMessage m;
    m.kind = kindOf(text(o, "kind", QStringLiteral("mail")));
    m.messageClass = text(o, "messageClass");
    m.subject = text(o, "subject");
    m.subjectPrefix = text(o, "subjectPrefix");
    m.subjectMarker = flag(o, "subjectMarker", false);
    m.body = text(o, "body");
    m.htmlBody = text(o, "htmlBody").toUtf8();
    m.rtfBody = text(o, "rtfBody").toLatin1();
    if (o.contains(QLatin1String("rtfBodyBase64")))
        m.rtfBody = QByteArray::fromBase64(text(o, "rtfBodyBase64").toLatin1());
    m.rtfCompressed = QByteArray::fromBase64(text(o, "rtfCompressedBase64").toLatin1());
    for (const QJsonValue& v : o.value(QLatin1String("categories")).toArray())
        m.categories.append(v.toString());
    m.categoriesUnicode = flag(o, "categoriesUnicode", false);
    m.creationTime = timeOf(o, "creationTime");
    m.modificationTime = timeOf(o, "modificationTime");
    m.importance = number(o, "importance", m.importance);
    m.sensitivity = number(o, "sensitivity", m.sensitivity);
    m.read = flag(o, "read", m.read);
    m.codePage = number(o, "codePage", 0);
    m.internetCodePage = number(o, "internetCodePage", m.internetCodePage);
    for (const QJsonValue& v : o.value(QLatin1String("attachments")).toArray())
        m.attachments.append(attachmentOf(v.toObject()));
    for (const QJsonValue& v : o.value(QLatin1String("namedStrings")).toArray()) {
        const QJsonObject n = v.toObject();
        PstNamedString named;
        named.set = QUuid(text(n, "set"));
        named.number = quint32(n.value(QLatin1String("number")).toDouble(0));
        named.name = text(n, "name");
        named.value = text(n, "value");
        m.namedStrings.append(named);
    }
    readMailFields(o, m);
    const QJsonObject contact = o.value(QLatin1String("contact")).toObject();
    for (auto it = contact.begin(); it != contact.end(); ++it)
        m.contact.insert(it.key(), it.value().toString());
    m.birthday = dateOf(o, "birthday");
    m.anniversary = dateOf(o, "anniversary");
    m.gender = number(o, "gender", 0);
    readCalendarFields(o, m);
    readTaskJournalNoteFields(o, m);
    return m;
}

PstFolder folderOf(const QJsonObject& o)
{
    PstFolder f;
    f.name = text(o, "name");
    f.containerClass = text(o, "containerClass");
    for (const QJsonValue& v : o.value(QLatin1String("messages")).toArray())
        f.messages.append(messageOf(v.toObject()));
    for (const QJsonValue& v : o.value(QLatin1String("folders")).toArray())
        f.folders.append(folderOf(v.toObject()));
    return f;
}

} // namespace

QString PstMessage::effectiveClass() const
{
    if (!messageClass.isEmpty())
        return messageClass;
    switch (kind) {
    case Kind::Contact:
        return QStringLiteral("IPM.Contact");
    case Kind::Appointment:
        return QStringLiteral("IPM.Appointment");
    case Kind::Task:
        return QStringLiteral("IPM.Task");
    case Kind::Journal:
        return QStringLiteral("IPM.Activity");
    case Kind::StickyNote:
        return QStringLiteral("IPM.StickyNote");
    case Kind::Mail:
        break;
    }
    return QStringLiteral("IPM.Note");
}

bool PstDescription::fromJson(const QByteArray& json, PstDescription* out, QString* error)
{
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &parseError);
    if (!doc.isObject()) {
        if (error)
            *error = parseError.errorString();
        return false;
    }
    const QJsonObject root = doc.object();
    PstDescription d;
    d.storeName = text(root, "storeName", d.storeName);
    d.permute = flag(root, "permute", false);
    d.fourKPages = flag(root, "fourKPages", false);
    for (const QJsonValue& v : root.value(QLatin1String("folders")).toArray())
        d.folders.append(folderOf(v.toObject()));
    *out = d;
    return true;
}
