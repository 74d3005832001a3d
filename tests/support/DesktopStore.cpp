// SPDX-License-Identifier: GPL-2.0-or-later
// GLib's headers must come before Qt's: Qt defines "signals" as a keyword.
#include <libebook/libebook.h>
#include <libecal/libecal.h>

#include "DesktopStore.h"

#include <QStringList>

namespace {

QList<ESource*> sourcesTitled(const char* extension, const QString& title)
{
    QList<ESource*> found;
    ESourceRegistry* registry = e_source_registry_new_sync(nullptr, nullptr);
    if (!registry)
        return found;
    GList* sources = e_source_registry_list_sources(registry, extension);
    for (GList* it = sources; it; it = it->next) {
        if (QString::fromUtf8(e_source_get_display_name(E_SOURCE(it->data))) == title)
            found.append(E_SOURCE(g_object_ref(it->data)));
    }
    g_list_free_full(sources, g_object_unref);
    g_object_unref(registry);
    return found;
}

int countAndRelease(const QList<ESource*>& sources)
{
    for (ESource* source : sources)
        g_object_unref(source);
    return int(sources.size());
}

} // namespace

namespace DesktopStore {

int calendarCount(const QString& title)
{
    return countAndRelease(sourcesTitled(E_SOURCE_EXTENSION_CALENDAR, title));
}

int addressBookCount(const QString& title)
{
    return countAndRelease(sourcesTitled(E_SOURCE_EXTENSION_ADDRESS_BOOK, title));
}

QList<QByteArray> events(const QString& title)
{
    QList<QByteArray> texts;
    const QList<ESource*> sources = sourcesTitled(E_SOURCE_EXTENSION_CALENDAR, title);
    for (ESource* source : sources) {
        EClient* client = e_cal_client_connect_sync(source, E_CAL_CLIENT_SOURCE_TYPE_EVENTS, guint32(-1), nullptr,
                                                    nullptr);
        GSList* objects = nullptr;
        if (client && e_cal_client_get_object_list_sync(E_CAL_CLIENT(client), "#t", &objects, nullptr, nullptr)) {
            for (GSList* it = objects; it; it = it->next) {
                gchar* text = i_cal_component_as_ical_string(I_CAL_COMPONENT(it->data));
                texts.append(QByteArray(text));
                g_free(text);
            }
        }
        g_slist_free_full(objects, g_object_unref);
        g_clear_object(&client);
    }
    countAndRelease(sources);
    return texts;
}

QStringList occurrences(const QString& title, const QDateTime& from, const QDateTime& to)
{
    QStringList shown;
    const QList<ESource*> sources = sourcesTitled(E_SOURCE_EXTENSION_CALENDAR, title);
    for (ESource* source : sources) {
        EClient* client = e_cal_client_connect_sync(source, E_CAL_CLIENT_SOURCE_TYPE_EVENTS, guint32(-1), nullptr,
                                                    nullptr);
        if (!client)
            continue;
        auto add = [](ICalComponent* component, ICalTime* start, ICalTime*, gpointer data, GCancellable*, GError**) {
            const QDateTime when = QDateTime::fromSecsSinceEpoch(i_cal_time_as_timet_with_zone(
                start, i_cal_time_get_timezone(start)), Qt::UTC);
            const char* location = i_cal_component_get_location(component);
            static_cast<QStringList*>(data)->append(
                QStringLiteral("%1 | %2 | %3")
                    .arg(when.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")),
                         QString::fromUtf8(i_cal_component_get_summary(component)),
                         QString::fromUtf8(location ? location : "")));
            return gboolean(TRUE);
        };
        e_cal_client_generate_instances_sync(E_CAL_CLIENT(client), from.toSecsSinceEpoch(), to.toSecsSinceEpoch(),
                                             nullptr, add, &shown);
        g_object_unref(client);
    }
    countAndRelease(sources);
    shown.sort();
    return shown;
}

QList<QByteArray> contacts(const QString& title)
{
    QList<QByteArray> cards;
    const QList<ESource*> sources = sourcesTitled(E_SOURCE_EXTENSION_ADDRESS_BOOK, title);
    for (ESource* source : sources) {
        EClient* client = e_book_client_connect_sync(source, guint32(-1), nullptr, nullptr);
        GSList* list = nullptr;
        EBookQuery* query = e_book_query_any_field_contains("");
        gchar* sexp = e_book_query_to_string(query);
        if (client && e_book_client_get_contacts_sync(E_BOOK_CLIENT(client), sexp, &list, nullptr, nullptr)) {
            for (GSList* it = list; it; it = it->next) {
                gchar* text = e_vcard_to_string(E_VCARD(it->data), EVC_FORMAT_VCARD_30);
                cards.append(QByteArray(text));
                g_free(text);
            }
        }
        g_slist_free_full(list, g_object_unref);
        g_free(sexp);
        e_book_query_unref(query);
        g_clear_object(&client);
    }
    countAndRelease(sources);
    return cards;
}

QStringList cardFields(const QByteArray& vcard)
{
    QStringList fields;
    EVCard* card = e_vcard_new_from_string(vcard.constData());
    for (GList* it = e_vcard_get_attributes(card); it; it = it->next) {
        auto* attribute = static_cast<EVCardAttribute*>(it->data);
        const QString name = QString::fromUtf8(e_vcard_attribute_get_name(attribute)).toUpper();
        // Bookkeeping the address book adds or the format demands.
        if (name == QLatin1String("UID") || name == QLatin1String("VERSION") || name == QLatin1String("REV") ||
            name.startsWith(QLatin1String("X-EVOLUTION")))
            continue;
        QStringList values;
        for (GList* v = e_vcard_attribute_get_values(attribute); v; v = v->next)
            values.append(QString::fromUtf8(static_cast<const char*>(v->data)));
        QStringList params;
        for (GList* p = e_vcard_attribute_get_params(attribute); p; p = p->next) {
            auto* param = static_cast<EVCardAttributeParam*>(p->data);
            if (QByteArray(e_vcard_attribute_param_get_name(param)).toUpper().startsWith("X-EVOLUTION"))
                continue;
            QStringList paramValues;
            for (GList* pv = e_vcard_attribute_param_get_values(param); pv; pv = pv->next)
                paramValues.append(QString::fromUtf8(static_cast<const char*>(pv->data)).toLower());
            paramValues.sort();
            params.append(QString::fromUtf8(e_vcard_attribute_param_get_name(param)).toUpper() + QLatin1Char('=') +
                          paramValues.join(QLatin1Char(',')));
        }
        params.sort();
        fields.append(name + QLatin1Char(';') + params.join(QLatin1Char(';')) + QLatin1Char(':') +
                      values.join(QLatin1Char(';')));
    }
    g_object_unref(card);
    fields.sort();
    return fields;
}

} // namespace DesktopStore
