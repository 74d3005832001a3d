// SPDX-License-Identifier: GPL-2.0-or-later
// The export dialog as a user works it: choose, start, watch, cancel, finish.
// Runs on a private session bus: export mode talks to a real Evolution Data
// Server, and "Show in Folder" to a file manager this test stands in for.

#include "CliRunner.h"
#include "DesktopStore.h"
#include "ExportFixture.h"
#include "ExportManager.h"
#include "PrivateSessionBus.h"
#include "ProgressReporter.h"
#include "PstExportDialog.h"
#include "PstWriter.h"
#include "StoreIdentity.h"
#include "ui_PstExportDialog.h"

#include <QtDBus>
#include <QtWidgets>
#include <QtTest>

// Stands in for the desktop's file manager on the private bus.
class FakeFileManager : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.FileManager1")
public:
    QStringList shown;
public slots:
    void ShowItems(const QStringList& uris, const QString&) { shown += uris; }
};

namespace {

QList<PstMessage> messages(PstMessage::Kind kind, const QString& prefix, int count)
{
    QList<PstMessage> list;
    for (int i = 0; i < count; ++i) {
        PstMessage m = ExportFixture::message(kind, QStringLiteral("%1 %2").arg(prefix).arg(i));
        m.start = QDateTime(QDate(2024, 5, 1 + i % 28), QTime(9, 0), Qt::UTC);
        m.end = m.start.addSecs(3600);
        m.contact = {{QStringLiteral("first_name"), m.subject}};
        list.append(m);
    }
    return list;
}

// Answers the next save dialog with `path` (empty: cancels it) and tells
// which folder it proposed.
void answerSaveDialog(const QString& path, QString* proposedFolder)
{
    QTimer::singleShot(0, [path, proposedFolder] {
        auto* timer = new QTimer;
        QObject::connect(timer, &QTimer::timeout, [timer, path, proposedFolder] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            timer->deleteLater();
            *proposedFolder = dialog->directory().absolutePath();
            if (path.isEmpty()) {
                dialog->reject();
                return;
            }
            // Typed in as a user would: the folder, then the name.
            dialog->setDirectory(QFileInfo(path).absolutePath());
            dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(QFileInfo(path).fileName());
            QMetaObject::invokeMethod(dialog, "accept");
        });
        timer->start(20);
    });
}

QStringList progressCaptions(const PstExportDialog& dialog)
{
    QStringList captions;
    for (const QLabel* label : dialog.form()->progressBox->findChildren<QLabel*>()) {
        if (label->objectName() != QLatin1String("progressCount"))
            captions.append(label->text());
    }
    return captions;
}

// Closes alerts as a user would and keeps their texts.
QStringList dismissAlerts()
{
    QStringList texts;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* box = qobject_cast<QMessageBox*>(widget);
        if (box && box->isVisible()) {
            texts.append(box->text() + QLatin1Char('|') + box->informativeText());
            box->close();
        }
    }
    return texts;
}


// The row of the folder `name` in the dialog's tree (its text is the name,
// perhaps with a count after it).
QModelIndex folderRow(const QTreeView* view, const QString& name)
{
    const QRegularExpression text(QStringLiteral("^%1( \\(.*\\))?$").arg(QRegularExpression::escape(name)));
    QList<QModelIndex> pending{QModelIndex()};
    while (!pending.isEmpty()) {
        const QModelIndex parent = pending.takeFirst();
        for (int row = 0; row < view->model()->rowCount(parent); ++row) {
            const QModelIndex index = view->model()->index(row, 0, parent);
            if (text.match(index.data().toString()).hasMatch())
                return index;
            pending.append(index);
        }
    }
    return {};
}

// Clicks the check box of the folder's row, as a user would.
void clickFolderBox(QTreeView* view, const QString& name)
{
    const QModelIndex index = folderRow(view, name);
    QVERIFY2(index.isValid(), qPrintable(name));
    view->scrollTo(index);
    QStyleOptionViewItem option;
    option.initFrom(view->viewport());
    option.rect = view->visualRect(index);
    option.features = QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDisplay;
    const QRect box = view->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, view);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, box.center());
}

