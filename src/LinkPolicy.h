// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QUrl>

// Which links of a mail the program hands to the desktop.
namespace LinkPolicy {

// True for http, https and mailto links only.
bool mayOpen(const QUrl& link);

} // namespace LinkPolicy
