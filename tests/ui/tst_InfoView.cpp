// SPDX-License-Identifier: GPL-2.0-or-later
// The information view: the heading and one block per section that has a
// value, rows without values left out, and no blocks left over from the
// item shown before.

#include "PstFolderItem.h"
#include "PstInfoLabel.h"
#include "PstInfoView.h"
#include "PstParser.h"
#include "TestData.h"
#include "TestHome.h"
#include "UiDriver.h"
#include "UiSamples.h"

#include <QApplication>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>

namespace {

// An item whose description the test chooses.
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

std::shared_ptr<PstItem> described(const QString& name, const QList<InfoSection>& sections)
{
    auto item = std::make_shared<DescribedItem>(sections);
    item->setDisplayName(name);
    return item;
}

// The caption and value labels of a block's rows, in row order.
QList<QLabel*> rowLabels(PstInfoLabel* block)
{
    QList<QLabel*> labels = block->findChildren<QLabel*>();
    labels.removeIf([](QLabel* label) { return label->objectName() == QLatin1String("labelTitle"); });
    return labels;
}

// The shown rows of a block as "caption=value" (a hidden caption as "").
QStringList rowsOf(PstInfoLabel* block)
{
    QStringList rows;
    const QList<QLabel*> labels = rowLabels(block);
    for (int i = 0; i + 1 < labels.size(); i += 2) {
        const QString caption = labels.at(i)->isHidden() ? QString() : labels.at(i)->text();
        rows << caption + QLatin1Char('=') + labels.at(i + 1)->text();
    }
    return rows;
}

QStringList titlesOf(const PstInfoView& view)
{
    QStringList titles;
    for (PstInfoLabel* block : view.infoLabels())
        titles << block->labelTitle();
    return titles;
}

using UiDriver::findFolder;

} // namespace

class InfoViewTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void formHasItsNamesAndLook();
    void onlySectionsWithValuesAreShown();
    void emptyCaptionShowsTheValueAlone();
    void itemWithoutSectionsShowsOnlyItsHeading();
    void severalSelectionsNeverAccumulateBlocks();
    void nullItemRemovesBlocksAndKeepsHeading();
    void contactWithFirstNameAndMobileShowsTwoBlocks();
    void longNoteWrapsAndThePageScrolls();
    void markupFromTheFileIsShownAsText();

private:
    std::shared_ptr<PstItem> sampleItem(const QString& folder, int index) const
    {
        auto found = findFolder(m_root, folder);
        return found && index < found->itemCount() ? found->items().at(index) : nullptr;
    }

    QTemporaryDir m_dir;
    std::shared_ptr<PstFolderItem> m_root;
    PstInfoView* m_view = nullptr;
};

void InfoViewTest::initTestCase()
{
    const QString path = UiSamples::write(UiSamples::mailbox(), m_dir.path(), QStringLiteral("mailbox.pst"));
    PstParser parser;
    QVERIFY(parser.open(path));
    m_root = parser.parse(path);
    QVERIFY(m_root);
}

void InfoViewTest::init()
{
    m_view = new PstInfoView;
    m_view->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_view));
}

void InfoViewTest::cleanup()
{
    delete m_view;
    m_view = nullptr;
}

void InfoViewTest::formHasItsNamesAndLook()
{
    QCOMPARE(m_view->objectName(), QStringLiteral("PstInfoView"));
    QCOMPARE(m_view->styleSheet().size(), 174);
    auto* scroll = m_view->findChild<QScrollArea*>(QStringLiteral("scrollArea"));
    QVERIFY(scroll && scroll->widgetResizable());
    auto* layout = m_view->findChild<QVBoxLayout*>(QStringLiteral("verticalLayout"));
    QVERIFY(layout);
    QCOMPARE(layout->spacing(), 10);
    QCOMPARE(layout->count(), 2);
    QVERIFY(layout->itemAt(1)->spacerItem());
    PstInfoLabel block;
    QCOMPARE(block.objectName(), QStringLiteral("PstInfoLabel"));
    QCOMPARE(block.styleSheet().size(), 206);
    QCOMPARE(block.labelTitle(), QStringLiteral("LabelTitle"));
}

void InfoViewTest::onlySectionsWithValuesAreShown()
{
    m_view->setData(described(QStringLiteral("Jo Example"),
                              {{QStringLiteral("Contact Name"), {{QStringLiteral("First Name"), QStringLiteral("Jo")},
                                                                 {QStringLiteral("Last Name"), QString()}}},
                               {QStringLiteral("Phone Numbers"), {{QStringLiteral("Business"), QString()}}},
                               {QStringLiteral("Email Addresses"), {{QStringLiteral("Email 1"), QStringLiteral("jo@example.org")}}}}));
    QCOMPARE(m_view->findChild<QLabel*>(QStringLiteral("name"))->text(), QStringLiteral("Jo Example"));
    QCOMPARE(titlesOf(*m_view), (QStringList{QStringLiteral("Contact Name"), QStringLiteral("Email Addresses")}));
    QCOMPARE(rowsOf(m_view->infoLabels().at(0)), QStringList{QStringLiteral("First Name=Jo")});
    QCOMPARE(rowsOf(m_view->infoLabels().at(1)), QStringList{QStringLiteral("Email 1=jo@example.org")});
}

