#pragma once

// English texts of the messages the services show, keyed by number.
// Callers translate them in the context "GLanguage":
//   QCoreApplication::translate("GLanguage", GLanguage::getString(GLanguage::NewestVersion))
class GLanguage
{
public:
    enum StringIndex {
        NetworkError = 1,
        Crashed = 3,
        SendCrashReport = 4,
        NewestVersion = 7,
        TooFrequent = 8,
    };

    // UTF-8 text of `index`; an index outside the table throws std::out_of_range.
    static const char* getString(StringIndex index);
};
