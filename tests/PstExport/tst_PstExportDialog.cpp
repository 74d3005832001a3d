// SPDX-License-Identifier: GPL-2.0-or-later
// The export dialog as a user works it: choose, start, watch, cancel, finish.
// Runs on a private session bus: export mode talks to a real Evolution Data
// Server, and "Show in Folder" to a file manager this test stands in for.

#include "DesktopStore.h"
#include "ExportFixture.h"
#include "ExportManager.h"
#include "PrivateSessionBus.h"
#include "ProgressReporter.h"
#include "PstExportDialog.h"
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

} // namespace

class PstExportDialogTest : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    FakeFileManager m_fileManager;
    std::shared_ptr<PstFolderItem> m_mails;
    std::shared_ptr<PstFolderItem> m_people;
    QString m_firstOutput;

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
            QCOMPARE(DesktopStore::contacts("People.pst").size() + DesktopStore::events("People.pst").size(), 120);
            return;
        }
        QCOMPARE(ExportFixture::filesUnder(output).size(), 120);
        QCOMPARE(m_fileManager.shown, QStringList{QUrl::fromLocalFile(output).toString()});
        m_firstOutput = output;
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
