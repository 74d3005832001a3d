// SPDX-License-Identifier: GPL-2.0-or-later
#include "IMVLogConfig.h"
#include "LogLines.h"
#include "PstMailItem.h"
#include "PstParser.h"
#include "PstWriter.h"
#include "TestData.h"
#include "TestHome.h"
#include "WrittenPst.h"

#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSemaphore>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

namespace {

const QString kPage = QStringLiteral(
    "<html><head><meta charset='utf-8'></head><body style='font-family:\"Microsoft YaHei\",sans-serif;"
    "white-space:pre-wrap;word-wrap:break-word;'><div>%1</div></body></html>");

QByteArray randomBytes(int size, quint32 seed)
{
    QRandomGenerator random(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char& byte : bytes)
        byte = char(random.bounded(256));
    return bytes;
}

PstAttachment attachment(const QString& name, const QByteArray& data, const QString& contentId = QString())
{
    PstAttachment result;
    result.longName = name;
    result.data = data;
    result.contentId = contentId;
    return result;
}

PstMessage mail(const QString& subject)
{
    PstMessage message;
    message.subject = subject;
    message.senderName = QStringLiteral("Ada Lovelace");
    message.senderAddress = QStringLiteral("ada@example.org");
    message.sentTime = QDateTime(QDate(2023, 4, 5), QTime(6, 7, 8), Qt::UTC);
    return message;
}

QStringList logLines()
{
    return LogLines::read(QString::fromStdString(Morvek::IMVLogConfig::CurrentLogFile()));
}

std::shared_ptr<Attachment> byName(const PstMailItem& mail, const QString& name)
{
    for (const auto& attachment : mail.attachments()) {
        if (attachment->name == name)
            return attachment;
    }
    return nullptr;
}

// A folder no one may create files in, root included (chmod alone does not
// stop root; the immutable flag does). Undone on destruction.
class WriteProtectedDir
{
public:
    explicit WriteProtectedDir(const QString& path)
        : m_path(path)
    {
        QDir().mkpath(path);
        QFile::setPermissions(path, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup);
        if (canCreateFiles())
            m_immutable = QProcess::execute("chattr", {"+i", path}) == 0;
    }
    ~WriteProtectedDir()
    {
        if (m_immutable)
            QProcess::execute("chattr", {"-i", m_path});
        QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    bool canCreateFiles() const
    {
        QFile probe(m_path + "/probe");
        const bool created = probe.open(QIODevice::WriteOnly);
        if (created)
            probe.remove();
        return created;
    }

private:
    QString m_path;
    bool m_immutable = false;
};

} // namespace

class TestPstMailItem : public QObject
{
    Q_OBJECT
    TestHome m_home;

private slots:
    void initTestCase();
    void init();
    void headerFieldsReadBack();
    void senderAddressIsPlain();
    void mailWithoutSentDateSaysSo();
    void bodiesAreNotKeptInTheItem();
    void plainTextBodyIsEscapedIntoThePage();
    void htmlBodyIsShownAsStored();
    void inlineImagesBecomeDataUrls();
    void everyRepeatOfAnImageLinkIsInlined();
    void inliningStopsBeforeThePageSwellsBeyondBounds();
    void namelessAttachmentRecordsAreSkipped();
    void savedAttachmentEqualsTheStoredBytes();
    void savingIntoWriteProtectedFolderFailsAndLeavesNoFile();
    void eightBitTextUsesTheRecordsCodePage_data();
    void eightBitTextUsesTheRecordsCodePage();
    void bodyWaitsForTheDocumentLock();
    void cloneSharesAttachmentsAndRereadsTheBody();
    void mimeTypeByExtension_data();
    void mimeTypeByExtension();

private:
    std::shared_ptr<PstMailItem> writeAndReadOne(const PstMessage& message);

