// SPDX-License-Identifier: GPL-2.0-or-later
// Which messages the tree shows: classes matched by their dot-separated
// parts, the others counted; written files checked through the parser.

#include "IMVLogConfig.h"
#include "MessageClass.h"
#include "PstDistListItem.h"
#include "PstParser.h"
#include "TestData.h"
#include "TestHome.h"
#include "WrittenPst.h"

#include <QTemporaryDir>
#include <QtTest>

using Kind = MessageClass::Kind;
Q_DECLARE_METATYPE(MessageClass::Kind)

namespace {

PstMessage message(PstMessage::Kind kind, const QString& messageClass, const QString& subject)
{
    PstMessage m;
    m.kind = kind;
    m.messageClass = messageClass;
    m.subject = subject;
    return m;
}

QStringList kindNames(const QList<std::shared_ptr<PstItem>>& items)
{
    static const QStringList names{"mail", "appointment", "contact", "journal", "task", "note"};
    QStringList result;
    for (const auto& item : items)
        result << names.value(item->type()) + ":" + (item->type() == Mail ? item->subject() : item->displayName());
    return result;
}

} // namespace

class TestMessageClasses : public QObject
{
    Q_OBJECT
    TestHome m_home;
    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        Morvek::IMVLogConfig::InitializeLogConfig((m_home.path() + "/log/").toStdString());
    }

    void classesMatchOnWholeParts_data()
    {
        QTest::addColumn<QString>("messageClass");
        QTest::addColumn<Kind>("kind");
        const QList<QPair<QString, Kind>> rows{
            {"IPM.Note", Kind::Mail}, {"ipm.note.smime.multipartsigned", Kind::Mail},
            {"IPM.Schedule.Meeting.Request", Kind::Mail}, {"IPM.Schedule.Meeting.Resp.Pos", Kind::Mail},
            {"REPORT.IPM.Note.NDR", Kind::Mail}, {"Report.IPM.Note.IPNRN", Kind::Mail},
            {"IPM.Post", Kind::Mail}, {"IPM.Post.Rss", Kind::Mail}, {"IPM.Outlook.Recall", Kind::Mail},
            {"IPM.Sharing.Request", Kind::Mail}, {"IPM.Contact.Custom", Kind::Contact},
            {"IPM.DistList", Kind::DistList}, {"IPM.Appointment.Birthday", Kind::Appointment},
            {"IPM.Task", Kind::Task}, {"IPM.TaskRequest.Accept", Kind::Task}, {"IPM.StickyNote", Kind::Note},
            {"IPM.Activity", Kind::Journal}, {"IPM.NoteBook", Kind::Unknown}, {"IPM.Notes", Kind::Unknown},
            {"IPM", Kind::Unknown}, {"", Kind::Unknown}, {"IPM.Configuration.Mailbox", Kind::Unknown},
            {"XIPM.Note", Kind::Unknown},
        };
        for (const auto& row : rows)
            QTest::newRow(row.first.isEmpty() ? "(empty)" : qPrintable(row.first)) << row.first << row.second;
    }

    void classesMatchOnWholeParts()
    {
        QFETCH(QString, messageClass);
        QFETCH(Kind, kind);
        QCOMPARE(MessageClass::kindOf(messageClass), kind);
    }

    // Every class variant is shown as its kind; the unknown ones are counted
    // with their class. The contact carries an entry of id 0 and type 0,
    // which libpst ignores, and must not be taken for damage.
    void writtenMessagesOfEveryClassAreShownOrCounted()
    {
        using K = PstMessage::Kind;
        PstMessage contact = message(K::Contact, QString(), QString());
        contact.contact.insert("first_name", "Ada");
        contact.contact.insert("surname", "Byron");
        contact.rawEntries = {{0x0000, 0x0000}, {0x6FF0, 0x0000}};
        const QList<PstMessage> messages{
            message(K::Mail, "IPM.Note.SMIME", "signed"),
            message(K::Mail, "IPM.Schedule.Meeting.Request", "meeting"),
            message(K::Mail, "REPORT.IPM.Note.NDR", "bounce"),
            message(K::Mail, "IPM.Post", "post"),
            message(K::Task, "IPM.TaskRequest", "request"),
            contact,
            message(K::Mail, "IPM.Notes", "unknown one"),
            message(K::Mail, "IPM.Sharing.Invite.Custom", "sharing"),
            message(K::Mail, "Private.Thing", "unknown two"),
        };
        QString error;
        const auto root = WrittenPst::open(WrittenPst::oneFolder(messages), m_dir.filePath("classes.pst"), &error);
        QVERIFY2(root, qPrintable(error));
        QCOMPARE(kindNames(WrittenPst::allItems(*root)),
                 (QStringList{"mail:signed", "mail:meeting", "mail:bounce", "mail:post", "task:request",
                              "contact:Ada Byron", "mail:sharing"}));
        QVERIFY(root->losses());
        QStringList unshown;
        for (const ParseLosses::Item& item : root->losses()->unshown)
            unshown << item.messageClass + " in " + (item.folder.lock() ? item.folder.lock()->displayName() : "?");
        QCOMPARE(unshown, (QStringList{"IPM.Notes in Items", "Private.Thing in Items"}));
        QCOMPARE(root->losses()->damaged.size(), 0);
    }

    void distributionListShowsItsMembers()
    {
        const QString path = TestData::pst("rjohnsondev__java-libpst__dist-list.pst");
        PstParser parser;
        QVERIFY(parser.open(path));
        const auto root = parser.parse(path);
        QVERIFY(root);
        std::shared_ptr<PstDistListItem> list;
        for (const auto& item : WrittenPst::allItems(*root)) {
            if (auto found = std::dynamic_pointer_cast<PstDistListItem>(item))
                list = found;
        }
        QVERIFY(list);
        QCOMPARE(list->type(), Contact);
        QVERIFY(!list->members().isEmpty());
        const QList<InfoSection> sections = list->sections();
        QCOMPARE(sections.at(0).fields.at(0).value, list->displayName());
        QCOMPARE(sections.at(1).fields.size(), list->members().size());
        for (const InfoField& field : sections.at(1).fields)
            QVERIFY2(field.value.contains('@'), qPrintable(field.label + " " + field.value));
    }
};

QTEST_GUILESS_MAIN(TestMessageClasses)
#include "tst_MessageClasses.moc"
