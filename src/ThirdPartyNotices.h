// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>

class QWidget;

// Lumaroo's licence and the notices of the libraries and pictures it uses,
// kept in one resource (":/licences/notices.html") and shown in a dialog
// from the Help menu and the About box.
class ThirdPartyNotices
{
    Q_DECLARE_TR_FUNCTIONS(ThirdPartyNotices)

public:
    // The notices as HTML; empty when the resource is missing.
    static QString html();
    // A modeless window with the notices, deleted when closed.
    static void showDialog(QWidget* parent);
};