// The names of the folders whose box is checked, in tree order.
QStringList checkedFolders(const QTreeView* view)
{
    QStringList names;
    QList<QModelIndex> pending{QModelIndex()};
    while (!pending.isEmpty()) {
        const QModelIndex parent = pending.takeFirst();
        for (int row = 0; row < view->model()->rowCount(parent); ++row) {
            const QModelIndex index = view->model()->index(row, 0, parent);
            if (index.data(Qt::CheckStateRole).value<Qt::CheckState>() == Qt::Checked)
                names.append(index.data().toString().section(QStringLiteral(" ("), 0, 0));
            pending.append(index);
        }
    }
    return names;
}

// The rows of a conversion summary, as the window or lumaroo-cli shows it:
// "LABEL | done N | failed N | damaged N | unshown N | missing N".
QStringList summaryRows(const QString& text, bool window)
{
    static const QRegularExpression windowLine(QStringLiteral("^(\\w+): (\\d+) of \\d+ converted, (\\d+) failed\\.(.*)$"));
    static const QRegularExpression cliLine(QStringLiteral("^(\\w+) \\(\\w+\\): (\\d+) written, (\\d+) failed(.*)$"));
    QStringList rows;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        const QRegularExpressionMatch match = (window ? windowLine : cliLine).match(line);
        if (!match.hasMatch())
            continue;
        QString row = QStringLiteral("%1 | done %2 | failed %3").arg(match.captured(1), match.captured(2), match.captured(3));
        for (const QString& loss : {QStringLiteral("damaged"), QStringLiteral("unshown"), QStringLiteral("missing")}) {
            // The window says "of an unknown kind" where the command line says "unshown".
            const QString word = window && loss == QLatin1String("unshown") ? QStringLiteral("of an unknown kind") : loss;
            const QRegularExpressionMatch count =
                QRegularExpression(QStringLiteral("(\\d+) %1").arg(word)).match(match.captured(4));
            row += QStringLiteral(" | %1 %2").arg(loss, count.hasMatch() ? count.captured(1) : QStringLiteral("0"));
        }
        rows.append(row);
    }
    return rows;
}

// Damages the message whose subject holds `marker`: its heap's page map
// points far past its block, so the message cannot be read.
bool damageMessage(const QString& path, const QString& marker)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite))
        return false;
    QByteArray bytes = file.readAll();
    const qsizetype subject = bytes.indexOf(QByteArray(reinterpret_cast<const char*>(marker.utf16()), marker.size() * 2));
    qsizetype heap = subject - subject % 64;
    while (heap > 0 && !(quint8(bytes.at(heap + 2)) == 0xEC && quint8(bytes.at(heap + 3)) == 0xBC))
        heap -= 64;
    if (subject <= 0 || heap <= 0)
        return false;
    qToLittleEndian<quint16>(0x7FF0, bytes.data() + heap);
    return file.seek(0) && file.write(bytes) == bytes.size();
}
} // namespace

