// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "PrintContentProvider.h"

class PstMailItem;

// The printable HTML page of a mail: subject, sender and recipients between
// two rules, then the mail's own display HTML (inline pictures included).
class MailPrintProvider : public PrintContentProvider
{
public:
    explicit MailPrintProvider(const PstMailItem* mail);

    // Header values are escaped; the body stays the mail's HTML. Reads the
    // body from the open PST file: GUI thread only.
    QString toHtml() const override;
};
