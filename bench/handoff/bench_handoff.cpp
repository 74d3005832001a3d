// SPDX-License-Identifier: GPL-2.0-or-later
// Hands a written PST of appointments and contacts to the desktop calendar
// and address book (a real Evolution Data Server on a private session bus)
// with lumaroo-cli export, and prints items per second for each kind; as the
// reference, the same items converted to .ics and .vcf files.
//
// usage: bench_handoff [--items N]   (default 5000 appointments + 5000 contacts)

#include "PrivateSessionBus.h"
#include "PstWriter.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

PstDescription calendarAndContacts(int count)
{
    PstFolder calendar{QStringLiteral("Calendar"), QStringLiteral("IPF.Appointment"), {}, {}};
    PstFolder contacts{QStringLiteral("Contacts"), QStringLiteral("IPF.Contact"), {}, {}};
    const QDateTime first(QDate(2024, 1, 1), QTime(9, 0), Qt::UTC);
    for (int i = 0; i < count; ++i) {
        PstMessage appointment;
        appointment.kind = PstMessage::Kind::Appointment;
        appointment.subject = QStringLiteral("Meeting %1").arg(i);
        appointment.body = QStringLiteral("Agenda of meeting %1.").arg(i);
        appointment.location = QStringLiteral("Room %1").arg(i % 40);
        appointment.start = first.addSecs(3600LL * i);
        appointment.end = appointment.start.addSecs(1800);
        appointment.reminderSet = i % 2 == 0;
        if (i % 10 == 0) {
            appointment.recurrence.kind = PstRecurrence::Weekly;
            appointment.recurrence.weekDays = 1 << (1 + i % 5);
            appointment.recurrence.count = 10;
        }
        calendar.messages.append(appointment);

        PstMessage contact;
        contact.kind = PstMessage::Kind::Contact;
        contact.subject = QStringLiteral("Person %1").arg(i);
        contact.contact = {{QStringLiteral("first_name"), QStringLiteral("Person")},
                           {QStringLiteral("surname"), QStringLiteral("Number %1").arg(i)},
                           {QStringLiteral("fullname"), QStringLiteral("Person Number %1").arg(i)},
                           {QStringLiteral("address1"), QStringLiteral("person%1@example.com").arg(i)},
                           {QStringLiteral("business_phone"), QStringLiteral("+1 555 %1").arg(i, 4, 10, QLatin1Char('0'))},
                           {QStringLiteral("company_name"), QStringLiteral("Example %1").arg(i % 50)}};
        contacts.messages.append(contact);
    }
    PstDescription description;
    description.folders = {calendar, contacts};
    return description;
}

double timedRun(const QStringList& args, QString* output)
{
    QProcess cli;
    QElapsedTimer timer;
    timer.start();
    cli.start(QStringLiteral(LUMAROO_CLI), args);
    cli.waitForFinished(-1);
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    *output = QString::fromUtf8(cli.readAllStandardOutput()).trimmed();
    if (cli.exitCode() != 0)
        *output += QStringLiteral(" (exit status %1)").arg(cli.exitCode());
    return seconds;
}

} // namespace

int main(int argc, char** argv)
{
    if (!PrivateSessionBus::active())
        return PrivateSessionBus::rerun(argc, argv);
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int index = int(args.indexOf(QStringLiteral("--items")));
    const int count = index >= 0 && index + 1 < args.size() ? args.at(index + 1).toInt() : 5000;
    QTextStream out(stdout);

    QTemporaryDir dir;
    const QString pst = dir.filePath(QStringLiteral("Bench.pst"));
    QString error;
    if (!PstWriter::write(calendarAndContacts(count), pst, &error)) {
        out << "cannot write the PST file: " << error << "\n";
        return 1;
    }
    out << "bench_handoff: " << count << " appointments + " << count << " contacts\n";
    struct Case
    {
        const char* name;
        QStringList args;
    };
    const QList<Case> cases = {
        {"calendar (EDS)", {QStringLiteral("export"), pst, QStringLiteral("--calendar")}},
        {"contacts (EDS)", {QStringLiteral("export"), pst, QStringLiteral("--contacts")}},
        {"calendar again (EDS, replaces)", {QStringLiteral("export"), pst, QStringLiteral("--calendar")}},
        {"reference: .ics files", {QStringLiteral("convert"), pst, dir.filePath(QStringLiteral("ics")),
                                   QStringLiteral("--formats"), QStringLiteral("ics")}},
        {"reference: .vcf files", {QStringLiteral("convert"), pst, dir.filePath(QStringLiteral("vcf")),
                                   QStringLiteral("--formats"), QStringLiteral("vcf")}},
    };
    for (const Case& each : cases) {
        QString output;
        const double seconds = timedRun(each.args, &output);
        out << QStringLiteral("%1: %2 s, %3 items/s  [%4]\n")
                   .arg(QLatin1String(each.name), -32)
                   .arg(seconds, 0, 'f', 2)
                   .arg(count / seconds, 0, 'f', 0)
                   .arg(output.section(QLatin1Char('\n'), -1));
    }
    return 0;
}
