// SPDX-License-Identifier: GPL-2.0-or-later
#include "IMVUpdatesService.h"

#include "IMVLogConfig.h"

namespace Morvek {

std::shared_ptr<IMVUpdatesService> IMVUpdatesService::Shared()
{
    static const std::shared_ptr<IMVUpdatesService> instance = std::make_shared<IMVUpdatesService>();
    return instance;
}

void IMVUpdatesService::Setup(const std::shared_ptr<IMVProductMeta>& meta, bool checkInCurrentLanguage)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_meta = meta;
    m_inCurrentLanguage = checkInCurrentLanguage;
}

std::shared_ptr<IMVProductMeta> IMVUpdatesService::ProductMeta() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_meta;
}

bool IMVUpdatesService::IsSetUp() const
{
    return ProductMeta() != nullptr;
}

bool IMVUpdatesService::CheckForUpdates(const std::shared_ptr<void>&)
{
    IMVLogConfig::Warning("Update check not possible: this build has no update feed configured.");
    return false;
}

} // namespace Morvek
