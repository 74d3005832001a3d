// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

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

    // The calendar or address book (`extensionName`, E_SOURCE_EXTENSION_*)
    // titled `title` in the local backend, created there when there is none;
    // null with *error set on failure.
    static ESource* findOrCreate(ESourceRegistry* registry, const char* extensionName, const QString& title,
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
