#include "MultiLanguage.h"

#include "AppConfig.h"
#include "IMVLanguageMgr.h"
#include "IMVUpdatesService.h"
#include "Log.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

namespace {

struct LanguageRow
{
    int index;
    const char* code;
    Morvek::IMVLanguageMgr::MVLanguageType serviceCode;
};

const LanguageRow kLanguages[] = {
    {MultiLanguage::English, "en", Morvek::IMVLanguageMgr::English},
    {MultiLanguage::French, "fr", Morvek::IMVLanguageMgr::French},
    {MultiLanguage::Portuguese, "pt", Morvek::IMVLanguageMgr::Portuguese},
    {MultiLanguage::Italian, "it", Morvek::IMVLanguageMgr::Italian},
    {MultiLanguage::German, "de", Morvek::IMVLanguageMgr::German},
    {MultiLanguage::Spanish, "es", Morvek::IMVLanguageMgr::Spanish},
    {MultiLanguage::Japanese, "ja", Morvek::IMVLanguageMgr::Japanese},
};

const LanguageRow& rowFor(int index)
{
    for (const LanguageRow& row : kLanguages) {
        if (row.index == index)
            return row;
    }
    return kLanguages[0];
}

// Portuguese follows Brazilian usage, like Qt's own catalogue for it.
QLocale localeFor(const LanguageRow& row)
{
    if (row.index == MultiLanguage::Portuguese)
        return QLocale(QLocale::Portuguese, QLocale::Brazil);
    if (row.index == MultiLanguage::English)
        return QLocale(QLocale::English, QLocale::UnitedStates);
    return QLocale(QString::fromLatin1(row.code));
}

// Loading replaces what the translator held; a missing file leaves it empty.
void loadInto(QTranslator* translator, const QString& path)
{
    // English needs no file of its own: the texts are written in it.
    if (!translator->load(path) && !path.endsWith(QLatin1String("_en.qm")))
        Log::warn(QStringLiteral("Translation not found: %1").arg(path));
}

} // namespace

MultiLanguage* MultiLanguage::m_instance = nullptr;

MultiLanguage* MultiLanguage::instance()
{
    if (!m_instance)
        m_instance = new MultiLanguage();
    return m_instance;
}

MultiLanguage::MultiLanguage(QObject* parent)
    : QObject(parent)
    , m_appTranslator(new QTranslator(this))
    , m_qtTranslator(new QTranslator(this))
{
    QCoreApplication::installTranslator(m_qtTranslator);
    QCoreApplication::installTranslator(m_appTranslator);
}

void MultiLanguage::initAppLanguage()
{
    languageSwitch(AppConfig::instance()->getLanguageVal());
}

void MultiLanguage::languageSwitch(int index)
{
    const LanguageRow& row = rowFor(index);
    const QString code = QString::fromLatin1(row.code);
    loadInto(m_appTranslator, QStringLiteral(":/translations/language/Translation_%1.qm").arg(code));
    loadInto(m_qtTranslator, QStringLiteral(":/translations/language/qt_%1.qm").arg(code));
    m_current = row.index;
    QLocale::setDefault(localeFor(row));
    // Loading posts the change; deliver it now so every window shows the new
    // language by the time the caller goes on.
    QCoreApplication::sendPostedEvents(QCoreApplication::instance(), QEvent::LanguageChange);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    Log::info(QStringLiteral("Interface language: %1").arg(code));
    emit languageChanged();

    auto updates = Morvek::IMVUpdatesService::Shared();
    updates->Setup(updates->ProductMeta(), true);
    Morvek::IMVLanguageMgr::SetLanguageCode(row.serviceCode);
}

QString MultiLanguage::multilingualLink(const QString& link) const
{
    return link;
}

QString MultiLanguage::languageCode(int index)
{
    return QString::fromLatin1(rowFor(index).code);
}
