#pragma once

#include <QObject>
#include <QString>

class QTranslator;

// The interface language: two translators (the program's texts and Qt's
// own), switched together among seven languages.
class MultiLanguage : public QObject
{
    Q_OBJECT
public:
    // Language indexes as stored under "language" and carried by the menu.
    enum Language {
        English = 1,
        French = 2,
        Portuguese = 3,
        Italian = 4,
        German = 5,
        Spanish = 6,
        Japanese = 7,
    };

    // Creates and installs both translators, empty (English).
    explicit MultiLanguage(QObject* parent = nullptr);

    // The process-wide instance, created on first use and kept until exit.
    static MultiLanguage* instance();

    // Switches to the stored language (English when none or out of range).
    void initAppLanguage();
    // Loads both translators for `index` (anything outside 2…7 is English),
    // delivers the language change to every widget before returning, and
    // emits languageChanged(). Does not store the index.
    void languageSwitch(int index);
    // The index now in use (1…7).
    int currentLanguage() const { return m_current; }
    // The same page for every language.
    QString multilingualLink(const QString& link) const;

    // The language's short code ("en", "fr", ...); English outside 1…7.
    static QString languageCode(int index);

    static MultiLanguage* m_instance;

signals:
    void languageChanged();

private:
    QTranslator* m_appTranslator = nullptr;
    QTranslator* m_qtTranslator = nullptr;
    int m_current = English;
};