    QTemporaryDir m_scratch;
    std::shared_ptr<PstFolderItem> m_root;
    int m_files = 0;
};

void TestPstMailItem::initTestCase()
{
    Morvek::IMVLogConfig::InitializeLogConfig((m_home.path() + "/log/").toStdString());
}

void TestPstMailItem::init()
{
    QFile(QString::fromStdString(Morvek::IMVLogConfig::CurrentLogFile())).resize(0);
}

std::shared_ptr<PstMailItem> TestPstMailItem::writeAndReadOne(const PstMessage& message)
{
    QString error;
    m_root = WrittenPst::open(WrittenPst::oneFolder({message}), m_scratch.filePath(QString("mail%1.pst").arg(++m_files)),
                              &error);
    if (!m_root) {
        qWarning().noquote() << error;
        return nullptr;
    }
    const auto items = WrittenPst::allItems(*m_root);
    return items.size() == 1 ? std::dynamic_pointer_cast<PstMailItem>(items.first()) : nullptr;
}

void TestPstMailItem::headerFieldsReadBack()
{
    PstMessage message = mail(QStringLiteral("Quarterly figures"));
    message.subjectPrefix = QStringLiteral("RE: ");
    message.displayTo = QStringLiteral("Bob; Carol");
    message.displayCc = QStringLiteral("Dave");
    message.displayBcc = QStringLiteral("Eve");
    message.deliveryTime = QDateTime(QDate(2023, 4, 5), QTime(6, 9, 0), Qt::UTC);
    const auto item = writeAndReadOne(message);
    QVERIFY(item);

    QCOMPARE(item->type(), Mail);
    QCOMPARE(item->icon(), QStringLiteral(":/img/contact@3x.png"));
    QCOMPARE(item->subject(), QStringLiteral("Quarterly figures")); // the topic, without "RE: "
    QCOMPARE(item->displayName(), QStringLiteral("Ada Lovelace"));
    // The plain address, not the "SMTP:" search key.
    QCOMPARE(item->formattedSenderAddr(), QStringLiteral("&lt;ada@example.org&gt;"));
    QCOMPARE(item->formattedRecipients(), QStringLiteral("To: Bob; Carol"));
    QCOMPARE(item->formattedCc(), QStringLiteral("Cc: Dave"));
    QCOMPARE(item->formattedBcc(), QStringLiteral("Bcc: Eve"));
    QCOMPARE(item->property("sentDate").toLongLong(), message.sentTime.toSecsSinceEpoch());
    QCOMPARE(item->property("arrivalDate").toLongLong(), message.deliveryTime.toSecsSinceEpoch());
    QVERIFY(!item->hasProperty("reportTime"));
    QCOMPARE(item->sendDate("yyyy/MM/dd hh:mm:ss"),
             QLocale::system().toString(message.sentTime.toLocalTime(), QStringLiteral("yyyy/MM/dd hh:mm:ss")));
    QCOMPARE(item->fileId(), item->pstTree()->d_id);
    QVERIFY(!item->hasAttachment());
}

void TestPstMailItem::senderAddressIsPlain()
{
    const QString path = TestData::pst("aranetic__process-pst__flags_jane_doe.pst");
    PstParser parser;
    QVERIFY2(parser.open(path), qPrintable("cannot open " + path));
    m_root = parser.parse(path);
    QVERIFY(m_root);
    const auto items = WrittenPst::allItems(*m_root);
    QVERIFY(!items.isEmpty());
    const auto first = std::dynamic_pointer_cast<PstMailItem>(items.first());
    QVERIFY(first);
    QCOMPARE(first->senderAddr(), QStringLiteral("pst-test-2@aranetic.com"));
    QCOMPARE(first->formattedSenderAddr(), QStringLiteral("&lt;pst-test-2@aranetic.com&gt;"));
    QCOMPARE(first->formattedCc(), QString());
}

void TestPstMailItem::mailWithoutSentDateSaysSo()
{
    PstMessage unsent = mail(QStringLiteral("Draft"));
    unsent.sentTime = QDateTime();
    PstMessage epoch = mail(QStringLiteral("Epoch"));
    epoch.sentTime = QDateTime::fromSecsSinceEpoch(0, Qt::UTC);
    QString error;
    m_root = WrittenPst::open(WrittenPst::oneFolder({unsent, epoch}), m_scratch.filePath("dates.pst"), &error);
    QVERIFY2(m_root, qPrintable(error));
    const auto items = WrittenPst::allItems(*m_root);
    QCOMPARE(items.size(), 2);
    for (const auto& item : items)
        QCOMPARE(std::static_pointer_cast<PstMailItem>(item)->sendDate("yyyy/MM/dd"), QStringLiteral("No sent date"));
}

void TestPstMailItem::bodiesAreNotKeptInTheItem()
{
    PstMessage message = mail(QStringLiteral("Big"));
    message.body = QString(20000, QLatin1Char('x'));
    message.htmlBody = "<html><body>" + QByteArray(20000, 'y') + "</body></html>";
    const auto item = writeAndReadOne(message);
    QVERIFY(item);
    QVERIFY(!item->hasProperty("htmlBody"));
    QVERIFY(!item->hasProperty("textBody"));
    for (const QVariant& value : item->properties())
        QVERIFY(value.toString().size() < 1000);
    QVERIFY(item->body().contains(QString(20000, QLatin1Char('y'))));
}

void TestPstMailItem::plainTextBodyIsEscapedIntoThePage()
{
    PstMessage message = mail(QStringLiteral("Plain"));
    message.body = QStringLiteral("a < b & \"c\" > d\r\nsecond line\n");
    const auto item = writeAndReadOne(message);
    QVERIFY(item);
    const QString expected = kPage.arg(QStringLiteral("a &lt; b &amp; &quot;c&quot; &gt; d\r\nsecond line\n"));
    QCOMPARE(item->textBodyToHtml(), expected);
    QCOMPARE(item->body(), expected);
}

void TestPstMailItem::htmlBodyIsShownAsStored()
{
    PstMessage message = mail(QStringLiteral("Html"));
    message.body = QStringLiteral("plain version");
    message.htmlBody = QByteArray("<html><body><p>Gr\xC3\xBC\xC3\x9F" "e, <b>world</b></p></body></html>");
    const auto item = writeAndReadOne(message);
    QVERIFY(item);
    QCOMPARE(item->body(), QString::fromUtf8(message.htmlBody));
    // A second call answers from the cache, even with the file gone.
    m_root->setPstFile(nullptr);
    QCOMPARE(item->body(), QString::fromUtf8(message.htmlBody));
}

void TestPstMailItem::inlineImagesBecomeDataUrls()
{
    const QByteArray logo = randomBytes(3000, 1);
    const QByteArray pdf = randomBytes(500, 2);
    PstMessage message = mail(QStringLiteral("Inline"));
    message.htmlBody = "<html><body><img src=\"cid:logo1\"> and <img width=1 src=\"cid:logo1\">"
                       "<img src=\"cid:doc1\"><img src=\"cid:unknown\"></body></html>";
    message.attachments = {attachment("report.pdf", pdf, "doc1"), attachment("Logo.PNG", logo, "logo1")};
    const auto item = writeAndReadOne(message);
    QVERIFY(item);

    const QString body = item->body();
    const QString inlined = QStringLiteral("src=\"data:image/png;base64,%1\"").arg(QString::fromLatin1(logo.toBase64()));
    QCOMPARE(body.count(inlined), 2);
    QVERIFY(!body.contains("cid:logo1"));
    QVERIFY(body.contains("<img src=\"cid:doc1\">"));
    QVERIFY(body.contains("<img src=\"cid:unknown\">"));
    QCOMPARE(byName(*item, "Logo.PNG")->data, logo);
    QVERIFY(byName(*item, "report.pdf")->data.isEmpty());
}

void TestPstMailItem::everyRepeatOfAnImageLinkIsInlined()
{
    // A mail may repeat one small picture thousands of times (a separator
    // line, a bullet); each link text is looked at once.
    const QByteArray dot = randomBytes(40, 7);
    QByteArray html = "<html><body>";
    for (int i = 0; i < 5000; ++i)
        html += "<img src=\"cid:dot\"><img src=\"cid:none" + QByteArray::number(i % 50) + "\">";
    html += "</body></html>";
    PstMessage message = mail(QStringLiteral("Dots"));
    message.htmlBody = html;
    message.attachments = {attachment("dot.gif", dot, "dot")};
    const auto item = writeAndReadOne(message);
    QVERIFY(item);

    const QString body = item->body();
    QCOMPARE(body.count(QStringLiteral("src=\"data:image/gif;base64,%1\"").arg(QString::fromLatin1(dot.toBase64()))),
             5000);
    QVERIFY(!body.contains("cid:dot"));
    QCOMPARE(body.count("src=\"cid:none"), 5000);
}

void TestPstMailItem::inliningStopsBeforeThePageSwellsBeyondBounds()
{
    // Sixty links to a 1 MB picture would make a page of 80 million
    // characters; such a picture stays a link, smaller ones are still inlined.
    const QByteArray big = randomBytes(1024 * 1024, 8);
    const QByteArray small = randomBytes(64, 9);
    QByteArray html = "<html><body>";
    for (int i = 0; i < 60; ++i)
        html += "<img src=\"cid:big\">";
    html += "<img src=\"cid:small\"></body></html>";
    PstMessage message = mail(QStringLiteral("Swelling"));
    message.htmlBody = html;
    message.attachments = {attachment("big.png", big, "big"), attachment("small.png", small, "small")};
    const auto item = writeAndReadOne(message);
    QVERIFY(item);

    const QString body = item->body();
    QVERIFY2(body.size() < 1024 * 1024, qPrintable(QString::number(body.size())));
    QCOMPARE(body.count("<img src=\"cid:big\">"), 60);
    QVERIFY(body.contains(QStringLiteral("src=\"data:image/png;base64,%1\"").arg(QString::fromLatin1(small.toBase64()))));
}

void TestPstMailItem::namelessAttachmentRecordsAreSkipped()
{
    PstMessage message = mail(QStringLiteral("Many recipients"));
    PstAttachment nameless;
    PstAttachment shortOnly = attachment(QString(), "short");
    shortOnly.shortName = QStringLiteral("SHORT~1.TXT");
    message.attachments = {nameless, attachment("first.txt", "one"), nameless, nameless, shortOnly,
                           nameless, attachment("third.bin", "three")};
    const auto item = writeAndReadOne(message);
    QVERIFY(item);
    QStringList names;
    for (const auto& a : item->attachments())
        names << a->name;
    // libpst lists a mail's attachments last first.
    QCOMPARE(names, (QStringList{"third.bin", "SHORT~1.TXT", "first.txt"}));
    QVERIFY(item->hasAttachment());

    const QString target = m_scratch.filePath("third.bin");
    QVERIFY(item->saveAttachment(byName(*item, "third.bin"), target));
    QFile saved(target);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), QByteArray("three"));
}

