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

// Adds the contacts (`known`: replaces the ones of the same UIDs); returns
// how many the book stored. A refused batch is retried one contact at a
// time, so one bad card costs only itself.
int storeContacts(EBookClient* client, const QList<EContact*>& contacts, bool known)
{
    if (contacts.isEmpty())
        return 0;
    GSList* list = nullptr;
    for (EContact* contact : contacts)
        list = g_slist_prepend(list, contact);
    list = g_slist_reverse(list);
    GError* error = nullptr;
    const bool added =
        known ? e_book_client_modify_contacts_sync(client, list, E_BOOK_OPERATION_FLAG_NONE, nullptr, &error)
              : e_book_client_add_contacts_sync(client, list, E_BOOK_OPERATION_FLAG_NONE, nullptr, nullptr, &error);
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
        stored += storeContacts(client, {contact}, known);
    return stored;
}

int storeAndRelease(EBookClient* client, QList<EContact*>* batch, bool known)
{
    const int stored = storeContacts(client, *batch, known);
    for (EContact* contact : std::as_const(*batch))
        g_object_unref(contact);
    batch->clear();
    return stored;
}

EBookClient* connectBook(const EdsSources::Target& book)
{
    QString error;
    ESourceRegistry* registry = EdsSources::openRegistry(&error);
    ESource* source =
        registry ? EdsSources::findOrCreate(registry, E_SOURCE_EXTENSION_ADDRESS_BOOK, book, &error) : nullptr;
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

QByteArray ContactImporter::uidOf(const QByteArray& card)
{
    for (const QByteArray& line : card.split('\n')) {
        const QByteArray trimmed = line.trimmed();
        if (trimmed.size() > 4 && trimmed.left(4).toUpper() == "UID:")
            return trimmed.mid(4);
    }
    return "lumaroo-" + QCryptographicHash::hash(card, QCryptographicHash::Sha1).toHex();
}

bool ContactImporter::importVCardFile(const QString& path, const EdsSources::Target& book, Result* result)
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
    const EdsSources::Target target =
        book.uid.isEmpty() ? EdsSources::addressBookFor(nullptr) : book;
    EBookClient* client = cards.isEmpty() ? nullptr : connectBook(target);
    if (client) {
        QSet<QByteArray> known = existingUids(client);
        // New contacts are added, those of an earlier export replaced.
        QList<EContact*> fresh;
        QList<EContact*> changed;
        for (const QByteArray& card : cards) {
            const QByteArray uid = uidOf(card);
            EContact* contact = e_contact_new_from_vcard_with_uid(card.constData(), uid.constData());
            const bool isKnown = known.contains(uid);
            known.insert(uid);
            QList<EContact*>& batch = isKnown ? changed : fresh;
            batch.append(contact);
            if (batch.size() == kBatchSize)
                counts.stored += storeAndRelease(client, &batch, isKnown);
        }
        counts.stored += storeAndRelease(client, &fresh, false);
        counts.stored += storeAndRelease(client, &changed, true);
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
