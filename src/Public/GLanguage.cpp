#include "GLanguage.h"

#include <QtGlobal>

#include <map>

const char* GLanguage::getString(StringIndex index)
{
    // The markers let lupdate collect the texts into the "GLanguage" context.
    static const std::map<int, const char*> table = {
        {NetworkError, QT_TRANSLATE_NOOP("GLanguage", "Error network, please check your connection!")},
        {Crashed, QT_TRANSLATE_NOOP("GLanguage", "The program gets crashed.")},
        {SendCrashReport, QT_TRANSLATE_NOOP("GLanguage", "Please send the crash report to the developer. (%1)")},
        {NewestVersion, QT_TRANSLATE_NOOP("GLanguage", "is currently the newest version available.")},
        {TooFrequent, QT_TRANSLATE_NOOP("GLanguage", "Requests are too frequent, please try again later.")},
    };
    return table.at(index);
}