void TestPstMailItem::savedAttachmentEqualsTheStoredBytes()
{
    // Small contents lie in the attachment's own record, large ones in
    // blocks of their own; a mail with two small ones must not mix them up.
    const QByteArray small1 = randomBytes(100, 3);
    const QByteArray small2 = randomBytes(120, 4);
    const QByteArray large = randomBytes(300000, 5);
    PstMessage message = mail(QStringLiteral("Files"));
    message.attachments = {attachment("a.bin", small1), attachment("b.bin", small2), attachment("c.bin", large)};
    const auto item = writeAndReadOne(message);
    QVERIFY(item);
    QCOMPARE(item->attachments().size(), 3);
    const QMap<QString, QByteArray> expected{{"a.bin", small1}, {"b.bin", small2}, {"c.bin", large}};
    for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
        const QString target = m_scratch.filePath("saved-" + it.key());
        const auto stored = byName(*item, it.key());
        QVERIFY(stored);
        QVERIFY(item->saveAttachment(stored, target));
        QFile saved(target);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QVERIFY2(saved.readAll() == it.value(), qPrintable(it.key() + " differs"));
        // Saving does not keep the contents in memory.
        QVERIFY(stored->data.isEmpty());
    }
    QCOMPARE(logLines().filter("Attachment").count("INFO Attachment saved successfully."), 3);
}

