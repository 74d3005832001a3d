// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

// Reads back what the desktop's calendar and address-book service
// (Evolution Data Server, on the test's private session bus) holds, through
// its own client libraries.
namespace DesktopStore {

// How many local calendars / address books carry `title`.
int calendarCount(const QString& title);
int addressBookCount(const QString& title);
// The events of the calendar titled `title`, each as iCalendar text (VEVENT).
QList<QByteArray> events(const QString& title);
// The occurrences the calendar titled `title` shows between `from` and
// `to`, expanded by the calendar service itself, in start order: "start in
// the local zone (yyyy-MM-dd HH:mm) | summary | location".
QStringList occurrences(const QString& title, const QDateTime& from, const QDateTime& to);
// The contacts of the address book titled `title`, each as a vCard 3.0.
QList<QByteArray> contacts(const QString& title);
// The same attributes of a vCard as "NAME;PARAMS:value" lines, sorted, for
// field-by-field comparison.
QStringList cardFields(const QByteArray& vcard);

} // namespace DesktopStore
