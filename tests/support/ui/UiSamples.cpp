// SPDX-License-Identifier: GPL-2.0-or-later
#include "UiSamples.h"

#include "PstWriter.h"

#include <QBuffer>
#include <QRandomGenerator>
#include <QDir>
#include <QImage>
#include <QTest>
#include <QTimeZone>

namespace UiSamples {

namespace {

QDateTime utc(int year, int month, int day, int hour, int minute)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute), QTimeZone::utc());
}

PstMessage mail(const QString& senderName, const QString& senderAddress, const QString& subject,
                const QDateTime& sent)
{
    PstMessage message;
    message.kind = PstMessage::Kind::Mail;
    message.senderName = senderName;
    message.senderAddress = senderAddress;
    message.subject = subject;
    message.sentTime = sent;
    message.deliveryTime = sent.addSecs(60);
    message.recipients = {{QStringLiteral("Charles Babbage"), QStringLiteral("charles@example.org")}};
    return message;
}

PstMessage htmlMail()
{
    PstMessage message = mail(QStringLiteral("Ada Lovelace"), QStringLiteral("ada@example.org"),
                              QStringLiteral("Notes on the Analytical Engine"), utc(2023, 3, 14, 9, 30));
    message.recipients.append({QStringLiteral("Mary Somerville"), QStringLiteral("mary@example.org"), QStringLiteral("SMTP"),
                               PstRecipient::Cc});
    message.htmlBody =
        "<html><head><style>body{font-family:sans-serif;color:#222;margin:18px}"
        "h2{color:#3f6fc4}td{padding:4px 10px;border-bottom:1px solid #ddd}</style></head><body>"
        "<h2>Notes on the Analytical Engine</h2>"
        "<p>Dear Charles,</p>"
        "<p>Here are my notes for Thursday. The engine weaves algebraic patterns just as the "
        "Jacquard loom weaves flowers and leaves.</p>"
        "<table><tr><td><b>Note</b></td><td><b>Topic</b></td></tr>"
        "<tr><td>A</td><td>The engine and its operations</td></tr>"
        "<tr><td>G</td><td>Bernoulli numbers</td></tr></table>"
        "<p><img src=\"cid:diagram1\" width=\"120\" height=\"60\" alt=\"diagram\"></p>"
        "<p>See the <a href=\"https://example.org/engine\">engine page</a> for the drawings.</p>"
        "<p>Ada</p></body></html>";
    message.body = QStringLiteral("Dear Charles, here are my notes for Thursday.");
    PstAttachment diagram;
    diagram.longName = QStringLiteral("diagram.png");
    diagram.mimeType = QStringLiteral("image/png");
    diagram.contentId = QStringLiteral("diagram1");
    diagram.data = solidPng(120, 60, "#3aa39a");
    PstAttachment notes;
    notes.longName = QStringLiteral("notes.txt");
    notes.mimeType = QStringLiteral("text/plain");
    notes.data = QByteArray("Note A\nNote G\n");
    message.attachments = {diagram, notes};
    return message;
}

PstMessage contact(const QMap<QString, QString>& fields, const QString& subject)
{
    PstMessage message;
    message.kind = PstMessage::Kind::Contact;
    message.subject = subject;
    message.contact = fields;
    return message;
}

PstFolder folder(const QString& name, const QString& containerClass, const QList<PstMessage>& messages = {})
{
    PstFolder result;
    result.name = name;
    result.containerClass = containerClass;
    result.messages = messages;
    return result;
}

} // namespace

QByteArray solidPng(int width, int height, const char* colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(QString::fromLatin1(colour)));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

