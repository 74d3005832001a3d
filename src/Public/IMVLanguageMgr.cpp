// SPDX-License-Identifier: GPL-2.0-or-later
#include "IMVLanguageMgr.h"

namespace Morvek {

std::atomic<int> IMVLanguageMgr::s_code{IMVLanguageMgr::English};

void IMVLanguageMgr::SetLanguageCode(MVLanguageType code)
{
    s_code = code;
}

IMVLanguageMgr::MVLanguageType IMVLanguageMgr::LanguageCode()
{
    return static_cast<MVLanguageType>(s_code.load());
}

} // namespace Morvek
