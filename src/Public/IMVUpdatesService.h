#pragma once

#include "IMVProductMeta.h"

#include <functional>
#include <memory>
#include <mutex>

struct UpdateCheckResult;
class UpdateChecker;

namespace Morvek {

// Keeps the product metadata and runs manual update checks against the
// release feed (UpdateChecker::feedUrl()). The outcome goes to the presenter
// the interface installs, or only to the log when there is none.
class IMVUpdatesService
{
public:
    using Presenter = std::function<void(const UpdateCheckResult&)>;

    static std::shared_ptr<IMVUpdatesService> Shared();
    ~IMVUpdatesService();

    // Remembers the product; `checkInCurrentLanguage` asks later checks to
    // present themselves in the current interface language.
    void Setup(const std::shared_ptr<IMVProductMeta>& meta, bool checkInCurrentLanguage);
    std::shared_ptr<IMVProductMeta> ProductMeta() const;
    bool IsSetUp() const;

    void SetPresenter(Presenter presenter);

    // Starts a check on the calling (GUI) thread's event loop; the presenter
    // receives the outcome later. False when no check could be started
    // (not set up, no application object, or a check is already running).
    bool CheckForUpdates(const std::shared_ptr<void>& context);

private:
    mutable std::mutex m_mutex;
    std::shared_ptr<IMVProductMeta> m_meta;
    bool m_inCurrentLanguage = false;
    Presenter m_presenter;
    UpdateChecker* m_checker = nullptr;
};

} // namespace Morvek