PstDescription mailbox()
{
    PstMessage plain = mail(QStringLiteral("Grace Hopper"), QStringLiteral("grace@example.org"),
                            QStringLiteral("Compiler meeting moved"), utc(2023, 3, 15, 14, 5));
    plain.body = QStringLiteral("The meeting moves to 3 pm.\nBring <your> notes & questions.");
    PstMessage third = mail(QStringLiteral("alan turing"), QStringLiteral("alan@example.org"),
                            QStringLiteral("Morphogenesis draft"), utc(2023, 3, 16, 8, 0));
    third.body = QStringLiteral("Draft attached later.");
    PstMessage fourth = mail(QStringLiteral("Katherine Johnson"), QStringLiteral("katherine@example.org"),
                             QStringLiteral("Trajectory figures"), utc(2023, 3, 17, 16, 45));
    fourth.body = QStringLiteral("Figures checked twice.");

    PstMessage helen = contact({{QStringLiteral("first_name"), QStringLiteral("Helen")},
                                {QStringLiteral("surname"), QStringLiteral("Contact")},
                                {QStringLiteral("fullname"), QStringLiteral("Helen Contact")},
                                {QStringLiteral("job_title"), QStringLiteral("Chief Engineer")},
                                {QStringLiteral("company_name"), QStringLiteral("Example Ltd")},
                                {QStringLiteral("business_phone"), QStringLiteral("+1 555 0101")},
                                {QStringLiteral("mobile_phone"), QStringLiteral("+1 555 0105")},
                                {QStringLiteral("address1"), QStringLiteral("helen@example.com")},
                                {QStringLiteral("address1_desc"), QStringLiteral("Helen (Work)")},
                                {QStringLiteral("address1_transport"), QStringLiteral("SMTP")},
                                {QStringLiteral("business_street"), QStringLiteral("1 Work Road")},
                                {QStringLiteral("business_city"), QStringLiteral("Worktown")},
                                {QStringLiteral("business_postal_code"), QStringLiteral("11111")}},
                               QStringLiteral("Helen Contact"));
    helen.body = QStringLiteral("Met at the conference.");
    PstMessage ivan = contact({{QStringLiteral("first_name"), QStringLiteral("Ivan")},
                               {QStringLiteral("mobile_phone"), QStringLiteral("+7 555 0199")}},
                              QStringLiteral("Ivan"));

    PstMessage review;
    review.kind = PstMessage::Kind::Appointment;
    review.subject = QStringLiteral("Design review");
    review.location = QStringLiteral("Room 4.12");
    review.start = utc(2023, 4, 3, 9, 0);
    review.end = utc(2023, 4, 3, 10, 30);
    review.body = QStringLiteral("Walk through the new folder tree and the item list.");
    review.reminderSet = true;

    PstMessage notesTask;
    notesTask.kind = PstMessage::Kind::Task;
    notesTask.subject = QStringLiteral("Write release notes");
    notesTask.taskStatus = 1;
    notesTask.percentComplete = 0.5;
    notesTask.taskStart = utc(2023, 4, 1, 8, 0);
    notesTask.taskDue = utc(2023, 4, 7, 17, 0);
    notesTask.estimatedWorkMinutes = 480;
    notesTask.owner = QStringLiteral("Ada Lovelace");
    notesTask.body = QStringLiteral("Cover the new viewer and the converter.");
    PstMessage expenses;
    expenses.kind = PstMessage::Kind::Task;
    expenses.subject = QStringLiteral("File expenses");
    expenses.taskStatus = 2;
    expenses.percentComplete = 1.0;
    expenses.complete = true;
    expenses.taskStart = utc(2023, 3, 20, 8, 0);

    PstMessage sticky;
    sticky.kind = PstMessage::Kind::StickyNote;
    sticky.subject = QStringLiteral("Buy printer paper");
    sticky.body = QStringLiteral("Buy printer paper");
    sticky.creationTime = utc(2023, 3, 21, 12, 0);

    PstMessage call;
    call.kind = PstMessage::Kind::Journal;
    call.subject = QStringLiteral("Call with the printer vendor");
    call.journalType = QStringLiteral("Phone call");
    call.start = utc(2023, 3, 22, 10, 0);
    call.end = utc(2023, 3, 22, 10, 20);
    call.durationMinutes = 20;
    call.creationTime = utc(2023, 3, 22, 10, 25);

    PstFolder archive = folder(QStringLiteral("Archive"), QStringLiteral("IPF.Note"));
    PstFolder year = folder(QStringLiteral("2019"), QStringLiteral("IPF.Note"));
    year.folders.append(folder(QStringLiteral("Q4"), QStringLiteral("IPF.Note"),
                               {mail(QStringLiteral("Old Sender"), QStringLiteral("old@example.org"),
                                     QStringLiteral("Year-end figures"), utc(2019, 12, 20, 10, 0))}));
    archive.folders.append(year);

    PstDescription description;
    description.storeName = QStringLiteral("Ada's Mailbox");
    description.folders = {
        folder(QStringLiteral("Inbox"), QStringLiteral("IPF.Note"), {htmlMail(), plain, third, fourth}),
        folder(QStringLiteral("Contacts"), QStringLiteral("IPF.Contact"), {helen, ivan}),
        folder(QStringLiteral("Calendar"), QStringLiteral("IPF.Appointment"), {review}),
        folder(QStringLiteral("Tasks"), QStringLiteral("IPF.Task"), {notesTask, expenses}),
        folder(QStringLiteral("Notes"), QStringLiteral("IPF.StickyNote"), {sticky}),
        folder(QStringLiteral("Journal"), QStringLiteral("IPF.Journal"), {call}),
        archive,
        folder(QStringLiteral("Empty"), QStringLiteral("IPF.Note")),
    };
    return description;
}

