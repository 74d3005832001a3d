// SPDX-License-Identifier: GPL-2.0-or-later
#include "PstContactItem.h"

#include "MessageBody.h"
#include "ContactDate.h"
#include "PstDataConverter.h"

#include <QLocale>
#include <QObject>

namespace {

// Property key and libpst field of every stored contact value but the note.
struct ContactField
{
    const char* key;
    pst_string pst_item_contact::*field;
};

const ContactField kContactFields[] = {
    {"namePrefix", &pst_item_contact::display_name_prefix},
    {"firstName", &pst_item_contact::first_name},
    {"middleName", &pst_item_contact::middle_name},
    {"surname", &pst_item_contact::surname},
    {"suffix", &pst_item_contact::suffix},
    {"nickname", &pst_item_contact::nickname},
    {"jobTitle", &pst_item_contact::job_title},
    {"companyName", &pst_item_contact::company_name},
    {"department", &pst_item_contact::department},
    {"officeLocation", &pst_item_contact::office_loc},
    {"profession", &pst_item_contact::profession},
    {"managerName", &pst_item_contact::manager_name},
    {"assistantName", &pst_item_contact::assistant_name},
    {"primaryPhone", &pst_item_contact::primary_phone},
    {"businessPhone", &pst_item_contact::business_phone},
    {"businessPhone2", &pst_item_contact::business_phone2},
    {"companyMainPhone", &pst_item_contact::company_main_phone},
    {"homePhone", &pst_item_contact::home_phone},
    {"homePhone2", &pst_item_contact::home_phone2},
    {"mobilePhone", &pst_item_contact::mobile_phone},
    {"pagerPhone", &pst_item_contact::pager_phone},
    {"assistantPhone", &pst_item_contact::assistant_phone},
    {"otherPhone", &pst_item_contact::other_phone},
    {"callbackPhone", &pst_item_contact::callback_phone},
    {"carPhone", &pst_item_contact::car_phone},
    {"radioPhone", &pst_item_contact::radio_phone},
    {"isdnPhone", &pst_item_contact::isdn_phone},
    {"ttyPhone", &pst_item_contact::ttytdd_phone},
    {"telex", &pst_item_contact::telex},
    {"primaryEmail", &pst_item_contact::address1},
    {"secondaryEmail", &pst_item_contact::address2},
    {"tertiaryEmail", &pst_item_contact::address3},
    {"primaryFax", &pst_item_contact::primary_fax},
    {"homeFax", &pst_item_contact::home_fax},
    {"businessFax", &pst_item_contact::business_fax},
    {"homeAddress", &pst_item_contact::home_address},
    {"businessAddress", &pst_item_contact::business_address},
    {"otherAddress", &pst_item_contact::other_address},
    {"businessHomePage", &pst_item_contact::business_homepage},
    {"personalHomePage", &pst_item_contact::personal_homepage},
    {"spouseName", &pst_item_contact::spouse_name},
    {"hobbies", &pst_item_contact::hobbies},
};

// The parts of a postal address, for contacts that keep no formatted one.
struct AddressParts
{
    const char* key;
    pst_string pst_item_contact::*street;
    pst_string pst_item_contact::*poBox;
    pst_string pst_item_contact::*postalCode;
    pst_string pst_item_contact::*city;
    pst_string pst_item_contact::*state;
    pst_string pst_item_contact::*country;
};

const AddressParts kAddressParts[] = {
    {"homeAddress", &pst_item_contact::home_street, &pst_item_contact::home_po_box,
     &pst_item_contact::home_postal_code, &pst_item_contact::home_city, &pst_item_contact::home_state,
     &pst_item_contact::home_country},
    {"businessAddress", &pst_item_contact::business_street, &pst_item_contact::business_po_box,
     &pst_item_contact::business_postal_code, &pst_item_contact::business_city, &pst_item_contact::business_state,
     &pst_item_contact::business_country},
    {"otherAddress", &pst_item_contact::other_street, &pst_item_contact::other_po_box,
     &pst_item_contact::other_postal_code, &pst_item_contact::other_city, &pst_item_contact::other_state,
     &pst_item_contact::other_country},
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

// "Street, PO box, postal code city, state, country" on lines of their own,
// as an envelope shows them.
QString composedAddress(const pst_item_contact& contact, const AddressParts& parts, int codePage)
{
    const auto text = [&](pst_string pst_item_contact::*field) {
        return PstDataConverter::toQString(contact.*field, codePage).trimmed();
    };
    const QString cityLine = QStringList{text(parts.postalCode), text(parts.city)}.join(QLatin1Char(' ')).trimmed();
    QStringList lines{text(parts.street), text(parts.poBox), cityLine, text(parts.state), text(parts.country)};
    lines.removeAll(QString());
    return lines.join(QLatin1Char('\n'));
}

QString longDate(const QVariant& date)
{
    return date.toDate().isValid() ? QLocale().toString(date.toDate(), QLocale::LongFormat) : QString();
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
    for (const AddressParts& parts : kAddressParts) {
        if (!text(parts.key).isEmpty())
            continue;
        const QString address = composedAddress(*contact, parts, codePage);
        if (!address.isEmpty())
            insertProperty(QLatin1String(parts.key), address);
    }
    const QDate birthday = ContactDate::intendedDate(contact->birthday);
    if (birthday.isValid())
        insertProperty(QStringLiteral("birthday"), birthday);
    const QDate anniversary = ContactDate::intendedDate(contact->wedding_anniversary);
    if (anniversary.isValid())
        insertProperty(QStringLiteral("anniversary"), anniversary);
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
    QList<InfoSection> result{
        section(QObject::tr("Contact Name"),
                {{QT_TRANSLATE_NOOP("QObject", "Prefix"), "namePrefix"},
                 {QT_TRANSLATE_NOOP("QObject", "First Name"), "firstName"},
                 {QT_TRANSLATE_NOOP("QObject", "Middle Name"), "middleName"},
                 {QT_TRANSLATE_NOOP("QObject", "Last Name"), "surname"},
                 {QT_TRANSLATE_NOOP("QObject", "Suffix"), "suffix"},
                 {QT_TRANSLATE_NOOP("QObject", "Nickname"), "nickname"}},
                *this),
        section(QObject::tr("Professional Information"),
                {{QT_TRANSLATE_NOOP("QObject", "Title"), "jobTitle"},
                 {QT_TRANSLATE_NOOP("QObject", "Company"), "companyName"},
                 {QT_TRANSLATE_NOOP("QObject", "Department"), "department"},
                 {QT_TRANSLATE_NOOP("QObject", "Office"), "officeLocation"},
                 {QT_TRANSLATE_NOOP("QObject", "Profession"), "profession"},
                 {QT_TRANSLATE_NOOP("QObject", "Manager"), "managerName"},
                 {QT_TRANSLATE_NOOP("QObject", "Assistant"), "assistantName"}},
                *this),
        section(QObject::tr("Phone Numbers"),
                {{QT_TRANSLATE_NOOP("QObject", "Primary"), "primaryPhone"},
                 {QT_TRANSLATE_NOOP("QObject", "Business"), "businessPhone"},
                 {QT_TRANSLATE_NOOP("QObject", "Business 2"), "businessPhone2"},
                 {QT_TRANSLATE_NOOP("QObject", "Company Main"), "companyMainPhone"},
                 {QT_TRANSLATE_NOOP("QObject", "Home"), "homePhone"},
                 {QT_TRANSLATE_NOOP("QObject", "Home 2"), "homePhone2"},
                 {QT_TRANSLATE_NOOP("QObject", "Mobile"), "mobilePhone"},
                 {QT_TRANSLATE_NOOP("QObject", "Pager"), "pagerPhone"},
                 {QT_TRANSLATE_NOOP("QObject", "Assistant"), "assistantPhone"},
                 {QT_TRANSLATE_NOOP("QObject", "Other"), "otherPhone"},
                 {QT_TRANSLATE_NOOP("QObject", "Callback"), "callbackPhone"},
                 {QT_TRANSLATE_NOOP("QObject", "Car"), "carPhone"},
                 {QT_TRANSLATE_NOOP("QObject", "Radio"), "radioPhone"},
                 {QT_TRANSLATE_NOOP("QObject", "ISDN"), "isdnPhone"},
                 {QT_TRANSLATE_NOOP("QObject", "TTY/TDD"), "ttyPhone"},
                 {QT_TRANSLATE_NOOP("QObject", "Telex"), "telex"}},
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
        section(QObject::tr("Web Pages"),
                {{QT_TRANSLATE_NOOP("QObject", "Business Web Page"), "businessHomePage"},
                 {QT_TRANSLATE_NOOP("QObject", "Personal Web Page"), "personalHomePage"}},
                *this),
        section(QObject::tr("Personal Information"),
                {{QT_TRANSLATE_NOOP("QObject", "Spouse"), "spouseName"},
                 {QT_TRANSLATE_NOOP("QObject", "Hobbies"), "hobbies"}},
                *this),
        {QObject::tr("Notes"), {{QString(), note()}}},
    };
    // Dates read in the user's language, at the head of the personal section.
    InfoSection& personal = result[result.size() - 2];
    personal.fields.prepend({QObject::tr("Anniversary"), longDate(property(QStringLiteral("anniversary")))});
    personal.fields.prepend({QObject::tr("Birthday"), longDate(property(QStringLiteral("birthday")))});
    return result;
}

QString PstContactItem::text(const char* key) const
{
    return property(QLatin1String(key)).toString();
}