void InfoViewTest::emptyCaptionShowsTheValueAlone()
{
    m_view->setData(described(QStringLiteral("Note holder"),
                              {{QStringLiteral("Notes"), {{QString(), QStringLiteral("Bring the slides.")}}}}));
    QCOMPARE(rowsOf(m_view->infoLabels().at(0)), QStringList{QStringLiteral("=Bring the slides.")});
}

void InfoViewTest::itemWithoutSectionsShowsOnlyItsHeading()
{
    m_view->setData(sampleItem(QStringLiteral("Contacts"), 0));
    QVERIFY(!m_view->infoLabels().isEmpty());
    const std::shared_ptr<PstItem> note = sampleItem(QStringLiteral("Notes"), 0);
    QVERIFY(note);
    m_view->setData(note);
    QVERIFY(m_view->infoLabels().isEmpty());
    QCOMPARE(m_view->findChild<QLabel*>(QStringLiteral("name"))->text(), note->displayName());
}

void InfoViewTest::severalSelectionsNeverAccumulateBlocks()
{
    auto* layout = m_view->findChild<QVBoxLayout*>(QStringLiteral("verticalLayout"));
    const QList<std::shared_ptr<PstItem>> items = {
        sampleItem(QStringLiteral("Contacts"), 0), sampleItem(QStringLiteral("Contacts"), 1),
        sampleItem(QStringLiteral("Calendar"), 0), sampleItem(QStringLiteral("Tasks"), 0),
        sampleItem(QStringLiteral("Journal"), 0), sampleItem(QStringLiteral("Contacts"), 0)};
    for (const std::shared_ptr<PstItem>& item : items) {
        QVERIFY(item);
        m_view->setData(item);
        int expected = 0;
        for (const InfoSection& section : item->sections()) {
            expected += std::any_of(section.fields.cbegin(), section.fields.cend(),
                                    [](const InfoField& field) { return !field.value.isEmpty(); });
        }
        // Heading, the new blocks and the spacer, in that order.
        QCOMPARE(layout->count(), expected + 2);
        QCOMPARE(layout->itemAt(0)->widget()->objectName(), QStringLiteral("name"));
        QVERIFY(layout->itemAt(layout->count() - 1)->spacerItem());
        QCOMPARE(m_view->infoLabels().size(), expected);
    }
    // The detached blocks are gone once the event loop has run.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(m_view->findChildren<PstInfoLabel*>().size(), m_view->infoLabels().size());
}

void InfoViewTest::nullItemRemovesBlocksAndKeepsHeading()
{
    m_view->setData(sampleItem(QStringLiteral("Calendar"), 0));
    const QString heading = m_view->findChild<QLabel*>(QStringLiteral("name"))->text();
    QCOMPARE(heading, QStringLiteral("Design review"));
    m_view->setData(nullptr);
    QVERIFY(m_view->infoLabels().isEmpty());
    QCOMPARE(m_view->findChild<QLabel*>(QStringLiteral("name"))->text(), heading);
}

void InfoViewTest::contactWithFirstNameAndMobileShowsTwoBlocks()
{
    const std::shared_ptr<PstItem> ivan = sampleItem(QStringLiteral("Contacts"), 1);
    QVERIFY(ivan);
    m_view->setData(ivan);
    QCOMPARE(titlesOf(*m_view), (QStringList{QStringLiteral("Contact Name"), QStringLiteral("Phone Numbers")}));
    QCOMPARE(rowsOf(m_view->infoLabels().at(0)), QStringList{QStringLiteral("First Name=Ivan")});
    QCOMPARE(rowsOf(m_view->infoLabels().at(1)), QStringList{QStringLiteral("Mobile=+7 555 0199")});
}

void InfoViewTest::longNoteWrapsAndThePageScrolls()
{
    m_view->resize(300, 200);
    QList<InfoField> many;
    for (int i = 0; i < 30; ++i)
        many.append({QStringLiteral("Row %1").arg(i), QStringLiteral("value")});
    const QString longNote = QStringLiteral("word ").repeated(200);
    m_view->setData(described(QStringLiteral("Long"), {{QStringLiteral("Notes"), {{QString(), longNote}}},
                                                        {QStringLiteral("Rows"), many}}));
    auto* scroll = m_view->findChild<QScrollArea*>(QStringLiteral("scrollArea"));
    // Layouts settle through posted events; under load that takes a while.
    QTRY_VERIFY(scroll->verticalScrollBar()->maximum() > 0);
    QVERIFY(scroll->widget()->width() <= scroll->viewport()->width());
    const QList<QLabel*> labels = rowLabels(m_view->infoLabels().at(0));
    QVERIFY(labels.last()->wordWrap());
    QTRY_VERIFY(labels.last()->height() > labels.last()->fontMetrics().height() * 3);
}

void InfoViewTest::markupFromTheFileIsShownAsText()
{
    const QString name = QStringLiteral("<b>Bold</b> <img src=\"file:///etc/hostname\">");
    m_view->setData(described(name, {{QStringLiteral("Notes"), {{QStringLiteral("Caption"), QStringLiteral("<i>value</i>")}}}}));
    auto* heading = m_view->findChild<QLabel*>(QStringLiteral("name"));
    QCOMPARE(heading->text(), name);
    QCOMPARE(heading->textFormat(), Qt::PlainText);
    for (QLabel* label : rowLabels(m_view->infoLabels().at(0)))
        QCOMPARE(label->textFormat(), Qt::PlainText);
}

int main(int argc, char* argv[])
{
    TestHome home;
    QApplication app(argc, argv);
    InfoViewTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_InfoView.moc"