PstDescription singleHtmlMail(const QByteArray& html, const QString& subject)
{
    PstMessage message = mail(QStringLiteral("Mallory"), QStringLiteral("mallory@example.net"), subject,
                              utc(2023, 5, 1, 12, 0));
    message.htmlBody = html;
    PstDescription description;
    description.folders = {folder(QStringLiteral("Inbox"), QStringLiteral("IPF.Note"), {message})};
    return description;
}

PstDescription browsing()
{
    auto dated = [](const QString& sender, const QString& address, const QString& subject) {
        PstMessage message = mail(sender, address, subject, utc(2024, 5, 6, 7, 8));
        message.body = subject;
        message.recipients.clear();
        return message;
    };
    PstMessage withAttachedMail = dated(QStringLiteral("Forwarder"), QStringLiteral("fwd@example.org"), QStringLiteral("Item 10"));
    PstAttachment attached;
    attached.embedded = std::make_shared<PstMessage>(
        dated(QStringLiteral("Inner Sender"), QStringLiteral("inner@example.org"), QStringLiteral("The attached one")));
    withAttachedMail.attachments = {attached};
    PstMessage note;
    note.kind = PstMessage::Kind::StickyNote;
    note.subject = QStringLiteral("Café opening hours");
    PstMessage call;
    call.kind = PstMessage::Kind::Journal;
    call.subject = QStringLiteral("Phone call");
    call.start = utc(2024, 2, 3, 10, 0);
    call.end = call.start.addSecs(600);
    PstDescription description;
    description.folders = {
        folder(QStringLiteral("Inbox"), QStringLiteral("IPF.Note"),
               {dated(QStringLiteral("Microsoft"), QStringLiteral("news@microsoft.example"), QStringLiteral("Microsoft update")),
                dated(QStringLiteral("Zoë Ångström"), QStringLiteral("zoe@example.org"), QStringLiteral("check results")),
                dated(QStringLiteral("Web Team"), QStringLiteral("web@example.org"), QStringLiteral("HTML newsletter")),
                withAttachedMail,
                dated(QStringLiteral("Numbers"), QStringLiteral("numbers@example.org"), QStringLiteral("Item 9")),
                dated(QStringLiteral("Baker"), QStringLiteral("baker@example.org"), QStringLiteral("Éclair recipe"))}),
        folder(QStringLiteral("Notes"), QStringLiteral("IPF.StickyNote"), {note}),
        folder(QStringLiteral("Journal"), QStringLiteral("IPF.Journal"), {call}),
        folder(QStringLiteral("Reminders"), QStringLiteral("Outlook.Reminder")),
    };
    return description;
}

PstDescription printing()
{
    auto html = [](const QString& subject, const QByteArray& body) {
        PstMessage message = mail(QStringLiteral("Mallory"), QStringLiteral("mallory@example.net"), subject,
                                  utc(2023, 5, 1, 12, 0));
        message.recipients = {{QStringLiteral("Bob"), QStringLiteral("bob@example.org")}};
        message.htmlBody = body;
        return message;
    };
    QByteArray lines;
    for (int i = 1; i <= 400; ++i)
        lines += "<p>Line " + QByteArray::number(i) + " of the long mail.</p>";
    PstMessage large = html(QStringLiteral("Large picture"),
                            "<html><body><p>Before the picture.</p><img src=\"cid:noise\"><p>After it.</p></body></html>");
    QImage noise(900, 900, QImage::Format_RGB32);
    QRandomGenerator random(7);
    for (int y = 0; y < noise.height(); ++y) {
        for (int x = 0; x < noise.width(); ++x)
            noise.setPixel(x, y, random.generate() | 0xff000000);
    }
    QBuffer png;
    png.open(QIODevice::WriteOnly);
    noise.save(&png, "PNG");
    PstAttachment picture;
    picture.longName = QStringLiteral("noise.png");
    picture.mimeType = QStringLiteral("image/png");
    picture.contentId = QStringLiteral("noise");
    picture.data = png.data();
    large.attachments = {picture};
    PstMessage markup = html(QStringLiteral("<img src=x> </div><h1>%2</h1>"), "<p>Body</p>");
    markup.senderName = QStringLiteral("<b>Eve</b> & co");
    PstMessage trudy = contact({{QStringLiteral("first_name"), QStringLiteral("<i>Trudy</i>")},
                                {QStringLiteral("fullname"), QStringLiteral("<i>Trudy</i>")}},
                               QStringLiteral("<i>Trudy</i>"));
    trudy.body = QStringLiteral("</span></div><h1>Not a heading</h1>\nsecond line");
    PstDescription description;
    description.folders = {
        folder(QStringLiteral("Inbox"), QStringLiteral("IPF.Note"),
               {html(QStringLiteral("Long"), "<html><body>" + lines + "</body></html>"), large, markup}),
        folder(QStringLiteral("Contacts"), QStringLiteral("IPF.Contact"), {trudy}),
    };
    return description;
}

