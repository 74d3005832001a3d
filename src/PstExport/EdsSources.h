// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <libpst/libpst.h>

#include <functional>

typedef struct _EClient EClient;
typedef struct _GError GError;
typedef struct _ESource ESource;
typedef struct _ESourceRegistry ESourceRegistry;

// Evolution Data Server's source registry: the desktop's list of calendars
// and address books, reached on the session bus. Plain calls, usable from any
// thread; the caller owns what they return (g_object_unref).
class EdsSources
{
public:
    // The registry, or null (with *error set) when the session bus or the
    // registry service cannot be reached.
    static ESourceRegistry* openRegistry(QString* error);

    // A calendar or address book of one PST file: found by its UID, which
    // the file's store identity gives it, and titled so that a person tells
    // it from another file's of the same name.
    struct Target
    {
        QByteArray uid;
        QString title;
    };
    // The calendar / address book of the store in `file` (opened through
    // PstParser); a shared "PST Imported ..." one without a file.
    static Target calendarFor(const pst_file* file);
    static Target addressBookFor(const pst_file* file);

    // The calendar or address book (`extensionName`, E_SOURCE_EXTENSION_*)
    // with the target's UID, created in the local backend with the target's
    // title when there is none; null with *error set on failure.
    static ESource* findOrCreate(ESourceRegistry* registry, const char* extensionName, const Target& target,
                                 QString* error);

    // A client from `connect` (a call of e_cal_client_connect_sync or
    // e_book_client_connect_sync). A source created a moment ago reaches the
    // service's backend factories through their own copy of the registry,
    // which may not know it yet: the call is repeated for a few seconds
    // before it counts as failed. Null with *error set on failure.
    static EClient* connect(const std::function<EClient*(GError**)>& connect, QString* error);

    // The error's message ("unknown error" without one); frees the error.
    static QString takeMessage(GError* error);
};
