// SPDX-License-Identifier: GPL-2.0-or-later
#include "MessageClass.h"

#include <QStringList>

#include <cstdlib>

namespace {

struct Rule
{
    const char* prefix;
    MessageClass::Kind kind;
};

// Each prefix matches itself and any class that continues it with further
// dot-separated parts. More specific prefixes come first.
const Rule kRules[] = {
    {"IPM.DistList", MessageClass::Kind::DistList},
    {"IPM.Contact", MessageClass::Kind::Contact},
    {"IPM.Appointment", MessageClass::Kind::Appointment},
    {"IPM.TaskRequest", MessageClass::Kind::Task},
    {"IPM.Task", MessageClass::Kind::Task},
    {"IPM.StickyNote", MessageClass::Kind::Note},
    {"IPM.Activity", MessageClass::Kind::Journal},
    {"IPM.Note", MessageClass::Kind::Mail},
    {"IPM.Schedule.Meeting", MessageClass::Kind::Mail},
    {"IPM.Post", MessageClass::Kind::Mail},
    {"IPM.Outlook.Recall", MessageClass::Kind::Mail},
    {"IPM.Sharing", MessageClass::Kind::Mail},
    {"REPORT", MessageClass::Kind::Mail},
};

bool startsWithParts(const QString& text, const QString& prefix)
{
    if (!text.startsWith(prefix, Qt::CaseInsensitive))
        return false;
    return text.size() == prefix.size() || text.at(prefix.size()) == QLatin1Char('.');
}

template <typename T>
T* zeroed()
{
    return static_cast<T*>(std::calloc(1, sizeof(T)));
}

} // namespace

MessageClass::Kind MessageClass::kindOf(const QString& messageClass)
{
    const QString trimmed = messageClass.trimmed();
    for (const Rule& rule : kRules) {
        if (startsWithParts(trimmed, QLatin1String(rule.prefix)))
            return rule.kind;
    }
    return Kind::Unknown;
}

MessageClass::Kind MessageClass::kindOf(const char* messageClass)
{
    return messageClass ? kindOf(QString::fromLatin1(messageClass)) : Kind::Unknown;
}

ItemType MessageClass::itemType(Kind kind)
{
    switch (kind) {
    case Kind::Contact:
    case Kind::DistList:
        return Contact;
    case Kind::Appointment:
        return Calendar;
    case Kind::Task:
        return Task;
    case Kind::Note:
        return Note;
    case Kind::Journal:
        return Journal;
    case Kind::Unknown:
    case Kind::Mail:
        break;
    }
    return Mail;
}

void MessageClass::completeRecord(pst_item* record, Kind kind)
{
    if (!record)
        return;
    // pst_freeItem frees these parts with the record; zeroed parts hold no
    // strings, which it handles.
    switch (kind) {
    case Kind::Mail:
        if (!record->email)
            record->email = zeroed<pst_item_email>();
        break;
    case Kind::Contact:
    case Kind::DistList:
        if (!record->contact)
            record->contact = zeroed<pst_item_contact>();
        break;
    case Kind::Appointment:
        if (!record->appointment)
            record->appointment = zeroed<pst_item_appointment>();
        break;
    case Kind::Journal:
        if (!record->journal)
            record->journal = zeroed<pst_item_journal>();
        break;
    case Kind::Task:
        record->type = PST_TYPE_TASK;
        break;
    case Kind::Note:
        record->type = PST_TYPE_STICKYNOTE;
        break;
    case Kind::Unknown:
        break;
    }
}

bool MessageClass::isBookkeeping(const QString& messageClass)
{
    static const QStringList prefixes{
        QStringLiteral("IPM.Microsoft."),     // free/busy, views, navigation links, migration state
        QStringLiteral("IPM.Configuration."), // calendar, work hours, RSS and other settings
        QStringLiteral("IPC.MS.Outlook."),    // archive (aging) settings
        QStringLiteral("IPM.ExtendedRule."),  QStringLiteral("IPM.Rule."),
        QStringLiteral("IPM.Sharing."),       QStringLiteral("IPM.Aggregation."),
    };
    for (const QString& prefix : prefixes) {
        if (messageClass.startsWith(prefix, Qt::CaseInsensitive))
            return true;
    }
    return false;
}