namespace {

class DescribedItem : public PstItem
{
public:
    explicit DescribedItem(QList<InfoSection> sections) : m_sections(std::move(sections)) {}
    ItemType type() const override { return Contact; }
    QString icon() const override { return QStringLiteral(":/img/contact@3x.png"); }
    std::shared_ptr<PstItem> clone() const override { return std::make_shared<DescribedItem>(m_sections); }
    QList<InfoSection> sections() const override { return m_sections; }

private:
    QList<InfoSection> m_sections;
};

} // namespace

std::shared_ptr<PstItem> described(const QString& name, const QList<InfoSection>& sections)
{
    auto item = std::make_shared<DescribedItem>(sections);
    item->setDisplayName(name);
    return item;
}

PstDescription searching()
{
    PstMessage welcome = mail(QStringLiteral("Grace Hopper"), QStringLiteral("grace@example.org"),
                              QStringLiteral("Welcome to the zoo"), utc(2021, 5, 3, 8, 0));
    welcome.htmlBody = "<html><body><p>Dear keepers,</p><p>The new <b>quokka</b> arrives on Monday from K\xc3\xb6ln."
                       " Please prepare the enclosure.</p></body></html>";
    welcome.body = QStringLiteral("Dear keepers, the new quokka arrives on Monday from K\u00f6ln.");
    PstMessage feeding = mail(QStringLiteral("Alan Turing"), QStringLiteral("alan@example.org"),
                              QStringLiteral("Feeding plan"), utc(2022, 1, 10, 14, 30));
    feeding.body = QStringLiteral("Leaves and grass twice a day; the quokka likes fresh water.");
    PstMessage wombat = mail(QStringLiteral("Alan Turing"), QStringLiteral("alan@example.org"),
                             QStringLiteral("Wombat burrow"), utc(2022, 2, 1, 9, 0));
    wombat.body = QStringLiteral("The wombat dug another burrow under the fence.");
    PstMessage photo = mail(QStringLiteral("Katherine Johnson"), QStringLiteral("katherine@example.org"),
                            QStringLiteral("Photos"), utc(2020, 7, 21, 18, 45));
    photo.body = QStringLiteral("Pictures from the visit, as promised.");
    PstAttachment picture;
    picture.longName = QStringLiteral("quokka-smiling.png");
    picture.mimeType = QStringLiteral("image/png");
    picture.data = solidPng(8, 8, "#c08040");
    photo.attachments = {picture};
    PstMessage archived = mail(QStringLiteral("Grace Hopper"), QStringLiteral("grace@example.org"),
                               QStringLiteral("Rottnest trip report"), utc(2019, 11, 2, 11, 15));
    archived.body = QStringLiteral("On Rottnest Island every quokka we met posed for a photo.");
    PstMessage budget = mail(QStringLiteral("Grace Hopper"), QStringLiteral("grace@example.org"),
                             QStringLiteral("Budget 2019"), utc(2019, 12, 20, 16, 0));
    budget.body = QStringLiteral("The budget for next year is attached.");
    PstMessage keeper = contact({{QStringLiteral("first_name"), QStringLiteral("Rosalind")},
                                 {QStringLiteral("surname"), QStringLiteral("Franklin")}},
                                QStringLiteral("Rosalind Franklin"));
    keeper.body = QStringLiteral("Head keeper of the quokka house.");

    PstFolder archive = folder(QStringLiteral("Archive"), QStringLiteral("IPF.Note"));
    archive.folders.append(folder(QStringLiteral("2019"), QStringLiteral("IPF.Note"), {archived, budget}));
    PstDescription description;
    description.folders = {
        folder(QStringLiteral("Inbox"), QStringLiteral("IPF.Note"), {welcome, wombat}),
        folder(QStringLiteral("Sent Items"), QStringLiteral("IPF.Note"), {feeding, photo}),
        archive,
        folder(QStringLiteral("Contacts"), QStringLiteral("IPF.Contact"), {keeper}),
    };
    return description;
}

QString write(const PstDescription& description, const QString& dir, const QString& fileName)
{
    const QString path = QDir(dir).filePath(fileName);
    QString error;
    if (!PstWriter::write(description, path, &error))
        QTest::qFail(qPrintable(QStringLiteral("PST writer failed for %1: %2").arg(path, error)), __FILE__, __LINE__);
    return path;
}

} // namespace UiSamples
