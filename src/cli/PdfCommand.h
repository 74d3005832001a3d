// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QStringList>

// `lumaroo-cli pdf FILE.pst PATH-OR-ID -o OUT.pdf`: the item's printed page
// as a PDF file, laid out by the same web engine page as in the window.
class PdfCommand
{
public:
    // Readies the process for the web engine; must run before the
    // application object exists. Without a display the engine draws
    // off screen; as root Chromium only starts without its sandbox.
    static void prepareApplication();
    // Exit status 0 only when the PDF was written.
    static int run(const QStringList& args);
};
