// SPDX-License-Identifier: GPL-2.0-or-later
#include "CancelToken.h"

void CancelToken::cancel()
{
    m_cancelled.store(true, std::memory_order_release);
}

bool CancelToken::isCancelled() const
{
    return m_cancelled.load(std::memory_order_acquire);
}