class PstExportDialogTest : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    FakeFileManager m_fileManager;
    std::shared_ptr<PstFolderItem> m_mails;
    std::shared_ptr<PstFolderItem> m_people;
    QString m_firstOutput;
    std::shared_ptr<PstFolderItem> m_folders;

    QPointer<PstExportDialog> show(ExportDialogMode mode, const std::shared_ptr<PstFolderItem>& document)
    {
        QPointer<PstExportDialog> dialog = new PstExportDialog(mode);
        dialog->setPstNode(document);
        dialog->show();
        if (!QTest::qWaitForWindowExposed(dialog))
            qWarning("the dialog was not shown");
        return dialog;
    }

    // Clicks the button and waits until the dialog has closed.
    static void closeWith(const QPointer<PstExportDialog>& dialog, QPushButton* button)
    {
        QTest::mouseClick(button, Qt::LeftButton);
        QTRY_VERIFY(dialog.isNull());
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QDBusConnection bus = QDBusConnection::sessionBus();
        QVERIFY(bus.registerObject("/org/freedesktop/FileManager1", &m_fileManager, QDBusConnection::ExportAllSlots));
        QVERIFY(bus.registerService("org.freedesktop.FileManager1"));
        using ExportFixture::folder;
        m_mails = ExportFixture::writeAndOpen(ExportFixture::description({folder("Inbox", "IPF.Note", messages(PstMessage::Kind::Mail, "Mail", 120)),
                                                                          folder("Empty", "IPF.Note", {})}),
                                              m_dir.filePath("Mails.pst"));
        m_people = ExportFixture::writeAndOpen(
            ExportFixture::description({folder("Contacts", "IPF.Contact", messages(PstMessage::Kind::Contact, "Person", 60)),
                                        folder("Calendar", "IPF.Appointment", messages(PstMessage::Kind::Appointment, "Meeting", 60))}),
            m_dir.filePath("People.pst"));
        QVERIFY(m_mails && m_people);
    }

    void runShowsBarsProgressAndTheOutcome_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QStringList>("choices");
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<int>("height");
        QTest::addColumn<QString>("outcome");
        QTest::newRow("convert, mails only")
            << int(ConvertToFiles)
            << QStringList{"Mails|Convert to *.eml file", "Contacts|Convert to *.vcf file", "Calendar|Convert to *.ics file",
                           "Note|Convert to *.txt file", "Journal|Convert to *.ics file", "Tasks|Convert to *.ics file",
                           "Mailbox (mbox)|Convert to one *.mbox file per folder", "Maildir|Convert to a Maildir folder tree"}
            << QStringList{"Convert Emails"} << 116 << "Emails: 120 of 120 converted, 0 failed.";
        QTest::newRow("export to the desktop")
            << int(ExportToApps) << QStringList{"Contacts|Export to the desktop address book", "Calendar|Export to the desktop calendar"}
            << QStringList{"Export Contacts", "Export Appointment"} << 172
            << "Contacts: 60 of 60 handed over, 0 failed.\nAppointment: 60 of 60 handed over, 0 failed.";
    }

    void runShowsBarsProgressAndTheOutcome()
    {
        QFETCH(int, mode);
        QFETCH(QString, outcome);
        const bool convert = mode == ConvertToFiles;
        QPointer<PstExportDialog> dialog = show(ExportDialogMode(mode), convert ? m_mails : m_people);
        QCOMPARE(dialog->size(), QSize(560, 620));
        QStringList choices;
        const QGridLayout* grid = convert ? dialog->form()->convertLayout : dialog->form()->exportLayout;
        for (int row = 0; row < grid->rowCount(); ++row) {
            auto* check = qobject_cast<QCheckBox*>(grid->itemAtPosition(row, 0)->widget());
            // The mailbox formats are chosen only on request.
            QCOMPARE(check->isChecked(), !check->objectName().startsWith(QLatin1String("m")));
            choices.append(check->text() + '|' + qobject_cast<QLabel*>(grid->itemAtPosition(row, 1)->widget())->text());
        }
        QTEST(choices, "choices");
        const QString output = m_dir.filePath(QStringLiteral("out-") + QTest::currentDataTag());
        QString proposed;
        if (convert)
            answerSaveDialog(output, &proposed);
        QTest::mouseClick(dialog->form()->okBtn, Qt::LeftButton);
        QTRY_VERIFY(dialog->form()->stackedWidget->currentWidget() == dialog->form()->progressPage);
        QTEST(progressCaptions(*dialog), "captions");
        QTEST(dialog->height(), "height");
        QVERIFY(!dialog->form()->okBtn->isEnabled() || dialog->form()->resultLabel->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(dialog->form()->resultLabel->isVisible(), 60000);
        QCOMPARE(dialog->form()->resultLabel->text(), "Finished.\n" + outcome);
        const auto bars = dialog->findChildren<QProgressBar*>();
        const auto counts = dialog->findChildren<QLabel*>("progressCount");
        QCOMPARE(counts.size(), bars.size());
        for (int i = 0; i < bars.size(); ++i)
            QCOMPARE(QStringLiteral("%1 %2").arg(bars[i]->value()).arg(counts[i]->text()), QStringLiteral("%1 %1/%1").arg(bars[i]->maximum()));
        QCOMPARE(dialog->form()->okBtn->text(), convert ? QStringLiteral("Show in Folder") : QStringLiteral("Close"));
        closeWith(dialog, dialog->form()->okBtn);
        if (!convert) {
            // What the desktop's address book and calendar now hold.
            const QString title = StoreIdentity::displayTitle(m_dir.filePath("People.pst"));
            QCOMPARE(DesktopStore::contacts(title).size() + DesktopStore::events(title).size(), 120);
            return;
        }
        QCOMPARE(ExportFixture::filesUnder(output).size(), 120);
        QCOMPARE(m_fileManager.shown, QStringList{QUrl::fromLocalFile(output).toString()});
        m_firstOutput = output;
    }

    // The tree's check boxes: all checked at first; a folder's box sets its
    // sub-folders' too; only the checked folders are converted.
    void checkedFoldersAreTheOnesConverted_data()
    {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QStringList>("checked");
        QTest::addColumn<QStringList>("written"); // folders with files, sorted
        // Checked folders level by level.
        const QString top = QStringLiteral("Top of Personal Folders");
        QTest::newRow("all at first") << QStringList{} << QStringList{"Folders.pst", top, "Inbox", "Archive", "Sub"}
                                      << QStringList{"Archive", "Inbox", "Sub"};
        QTest::newRow("unchecking a folder unchecks its sub-folders")
            << QStringList{"Inbox"} << QStringList{"Folders.pst", top, "Archive"} << QStringList{"Archive"};
        QTest::newRow("a sub-folder checked again")
            << QStringList{"Inbox", "Sub"} << QStringList{"Folders.pst", top, "Archive", "Sub"} << QStringList{"Archive", "Sub"};
        QTest::newRow("checking a folder checks its sub-folders")
            << QStringList{"Inbox", "Inbox"} << QStringList{"Folders.pst", top, "Inbox", "Archive", "Sub"}
            << QStringList{"Archive", "Inbox", "Sub"};
        QTest::newRow("unchecking the top leaves nothing to convert")
            << QStringList{top} << QStringList{"Folders.pst"} << QStringList{};
    }

    void checkedFoldersAreTheOnesConverted()
    {
        QFETCH(QStringList, clicks);
        using ExportFixture::folder;
        if (!m_folders) {
            m_folders = ExportFixture::writeAndOpen(
                ExportFixture::description({folder("Inbox", "IPF.Note", messages(PstMessage::Kind::Mail, "In", 2),
                                                   {folder("Sub", "IPF.Note", messages(PstMessage::Kind::Mail, "Below", 2))}),
                                            folder("Archive", "IPF.Note", messages(PstMessage::Kind::Mail, "Old", 2))}),
                m_dir.filePath("Folders.pst"));
        }
        QVERIFY(m_folders);
        QPointer<PstExportDialog> dialog = show(ConvertToFiles, m_folders);
        QTreeView* view = dialog->form()->treeView;
        view->expandAll();
        for (const QString& name : clicks)
            clickFolderBox(view, name);
        QTEST(checkedFolders(view), "checked");
        const QString output = m_dir.filePath(QStringLiteral("folders-%1").arg(QTest::currentDataTag()).replace(' ', '-'));
        QFETCH(QStringList, written);
        QStringList alerts;
        QTimer closer;
        connect(&closer, &QTimer::timeout, this, [&alerts] { alerts += dismissAlerts(); });
        closer.start(20);
        QString proposed;
        answerSaveDialog(output, &proposed);
        QTest::mouseClick(dialog->form()->okBtn, Qt::LeftButton);
        if (written.isEmpty()) {
            QTRY_COMPARE(alerts, QStringList{"Note|No items found to export."});
            closeWith(dialog, dialog->form()->cancelBtn);
            return;
        }
        QTRY_VERIFY_WITH_TIMEOUT(dialog->form()->resultLabel->isVisible(), 60000);
        QSet<QString> found;
        for (const QString& file : ExportFixture::filesUnder(output))
            found.insert(QFileInfo(file).dir().dirName());
        QStringList sorted(found.begin(), found.end());
        sorted.sort();
        QCOMPARE(sorted, written);
        closeWith(dialog, dialog->form()->cancelBtn);
    }

    // A file with a damaged task and a message of no known kind: the
    // window's summary says, per format, what lumaroo-cli convert says.
    void summaryReportsWhatTheCommandLineReports()
    {
        using ExportFixture::folder;
        using ExportFixture::message;
        PstMessage odd = ExportFixture::mail("Odd one");
        odd.messageClass = "IPM.Lumaroo.Unknown";
        const QString path = m_dir.filePath("Damaged.pst");
        QVERIFY(PstWriter::write(
            ExportFixture::description({folder("Tasks", "IPF.Task", {message(PstMessage::Kind::Task, "Fine task"),
                                                                     message(PstMessage::Kind::Task, "Task-damage-marker-5d2e")}),
                                        folder("Inbox", "IPF.Note", {ExportFixture::mail("Hello"), odd})}),
            path));
        QVERIFY(damageMessage(path, "Task-damage-marker-5d2e"));
        const auto document = ExportFixture::open(path);
        QVERIFY(document);
        QPointer<PstExportDialog> dialog = show(ConvertToFiles, document);
        QString proposed;
        answerSaveDialog(m_dir.filePath("damaged-window"), &proposed);
        QTest::mouseClick(dialog->form()->okBtn, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(dialog->form()->resultLabel->isVisible(), 60000);
        const QString window = dialog->form()->resultLabel->text();
        closeWith(dialog, dialog->form()->cancelBtn);
        const CliRunner::Result cli = CliRunner::run({"convert", path, m_dir.filePath("damaged-cli")});
        QCOMPARE(cli.status, 1);
        const QStringList expected{"Emails | done 1 | failed 0 | damaged 0 | unshown 1 | missing 0",
                                   "Tasks | done 1 | failed 0 | damaged 1 | unshown 0 | missing 0"};
        QCOMPARE(summaryRows(window, true), expected);
        QCOMPARE(summaryRows(QString::fromUtf8(cli.out), false).filter(QRegularExpression("^(Emails|Tasks) ")), expected);
        QVERIFY2(window.startsWith("Finished, but some items failed"), qPrintable(window));
    }

    void saveDialogStartsWhereTheLastConversionWent()
    {
        QVERIFY(!m_firstOutput.isEmpty());
        QPointer<PstExportDialog> dialog = show(ConvertToFiles, m_mails);
        QString proposed;
        answerSaveDialog(QString(), &proposed);
        QTest::mouseClick(dialog->form()->okBtn, Qt::LeftButton);
        QTRY_COMPARE(proposed, QFileInfo(m_firstOutput).absolutePath());
        // Cancelling the save dialog leaves the choices as they were.
        QCOMPARE(dialog->form()->stackedWidget->currentWidget(), dialog->form()->exportPage);
        closeWith(dialog, dialog->form()->cancelBtn);
    }

    void cancelDuringARunSaysWhatWasDone()
    {
        QPointer<PstExportDialog> dialog = show(ConvertToFiles, m_mails);
        QString proposed;
        answerSaveDialog(m_dir.filePath("cancelled"), &proposed);
        // Cancel as soon as the run has started, before its first item.
        QTest::mouseClick(dialog->form()->okBtn, Qt::LeftButton);
        QVERIFY(dialog->manager()->isRunning());
        QTest::mouseClick(dialog->form()->cancelBtn, Qt::LeftButton);
        QVERIFY(!dialog.isNull());
        QTRY_VERIFY_WITH_TIMEOUT(dialog->form()->resultLabel->isVisible(), 60000);
        const ExportManager::FormatResult result = dialog->manager()->lastRunSummary().first();
        QVERIFY(result.failed > 0);
        QCOMPARE(dialog->form()->resultLabel->text(),
                 QStringLiteral("Cancelled.\nEmails: %1 of 120 converted, %2 failed.").arg(result.done()).arg(result.failed));
        closeWith(dialog, dialog->form()->cancelBtn);
    }

    void nothingToExportSaysSoAndStays()
    {
        QPointer<PstExportDialog> dialog = show(ConvertToFiles, m_people);
        for (const QString& key : {"vcf", "ics"})
            dialog->formatCheckBox(key)->setChecked(false);
        QCOMPARE(dialog->getFormats(), (QList<QString>{"eml", "txt", "ics2", "tasks"}));
        QStringList alerts;
        QTimer closer;
        connect(&closer, &QTimer::timeout, this, [&alerts] { alerts += dismissAlerts(); });
        closer.start(20);
        QString proposed;
        answerSaveDialog(m_dir.filePath("nothing"), &proposed);
        QTest::mouseClick(dialog->form()->okBtn, Qt::LeftButton);
        QTRY_COMPARE(alerts, QStringList{"Note|No items found to export."});
        QCOMPARE(dialog->form()->stackedWidget->currentWidget(), dialog->form()->exportPage);
        // Cancel before any run closes the dialog.
        closeWith(dialog, dialog->form()->cancelBtn);
    }
};

LUMAROO_TEST_MAIN_ON_PRIVATE_BUS(QApplication, PstExportDialogTest)
#include "tst_PstExportDialog.moc"
