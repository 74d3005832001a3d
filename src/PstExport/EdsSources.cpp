// SPDX-License-Identifier: GPL-2.0-or-later
// GLib's headers must come before Qt's: Qt defines "signals" as a keyword.
#include <libedataserver/libedataserver.h>

#include "EdsSources.h"

#include "StoreIdentity.h"

#include <QDir>
#include <QFile>

namespace {

constexpr char kLocalBackend[] = "local";
// The registry's built-in parent of every local calendar and address book.
constexpr char kLocalParent[] = "local-stub";
// The colour new calendars get, as the desktop's blue.
constexpr char kCalendarColour[] = "#3584e4";

// Up to five seconds for a new source to reach the backend factories.
constexpr int kConnectAttempts = 50;
constexpr gulong kConnectPauseMicroseconds = 100000;

// The path the file was opened from, made absolute against the folder
// libpst was opened in.
QString openedPath(const pst_file* file)
{
    if (!file || !file->fname)
        return QString();
    const QString name = QFile::decodeName(file->fname);
    return file->cwd ? QDir(QFile::decodeName(file->cwd)).absoluteFilePath(name) : name;
}

EdsSources::Target targetFor(const pst_file* file, const char* kind, const QString& fallbackTitle)
{
    const QString identity = StoreIdentity::of(file);
    const QString path = openedPath(file);
    if (identity.isEmpty() || path.isEmpty())
        return {QByteArray("lumaroo-") + kind + "-imported", fallbackTitle};
    return {QByteArray("lumaroo-") + kind + '-' + identity.toLatin1(), StoreIdentity::displayTitle(path)};
}

} // namespace

ESourceRegistry* EdsSources::openRegistry(QString* error)
{
    GError* failure = nullptr;
    ESourceRegistry* registry = e_source_registry_new_sync(nullptr, &failure);
    if (!registry && error)
        *error = EdsSources::takeMessage(failure);
    else
        g_clear_error(&failure);
    // On a session bus where no registry service runs (or can be started)
    // the client still opens, empty: the service's own local source, which
    // it always has, tells that it is really there.
    ESource* local = registry ? e_source_registry_ref_source(registry, kLocalParent) : nullptr;
    if (registry && !local) {
        g_object_unref(registry);
        registry = nullptr;
        if (error)
            *error = QStringLiteral("no address book and calendar service answers on the session bus");
    }
    if (local)
        g_object_unref(local);
    return registry;
}

EdsSources::Target EdsSources::calendarFor(const pst_file* file)
{
    return targetFor(file, "calendar", QStringLiteral("PST Imported Calendar"));
}

EdsSources::Target EdsSources::addressBookFor(const pst_file* file)
{
    return targetFor(file, "contacts", QStringLiteral("PST Imported Contacts"));
}

ESource* EdsSources::findOrCreate(ESourceRegistry* registry, const char* extensionName, const Target& target,
                                  QString* error)
{
    if (ESource* existing = e_source_registry_ref_source(registry, target.uid.constData())) {
        if (e_source_has_extension(existing, extensionName))
            return existing;
        g_object_unref(existing);
        if (error)
            *error = QStringLiteral("the source %1 is not of the expected kind").arg(QString::fromLatin1(target.uid));
        return nullptr;
    }
    const QByteArray name = target.title.toUtf8();
    ESource* scratch = e_source_new_with_uid(target.uid.constData(), nullptr, nullptr);
    e_source_set_parent(scratch, kLocalParent);
    e_source_set_display_name(scratch, name.constData());
    auto* backend = E_SOURCE_BACKEND(e_source_get_extension(scratch, extensionName));
    e_source_backend_set_backend_name(backend, kLocalBackend);
    if (g_strcmp0(extensionName, E_SOURCE_EXTENSION_CALENDAR) == 0)
        e_source_selectable_set_color(E_SOURCE_SELECTABLE(backend), kCalendarColour);

    GError* failure = nullptr;
    GList* list = g_list_prepend(nullptr, scratch);
    // Blocks until the registry has announced the new source.
    const bool created = e_source_registry_create_sources_sync(registry, list, nullptr, &failure);
    g_list_free(list);
    const QByteArray uid = e_source_get_uid(scratch);
    g_object_unref(scratch);
    if (!created) {
        if (error)
            *error = EdsSources::takeMessage(failure);
        return nullptr;
    }
    ESource* source = e_source_registry_ref_source(registry, uid.constData());
    if (!source && error)
        *error = QStringLiteral("the new source %1 did not appear in the registry").arg(QString::fromUtf8(uid));
    return source;
}

EClient* EdsSources::connect(const std::function<EClient*(GError**)>& connect, QString* error)
{
    for (int attempt = 1;; ++attempt) {
        GError* failure = nullptr;
        if (EClient* client = connect(&failure))
            return client;
        if (attempt == kConnectAttempts) {
            *error = EdsSources::takeMessage(failure);
            return nullptr;
        }
        g_clear_error(&failure);
        g_usleep(kConnectPauseMicroseconds);
    }
}

QString EdsSources::takeMessage(GError* error)
{
    const QString message = error ? QString::fromUtf8(error->message) : QStringLiteral("unknown error");
    g_clear_error(&error);
    return message;
}
