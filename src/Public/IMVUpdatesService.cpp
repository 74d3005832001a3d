#include "IMVUpdatesService.h"

#include "IMVLogConfig.h"
#include "UpdateChecker.h"

#include <QCoreApplication>

namespace Morvek {

std::shared_ptr<IMVUpdatesService> IMVUpdatesService::Shared()
{
    static const std::shared_ptr<IMVUpdatesService> instance = std::make_shared<IMVUpdatesService>();
    return instance;
}

IMVUpdatesService::~IMVUpdatesService() = default; // the checker belongs to the application object

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

void IMVUpdatesService::SetPresenter(Presenter presenter)
{
    m_presenter = std::move(presenter);
}

bool IMVUpdatesService::CheckForUpdates(const std::shared_ptr<void>&)
{
    const auto meta = ProductMeta();
    if (!meta || !QCoreApplication::instance()) {
        IMVLogConfig::Warning("Update check not possible: the update service is not set up.");
        return false;
    }
    if (!m_checker) {
        m_checker = new UpdateChecker(QCoreApplication::instance());
        QObject::connect(m_checker, &QObject::destroyed, [this] { m_checker = nullptr; });
        QObject::connect(m_checker, &UpdateChecker::finished, [this](const UpdateCheckResult& result) {
            if (m_presenter)
                m_presenter(result);
        });
    }
    if (!m_checker->start(UpdateChecker::feedUrl(), QString::fromStdString(meta->Version()))) {
        IMVLogConfig::Info("Update check already running.");
        return false;
    }
    return true;
}

} // namespace Morvek
