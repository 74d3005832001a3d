// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// Brings the services up when created (log, product metadata, update
// service, crash reporting) and down again in release().
class AppInitialization
{
public:
    // The process-wide instance, created on first use.
    static AppInitialization* instance();

    // Logs "Program is exiting.", ends crash reporting and destroys the instance.
    void release();

private:
    AppInitialization();
    void initMvBaseService();
    void initSentryService();

    static AppInitialization* m_instance;
};
