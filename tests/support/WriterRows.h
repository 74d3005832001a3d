// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// What the writer tests expect of a text, in one string list per row:
// "=TEXT" the whole text, "^TEXT" its start, "$TEXT" its end, "!TEXT" absent,
// "2*TEXT" exactly that many times, anything else contained. Checks of the
// independent parsers' JSON read "a.0.b=value" ("a.#" is an array's size).

#include <QJsonArray>
#include <QJsonObject>
#include <QtTest>

inline QString expectationFailure(const QByteArray& text, const QByteArrayList& expect)
{
    for (const QByteArray& e : expect) {
        const QByteArray body = e.mid(1);
        const bool ok = e.startsWith('=') ? text == body
                        : e.startsWith('^') ? text.startsWith(body)
                        : e.startsWith('$') ? text.endsWith(body)
                        : e.startsWith('!') ? !text.contains(body)
                        : e.size() > 2 && e[1] == '*' ? text.count(e.mid(2)) == e[0] - '0'
                                                      : text.contains(e);
        if (!ok)
            return QString::fromUtf8("expected " + e + " in:\n" + text);
    }
    return QString();
}

inline QString jsonAt(QJsonValue value, const QString& path)
{
    for (const QString& key : path.split(QLatin1Char('.'))) {
        if (key == QLatin1String("#"))
            return QString::number(value.toArray().size());
        value = value.isArray() ? value.toArray().at(key.toInt()) : value.toObject().value(key);
    }
    return value.isDouble() ? QString::number(value.toDouble()) : value.isBool() ? QString::number(value.toBool())
           : value.isNull() ? QStringLiteral("null") : value.toString(QStringLiteral("<missing>"));
}

inline QString checkFailure(const QJsonObject& parsed, const QStringList& checks)
{
    if (parsed.contains("error"))
        return parsed["error"].toString();
    for (const QString& check : checks) {
        const QString path = check.section(QLatin1Char('='), 0, 0);
        const QString expected = check.section(QLatin1Char('='), 1);
        if (jsonAt(parsed, path) != expected)
            return path + QStringLiteral(": ") + jsonAt(parsed, path) + QStringLiteral(" != ") + expected;
    }
    return QString();
}
