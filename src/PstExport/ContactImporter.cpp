// SPDX-License-Identifier: GPL-2.0-or-later
// GLib's headers must come before Qt's: Qt defines "signals" as a keyword.
#include <libebook/libebook.h>

#include "ContactImporter.h"

#include "EdsSources.h"
#include "Log.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QSet>

namespace {

// Local books and calendars are files of the factory: nothing to wait for
// (the value that says "do not wait").
constexpr guint32 kDoNotWaitForConnection = guint32(-1);
// Contacts per call to the address book: large enough to be quick, small
// enough that one refused contact costs little to find.
constexpr int kBatchSize = 200;

// The same card exported again gets the same UID, so a second export finds
// it in the book instead of doubling it.
QByteArray uidFor(const QByteArray& card)
{
    return "lumaroo-" + QCryptographicHash::hash(card, QCryptographicHash::Sha1).toHex();
}

QSet<QByteArray> existingUids(EBookClient* client)
{
    QSet<QByteArray> uids;
    GSList* list = nullptr;
    EBookQuery* query = e_book_query_any_field_contains("");
    gchar* sexp = e_book_query_to_string(query);
    if (e_book_client_get_contacts_uids_sync(client, sexp, &list, nullptr, nullptr)) {
        for (GSList* it = list; it; it = it->next)
            uids.insert(QByteArray(static_cast<const char*>(it->data)));
    }
    g_slist_free_full(list, g_free);
    g_free(sexp);
    e_book_query_unref(query);
    return uids;
}

// Adds the contacts; returns how many the book stored. A refused batch is
// retried one contact at a time, so one bad card costs only itself.
int addContacts(EBookClient* client, const QList<EContact*>& contacts)
{
    if (contacts.isEmpty())
        return 0;
    GSList* list = nullptr;
    for (EContact* contact : contacts)
        list = g_slist_prepend(list, contact);
    list = g_slist_reverse(list);
    GError* error = nullptr;
    const bool added = e_book_client_add_contacts_sync(client, list, E_BOOK_OPERATION_FLAG_NONE, nullptr, nullptr,
                                                       &error);
    g_slist_free(list);
    if (added)
        return int(contacts.size());
    if (contacts.size() == 1) {
        const char* name = static_cast<const char*>(e_contact_get_const(contacts.first(), E_CONTACT_FULL_NAME));
        Log::warn(QStringLiteral("The address book did not store the contact \"%1\": %2")
                      .arg(QString::fromUtf8(name ? name : ""), EdsSources::takeMessage(error)));
        return 0;
    }
    g_clear_error(&error);
    int stored = 0;
    for (EContact* contact : contacts)
        stored += addContacts(client, {contact});
    return stored;
}

int addAndRelease(EBookClient* client, QList<EContact*>* batch)
{
    const int stored = addContacts(client, *batch);
    for (EContact* contact : std::as_const(*batch))
        g_object_unref(contact);
    batch->clear();
    return stored;
}

EBookClient* connectBook(const QString& title)
{
    QString error;
    ESourceRegistry* registry = EdsSources::openRegistry(&error);
    ESource* source =
        registry ? EdsSources::findOrCreate(registry, E_SOURCE_EXTENSION_ADDRESS_BOOK, title, &error) : nullptr;
    EClient* client = nullptr;
    if (source) {
        client = EdsSources::connect(
            [source](GError** failure) {
                return e_book_client_connect_sync(source, kDoNotWaitForConnection, nullptr, failure);
            },
            &error);
        g_object_unref(source);
    }
    if (registry)
        g_object_unref(registry);
    if (!client)
        Log::warn(QStringLiteral("Create address book failed = %1").arg(error));
    return client ? E_BOOK_CLIENT(client) : nullptr;
}

} // namespace

QList<QByteArray> ContactImporter::splitCards(const QByteArray& text)
{
    QList<QByteArray> cards;
    QByteArray card;
    for (const QByteArray& line : text.split('\n')) {
        if (line.trimmed().isEmpty() && card.isEmpty())
            continue;
        card += line + '\n';
        if (line.trimmed().compare("END:VCARD", Qt::CaseInsensitive) == 0) {
            cards.append(card);
            card.clear();
        }
    }
    return cards;
}

bool ContactImporter::importVCardFile(const QString& path, const QString& bookTitle, Result* result)
{
    Result counts;
    QFile file(path);
    if (!file.exists() || QFileInfo(path).suffix().toLower() != QLatin1String("vcf") ||
        !file.open(QIODevice::ReadOnly)) {
        Log::warn(QStringLiteral("Invalid VCF file: %1").arg(path));
        if (result)
            *result = counts;
        return false;
    }
    const QList<QByteArray> cards = splitCards(file.readAll());
    counts.cards = int(cards.size());
    EBookClient* client = cards.isEmpty() ? nullptr
                                          : connectBook(bookTitle.isEmpty() ? QStringLiteral("PST Imported Contacts")
                                                                            : bookTitle);
    if (client) {
        const QSet<QByteArray> known = existingUids(client);
        QList<EContact*> batch;
        for (const QByteArray& card : cards) {
            const QByteArray uid = uidFor(card);
            if (known.contains(uid)) {
                ++counts.stored;
                continue;
            }
            EContact* contact = e_contact_new_from_vcard_with_uid(card.constData(), uid.constData());
            batch.append(contact);
            if (batch.size() == kBatchSize)
                counts.stored += addAndRelease(client, &batch);
        }
        counts.stored += addAndRelease(client, &batch);
        g_object_unref(client);
    }
    if (result)
        *result = counts;
    if (counts.failed() > 0)
        Log::warn(QStringLiteral("The address book stored %1 of %2 contacts of %3.")
                      .arg(counts.stored)
                      .arg(counts.cards)
                      .arg(path));
    return counts.cards > 0 && counts.failed() == 0;
}
