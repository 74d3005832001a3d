// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QObject>
#include <QStringList>
#include <QVariant>

class QSettings;

// The user's lasting preferences: interface language and the folders the open
// and save dialogs start in. Every setter writes through at once.
class AppConfig : public QObject
{
    Q_OBJECT
public:
    explicit AppConfig(QObject* parent = nullptr);

    // The process-wide instance, created on first use and kept until exit.
    static AppConfig* instance();

    int getLanguageVal() const;            // default 1 (English)
    void setLanguageVal(int language);
    QString getLastOpenPath() const;       // default: the home folder
    void setLastOpenPath(const QString& path);
    QString getLastSavePath() const;       // default: the documents folder
    void setLastSavePath(const QString& path);

    // Window state and other values kept between runs, under `key`.
    QVariant value(const QString& key, const QVariant& fallback = QVariant()) const;
    void setValue(const QString& key, const QVariant& value);
    // The files opened last, newest first; at most kRecentFiles.
    QStringList recentFiles() const;
    void addRecentFile(const QString& path);
    void setRecentFiles(const QStringList& paths);
    static constexpr int kRecentFiles = 8;
    static AppConfig* m_instance;

private:
    QSettings* m_settings = nullptr;
};