void TestPstMailItem::savingIntoWriteProtectedFolderFailsAndLeavesNoFile()
{
    PstMessage message = mail(QStringLiteral("Protected"));
    message.attachments = {attachment("a.bin", randomBytes(5000, 6))};
    const auto item = writeAndReadOne(message);
    QVERIFY(item);
    const QString folder = m_scratch.filePath("protected");
    WriteProtectedDir protectedDir(folder);
    QVERIFY2(!protectedDir.canCreateFiles(), "cannot make a write-protected folder here");

    QVERIFY(!item->saveAttachment(item->attachments().first(), folder + "/a.bin"));
    QCOMPARE(logLines().filter("Attachment"), QStringList{"WARN Attachment save failed."});
    QVERIFY(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).isEmpty());
}

void TestPstMailItem::eightBitTextUsesTheRecordsCodePage_data()
{
    QTest::addColumn<int>("codePage");
    QTest::addColumn<QString>("text");
    QTest::newRow("GBK") << 936 << QStringLiteral("季度报告：销售额");
    QTest::newRow("Windows-1252") << 1252 << QStringLiteral("Caf\u00e9 \u201cM\u00fcller\u201d \u2013 r\u00e9sum\u00e9");
    QTest::newRow("Shift_JIS") << 932 << QStringLiteral("会議の議事録");
}

