// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

// What the dialog and lumaroo-cli show for one format of the export engine.
// Texts are untranslated; the dialog translates them in its own context.
struct ExportFormat
{
    QString key;           // "eml", "vcf", ...: what the engine is given
    QString caption;       // the check box: "Mails", "Contacts", ...
    QString progressLabel; // the progress bar: "Emails", "Contacts", ...
    QString extension;     // of the files written: "eml", "ics", ...
    QString appCaption;    // where app mode hands the items over; empty: files only
    bool byDefault = true; // chosen unless the user unchecks it
};
