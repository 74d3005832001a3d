// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <atomic>

namespace Morvek {

// The services' own interface language.
class IMVLanguageMgr
{
public:
    enum MVLanguageType {
        English = 0,
        Japanese = 1,
        French = 2,
        German = 3,
        Italian = 4,
        Spanish = 5,
        Portuguese = 6,
    };

    static void SetLanguageCode(MVLanguageType code);
    static MVLanguageType LanguageCode();

private:
    static std::atomic<int> s_code;
};

} // namespace Morvek
