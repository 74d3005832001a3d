// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QObject>

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

    static AppConfig* m_instance;

private:
    QSettings* m_settings = nullptr;
};
