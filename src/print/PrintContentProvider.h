// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

class PstItem;

// The printable HTML page of an item that describes itself in sections
// (appointments, contacts, journal entries, tasks, sticky notes): the item's
// name as a heading, then each section with a value. Only reads the item,
// which must outlive the provider.
class PrintContentProvider
{
public:
    explicit PrintContentProvider(const PstItem* item);
    virtual ~PrintContentProvider();

    // The complete HTML document. Every text from the PST file is escaped,
    // so it prints as written and never as markup.
    virtual QString toHtml() const;

protected:
    const PstItem* m_item = nullptr;
};
