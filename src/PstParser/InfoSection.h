// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "InfoField.h"

#include <QList>
#include <QString>

// A titled group of an item's labelled values, in display order.
struct InfoSection
{
    QString title;
    QList<InfoField> fields;
};
