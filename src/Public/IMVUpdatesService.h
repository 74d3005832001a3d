// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "IMVProductMeta.h"

#include <memory>
#include <mutex>

namespace Morvek {

// Keeps the product metadata for update checks. There is no update feed for
// this build: CheckForUpdates reports that through its result and the log and
// never claims the program is up to date.
class IMVUpdatesService
{
public:
    static std::shared_ptr<IMVUpdatesService> Shared();

    // Remembers the product; `checkInCurrentLanguage` asks later checks to
    // present themselves in the current interface language.
    void Setup(const std::shared_ptr<IMVProductMeta>& meta, bool checkInCurrentLanguage);
    std::shared_ptr<IMVProductMeta> ProductMeta() const;
    bool IsSetUp() const;

    // False when no check could be made (no update feed is configured).
    bool CheckForUpdates(const std::shared_ptr<void>& context);

private:
    mutable std::mutex m_mutex;
    std::shared_ptr<IMVProductMeta> m_meta;
    bool m_inCurrentLanguage = false;
};

} // namespace Morvek
