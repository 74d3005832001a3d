// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "SmimeContent.h"

#include <QJsonObject>

// The "smime" object of `show`: signatures, encryption and the parts of the
// unwrapped message.
class SmimeJson
{
public:
    static QJsonObject of(const SmimeContent& content);
};
