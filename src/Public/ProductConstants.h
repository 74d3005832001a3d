#pragma once

#include <QString>

// The product's fixed identity. Every file that includes this header gets its
// own copy of the constants.
static const QString g_product_id = QStringLiteral("10016");
static const QString g_version = QStringLiteral("5.0.0");
static const QString g_organization = QStringLiteral("Tavrel");
static const QString g_product_name = QStringLiteral("Lumaroo");

// Per-user folders, relative to the user's data folder (see UserFolders).
static const QString g_configDirPath = QStringLiteral("/Tavrel/Lumaroo/Config/");
static const QString g_logDirPath = QStringLiteral("/Tavrel/Lumaroo/Log/");
static const QString g_tempDirPath = QStringLiteral("/Tavrel/Lumaroo/Temp/");

// Crash reports stay on this machine; there is no collection endpoint.
static const QString g_sentry_sdk_dsn = QString();

static const QString g_link_product = QStringLiteral("https://www.tavrel.com/lumaroo/");
static const QString g_link_guide = QStringLiteral("https://www.tavrel.com/lumaroo/guide/");
static const QString g_link_support = QStringLiteral("https://www.tavrel.com/support/");
static const QString g_link_faq = g_link_support;
// The release list the update check reads (AppStream <releases> markup).
// LUMAROO_UPDATE_FEED_URL overrides it, for tests and mirrors.
static const QString g_link_update_feed = QStringLiteral("https://www.tavrel.com/lumaroo/releases.xml");

// The PRODID line of every calendar the writers produce, in plain C for them.
#define LUMAROO_ICAL_PRODID "PRODID:-//Tavrel//Lumaroo 5.0.0//EN"
