// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <atomic>

// The cancellation flag of one export run, shared by the manager and all of
// the run's tasks. Set on the main thread, read on the pool thread; once set
// it stays set.
class CancelToken
{
public:
    void cancel();
    bool isCancelled() const;

private:
    std::atomic<bool> m_cancelled{false};
};
