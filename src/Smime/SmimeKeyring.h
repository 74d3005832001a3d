// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QList>

#include <memory>

class SmimeKey;

// The keys the user chose in this session to read encrypted mail, so the
// mail view and printing both decrypt with them. Memory only: forgotten when
// the program ends. Any thread.
class SmimeKeyring
{
public:
    static void add(const std::shared_ptr<SmimeKey>& key);
    static QList<std::shared_ptr<SmimeKey>> keys();
    static void clear();
};
