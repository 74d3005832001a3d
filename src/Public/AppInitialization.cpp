// SPDX-License-Identifier: GPL-2.0-or-later
#include "AppInitialization.h"

#include "IMVLogConfig.h"
#include "IMVProductMeta.h"
#include "IMVSentryService.h"
#include "IMVUpdatesService.h"
#include "Log.h"
#include "ProductConstants.h"
#include "UserFolders.h"

#include <openssl/crypto.h>

AppInitialization* AppInitialization::m_instance = nullptr;

AppInitialization* AppInitialization::instance()
{
    if (!m_instance)
        m_instance = new AppInitialization();
    return m_instance;
}

AppInitialization::AppInitialization()
{
    // Before anything starts OpenSSL (export digests, S/MIME, the network):
    // worker threads free their OpenSSL state as they end, which may be
    // while the program exits, so its shared state must outlive exit().
    OPENSSL_init_crypto(OPENSSL_INIT_NO_ATEXIT, nullptr);
    initMvBaseService();
    initSentryService();
}

void AppInitialization::initMvBaseService()
{
    Morvek::IMVLogConfig::InitializeLogConfig(UserFolders::logDir().toUtf8().toStdString());
    Log::info("Program startup: initialization in progress...");

    auto meta = Morvek::IMVProductMeta::MallocProductMeta(g_product_id.toUtf8().toStdString());
    meta->SetVersion(g_version.toUtf8().toStdString());
    meta->SetOrganization(g_organization.toUtf8().toStdString());
    Morvek::IMVUpdatesService::Shared()->Setup(meta, true);
}

void AppInitialization::initSentryService()
{
    Morvek::IMVSentryService::StartSentryWith(g_sentry_sdk_dsn.toUtf8().toStdString());
}

void AppInitialization::release()
{
    Log::info("Program is exiting.");
    Morvek::IMVSentryService::EndSentry();
    if (m_instance == this)
        m_instance = nullptr;
    delete this;
}