void TestPstMailItem::eightBitTextUsesTheRecordsCodePage()
{
    QFETCH(int, codePage);
    QFETCH(QString, text);
    PstMessage message = mail(text);
    message.codePage = codePage;
    message.senderName = text + QStringLiteral(" sender");
    message.body = text + QStringLiteral(" body");
    message.attachments = {attachment(text + ".txt", "x")};
    const auto item = writeAndReadOne(message);
    QVERIFY(item);
    QCOMPARE(item->subject(), text);
    QCOMPARE(item->sender(), text + QStringLiteral(" sender"));
    QCOMPARE(item->attachments().first()->name, text + ".txt");
    QCOMPARE(item->body(), kPage.arg(text + QStringLiteral(" body")));
}

void TestPstMailItem::bodyWaitsForTheDocumentLock()
{
    PstMessage message = mail(QStringLiteral("Locked"));
    message.body = QStringLiteral("after the lock");
    const auto item = writeAndReadOne(message);
    QVERIFY(item);
    const auto lock = item->pstLock();
    QVERIFY(lock);

    QString body;
    QSemaphore done;
    lock->lock();
    QThread* reader = QThread::create([&] {
        body = item->body();
        done.release();
    });
    reader->start();
    // While another thread reads the file, the body must not be read.
    QVERIFY(!done.tryAcquire(1, 300));
    lock->unlock();
    done.acquire();
    reader->wait();
    delete reader;
    QCOMPARE(body, kPage.arg("after the lock"));
}

void TestPstMailItem::cloneSharesAttachmentsAndRereadsTheBody()
{
    PstMessage message = mail(QStringLiteral("Cloned"));
    message.body = QStringLiteral("text");
    message.attachments = {attachment("a.txt", "a")};
    const auto item = writeAndReadOne(message);
    QVERIFY(item);
    const auto rootClone = std::static_pointer_cast<PstFolderItem>(m_root->clone());
    const auto copy = std::dynamic_pointer_cast<PstMailItem>(WrittenPst::allItems(*rootClone).value(0));
    QVERIFY(copy);
    QCOMPARE(copy->attachments().first().get(), item->attachments().first().get());
    QCOMPARE(copy->properties(), item->properties());
    QCOMPARE(copy->pstLock(), item->pstLock());
    m_root.reset();
    QCOMPARE(copy->body(), kPage.arg("text"));
}

void TestPstMailItem::mimeTypeByExtension_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("type");
    QTest::newRow("png") << "a.png" << "image/png";
    QTest::newRow("upper JPEG") << "photo.JPEG" << "image/jpeg";
    QTest::newRow("jpg") << "x.y.jpg" << "image/jpeg";
    QTest::newRow("gif") << "g.gif" << "image/gif";
    QTest::newRow("bmp") << "b.Bmp" << "image/bmp";
    QTest::newRow("svg") << "v.svg" << "image/svg+xml";
    QTest::newRow("pdf") << "doc.pdf" << "application/octet-stream";
    QTest::newRow("no dot") << "README" << "application/octet-stream";
    QTest::newRow("name is extension") << "png" << "image/png";
}

void TestPstMailItem::mimeTypeByExtension()
{
    QFETCH(QString, name);
    QFETCH(QString, type);
    QCOMPARE(getMimeType(name), type);
}

QTEST_GUILESS_MAIN(TestPstMailItem)
#include "tst_PstMailItem.moc"
