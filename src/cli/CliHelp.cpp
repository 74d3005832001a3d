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
        {"index", "FILE.pst [--jobs N]",
         "Builds the file's search index in the user's cache folder, or finds it complete and keeps it.\n"
         "A file changed since it was indexed is indexed anew; a half-built or damaged index is rebuilt. The\n"
         "items are read by N processes at once (default: one per processor core); progress goes to stderr.\n"
         "When another process is building the same index, waits for it.\n"
         "Exits 1 when the index cannot be saved (the cache folder not writable, the disk full), 2 when the\n"
         "file cannot be read."},
        {"search", "FILE.pst QUERY [--limit N] [--json] [--sort best|newest|oldest]",
         "Searches every folder of the file through its search index (built first when missing, with\n"
         "progress on stderr) and prints the hits, best first: folder path, id, kind, date, subject and\n"
         "sender on one line, then a few words around the match, the matched words in [brackets]; --json\n"
         "gives the same with the matches as ranges. --limit caps the hits (default 500).\n"
         "The query:\n"
         "  word word        items holding every word (in any field; case and accents ignored)\n"
         "  \"a phrase\"      the words side by side\n"
         "  -word           items without the word\n"
         "  from:word       in the sender's name or address\n"
         "  to:word         in the recipients' names or addresses (To, Cc, Bcc)\n"
         "  subject:word    in the subject\n"
         "  has:attachment  items with attachments\n"
         "  kind:mail|contact|appointment|task|note|journal\n"
         "  after:2019-03-01 before:2019-04-01   by date: after: includes its day, before: does not\n"
         "  folder:Inbox    in folders whose name or path holds the text\n"
         "A word may end in * to match its beginning (invo* finds invoice). An index still incomplete is\n"
         "searched as it is, with a note on stderr.\n"
         "Exits 0 with hits, 1 with none, 2 when the query or the file cannot be read."},
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
