// SPDX-License-Identifier: GPL-2.0-or-later
#include "PstContactItem.h"

#include "MessageBody.h"
#include "PstDataConverter.h"

#include <QObject>

namespace {

// Property key and libpst field of every stored contact value but the note.
struct ContactField
{
    const char* key;
    pst_string pst_item_contact::*field;
};

const ContactField kContactFields[] = {
    {"firstName", &pst_item_contact::first_name},
    {"surname", &pst_item_contact::surname},
    {"jobTitle", &pst_item_contact::job_title},
    {"companyName", &pst_item_contact::company_name},
    {"department", &pst_item_contact::department},
    {"businessPhone", &pst_item_contact::business_phone},
    {"homePhone", &pst_item_contact::home_phone},
    {"mobilePhone", &pst_item_contact::mobile_phone},
    {"otherPhone", &pst_item_contact::other_phone},
    {"callbackPhone", &pst_item_contact::callback_phone},
    {"carPhone", &pst_item_contact::car_phone},
    {"primaryEmail", &pst_item_contact::address1},
    {"secondaryEmail", &pst_item_contact::address2},
    {"tertiaryEmail", &pst_item_contact::address3},
    {"primaryFax", &pst_item_contact::primary_fax},
    {"homeFax", &pst_item_contact::home_fax},
    {"businessFax", &pst_item_contact::business_fax},
    {"homeAddress", &pst_item_contact::home_address},
    {"businessAddress", &pst_item_contact::business_address},
    {"otherAddress", &pst_item_contact::other_address},
};

struct Row
{
    const char* caption;
    const char* key;
};

InfoSection section(const QString& title, std::initializer_list<Row> rows, const PstItem& item)
{
    InfoSection result{title, {}};
    for (const Row& row : rows)
        result.fields.append({row.caption[0] ? QObject::tr(row.caption) : QString(),
                              item.property(QLatin1String(row.key)).toString()});
    return result;
}

} // namespace

std::shared_ptr<PstContactItem> PstContactItem::creteFromPstItem(pst_desc_tree* node, pst_item* record)
{
    Q_UNUSED(node);
    if (!record || !record->contact)
        return nullptr;
    auto contact = std::make_shared<PstContactItem>();
    const int codePage = PstDataConverter::recordCodePage(record);
    contact->insertFromPstString(record->body, QStringLiteral("note"), codePage);
    contact->setRtfNote(MessageBody::hasOnlyRtfNote(record));
    contact->extractContactInfo(record->contact, codePage);
    // The names Outlook files a contact under when it has no first or last name.
    contact->insertFromPstString(record->contact->fullname, QStringLiteral("fullName"), codePage);
    contact->insertFromPstString(record->file_as, QStringLiteral("fileAs"), codePage);
    return contact;
}

void PstContactItem::extractContactInfo(pst_item_contact* contact, int codePage)
{
    if (!contact)
        return;
    for (const ContactField& field : kContactFields)
        insertFromPstString(contact->*field.field, QLatin1String(field.key), codePage);
}

QString PstContactItem::displayName() const
{
    const QString first = text("firstName");
    const QString last = text("surname");
    if (!first.isEmpty() || !last.isEmpty())
        return first + QLatin1Char(' ') + last;
    for (const char* key : {"fullName", "fileAs", "companyName", "primaryEmail"}) {
        const QString name = text(key).trimmed();
        if (!name.isEmpty())
            return name;
    }
    return QObject::tr("Empty name");
}

QString PstContactItem::subject() const
{
    return text("primaryEmail");
}

QString PstContactItem::icon() const
{
    return QStringLiteral(":/img/contact@3x.png");
}

std::shared_ptr<PstItem> PstContactItem::clone() const
{
    auto copy = std::make_shared<PstContactItem>();
    copyBaseFieldsTo(copy);
    return copy;
}

QList<InfoSection> PstContactItem::sections() const
{
    return {
        section(QObject::tr("Contact Name"),
                {{QT_TRANSLATE_NOOP("QObject", "First Name"), "firstName"},
                 {QT_TRANSLATE_NOOP("QObject", "Last Name"), "surname"}},
                *this),
        section(QObject::tr("Professional Information"),
                {{QT_TRANSLATE_NOOP("QObject", "Title"), "jobTitle"},
                 {QT_TRANSLATE_NOOP("QObject", "Company"), "companyName"},
                 {QT_TRANSLATE_NOOP("QObject", "Department"), "department"}},
                *this),
        section(QObject::tr("Phone Numbers"),
                {{QT_TRANSLATE_NOOP("QObject", "Business"), "businessPhone"},
                 {QT_TRANSLATE_NOOP("QObject", "Home"), "homePhone"},
                 {QT_TRANSLATE_NOOP("QObject", "Mobile"), "mobilePhone"},
                 {QT_TRANSLATE_NOOP("QObject", "Other"), "otherPhone"},
                 {QT_TRANSLATE_NOOP("QObject", "Callback"), "callbackPhone"},
                 {QT_TRANSLATE_NOOP("QObject", "Car"), "carPhone"}},
                *this),
        section(QObject::tr("Email Addresses"),
                {{QT_TRANSLATE_NOOP("QObject", "Email 1"), "primaryEmail"},
                 {QT_TRANSLATE_NOOP("QObject", "Email 2"), "secondaryEmail"},
                 {QT_TRANSLATE_NOOP("QObject", "Email 3"), "tertiaryEmail"}},
                *this),
        section(QObject::tr("Fax"),
                {{QT_TRANSLATE_NOOP("QObject", "Fax (Primary)"), "primaryFax"},
                 {QT_TRANSLATE_NOOP("QObject", "Fax (Home)"), "homeFax"},
                 {QT_TRANSLATE_NOOP("QObject", "Fax (Business)"), "businessFax"}},
                *this),
        section(QObject::tr("Addresses"),
                {{QT_TRANSLATE_NOOP("QObject", "Home Address"), "homeAddress"},
                 {QT_TRANSLATE_NOOP("QObject", "Business Address"), "businessAddress"},
                 {QT_TRANSLATE_NOOP("QObject", "Other Address"), "otherAddress"}},
                *this),
        {QObject::tr("Notes"), {{QString(), note()}}},
    };
}

QString PstContactItem::text(const char* key) const
{
    return property(QLatin1String(key)).toString();
}
