// SPDX-License-Identifier: GPL-2.0-or-later
#include "AppConfig.h"

#include "ProductConstants.h"

#include <QCoreApplication>
#include <QDir>
#include <QSettings>
#include <QStandardPaths>

AppConfig* AppConfig::m_instance = nullptr;

AppConfig* AppConfig::instance()
{
    if (!m_instance)
        m_instance = new AppConfig();
    return m_instance;
}

AppConfig::AppConfig(QObject* parent)
    : QObject(parent)
{
    QCoreApplication::setOrganizationName(g_organization);
    QCoreApplication::setApplicationName(QString(g_product_name).remove(QLatin1Char(' ')));
    m_settings = new QSettings(QSettings::NativeFormat, QSettings::UserScope,
                               QCoreApplication::organizationName(), QCoreApplication::applicationName(), this);
    m_settings->setFallbacksEnabled(false);
}

int AppConfig::getLanguageVal() const
{
    return m_settings->value(QStringLiteral("language"), 1).toInt();
}

void AppConfig::setLanguageVal(int language)
{
    m_settings->setValue(QStringLiteral("language"), language);
    m_settings->sync();
}

QString AppConfig::getLastOpenPath() const
{
    return m_settings->value(QStringLiteral("LastOpenPath"), QDir::homePath()).toString();
}

void AppConfig::setLastOpenPath(const QString& path)
{
    m_settings->setValue(QStringLiteral("LastOpenPath"), path);
    m_settings->sync();
}

QString AppConfig::getLastSavePath() const
{
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty())
        documents = QDir::homePath();
    return m_settings->value(QStringLiteral("LastSavePath"), documents).toString();
}

void AppConfig::setLastSavePath(const QString& path)
{
    m_settings->setValue(QStringLiteral("LastSavePath"), path);
    m_settings->sync();
}

QVariant AppConfig::value(const QString& key, const QVariant& fallback) const
{
    return m_settings->value(key, fallback);
}

void AppConfig::setValue(const QString& key, const QVariant& value)
{
    m_settings->setValue(key, value);
    m_settings->sync();
}

QStringList AppConfig::recentFiles() const
{
    return m_settings->value(QStringLiteral("RecentFiles")).toStringList();
}

void AppConfig::addRecentFile(const QString& path)
{
    QStringList paths = recentFiles();
    paths.removeAll(path);
    paths.prepend(path);
    setRecentFiles(paths);
}

void AppConfig::setRecentFiles(const QStringList& paths)
{
    setValue(QStringLiteral("RecentFiles"), QStringList(paths.mid(0, kRecentFiles)));
}
