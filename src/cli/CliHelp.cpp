// SPDX-License-Identifier: GPL-2.0-or-later
#include "CliHelp.h"

#include <QStringList>

const QList<CliHelp::Command>& CliHelp::commands()
{
    static const QList<Command> table{
        {"tree", "FILE.pst", "Prints the folder tree as JSON: name, folder type, level and item count of each folder."},
        {"list", "FILE.pst",
         "Prints every folder with its items as JSON: kind, name, subject, date and duration of each item."},
        {"show", "FILE.pst PATH-OR-ID [--key FILE.p12 [--pass-env VAR]]",
         "Prints one item in full as JSON: its properties and sections, and a mail's attachments and body.\n"
         "PATH-OR-ID is an item path as `list` prints it or a descriptor id. A signed or encrypted (S/MIME)\n"
         "mail shows its content and an \"smime\" object: signer, signing time, whether the signature is\n"
         "valid and whether its certificate is trusted on this computer, for whom it is encrypted.\n"
         "--key decrypts it in memory with a PKCS #12 key, whose password is read from the environment\n"
         "variable VAR."},
        {"convert", "FILE.pst OUTDIR [--formats eml,vcf,ics,txt,ics2,tasks,mbox,maildir] [--keep-empty-folders] [--jobs N] [--folder PATH]...",
         "Writes one file per item into OUTDIR, in a folder tree that mirrors the PST file's, with a\n"
         "progress bar per format and a summary at the end; mbox writes one mailbox per folder, maildir a\n"
         "Maildir++ tree. Without --formats: eml,vcf,ics,txt,ics2,tasks. The one-file-per-item formats are\n"
         "written by N processes at once, sharing out the folders (default: one per processor core).\n"
         "--folder PATH (repeatable; a folder path as `tree` and `list` print it) converts only that folder\n"
         "and the folders below it.\n"
         "Exits 1 when any item could not be written or read."},
        {"export", "FILE.pst [--contacts] [--calendar]",
         "Hands the file's contacts and appointments to the desktop's address book and calendar\n"
         "(Evolution Data Server), into a book and a calendar of the file's own, named after the file and its\n"
         "folder. Exporting the file again updates what it stored before. Without options both.\n"
         "Exits 1 when any item was not stored or the service cannot be reached."},
        {"pdf", "FILE.pst PATH-OR-ID -o OUT.pdf [--key FILE.p12 [--pass-env VAR]]",
         "Writes the item's printed page as a PDF, laid out as the window's Print does. Needs no display.\n"
         "--key decrypts an encrypted (S/MIME) mail in memory, as for show.\n"
         "Exits 0 only when the PDF was written."},
    };
    return table;
}

QString CliHelp::programDescription()
{
    QString text = QStringLiteral("Reads Outlook data files (.pst, .ost) without a window.\n\nCommands:\n");
    for (const Command& command : commands())
        text += QStringLiteral("  %1 %2\n").arg(command.name, command.synopsis);
    text += QStringLiteral("\n`lumaroo-cli COMMAND --help` describes one command. Exit status: 0 success, "
                           "1 failure, 2 wrong use.");
    return text;
}

QString CliHelp::commandHelp(const QString& name)
{
    for (const Command& command : commands()) {
        if (command.name == name)
            return QStringLiteral("Usage: lumaroo-cli %1 %2\n\n%3\n").arg(command.name, command.synopsis, command.summary);
    }
    return QStringLiteral("Usage: lumaroo-cli %1 ARGS...\n").arg(name);
}

bool CliHelp::asksForHelp(const QStringList& args)
{
    for (const QString& arg : args) {
        if (arg == QLatin1String("--"))
            return false;
        if (arg == QLatin1String("--help") || arg == QLatin1String("-h"))
            return true;
    }
    return false;
}
