// SPDX-License-Identifier: GPL-2.0-or-later
#include "PstExportDialog.h"
#include "ui_PstExportDialog.h"

#include "Common.h"
#include "ExportManager.h"
#include "ExportWorkers.h"
#include "Log.h"
#include "NativeMessageBox.h"
#include "ProgressReporter.h"
#include "PstItem.h"
#include "PstFolderItem.h"
#include "PstTreeController.h"
#include "PstTreeViewFilterModel.h"
#include "UserFolders.h"

#include <QCheckBox>
#include <QDateTime>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QStandardPaths>
#include <QThread>

namespace {

constexpr int kDialogWidth = 560;
constexpr int kDialogHeight = 620;
constexpr int kProgressRowHeight = 56;
constexpr int kProgressFrameHeight = 60;
constexpr int kResultRowHeight = 18;
constexpr int kCornerRadius = 12;

const char kProgressBarStyle[] =
    "QProgressBar { border: none; border-radius: 8px; text-align: right; color: white; background: #E0E0E0;"
    " max-height: 8px; min-height: 8px; }"
    "QProgressBar::chunk { background: #2196F3; border-radius: 8px; }";

// The folder the next save dialog starts in: the one chosen last time while
// the program runs, the user's documents folder before that.
QString& rememberedDirectory()
{
    static QString directory = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return directory;
}

} // namespace

PstExportDialog::PstExportDialog(ExportDialogMode mode, QWidget* parent)
    : QDialog(parent)
    , m_parent(parent)
    , m_mode(mode)
    , m_ui(new Ui::PstExportDialog)
{
    m_ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(true);
    if (isConvertMode()) {
        m_ui->exportBox->hide();
        setWindowTitle(tr("Convert"));
        m_ui->okBtn->setText(tr("Convert"));
    } else {
        m_ui->convertBox->hide();
        setWindowTitle(tr("Export"));
        m_ui->okBtn->setText(tr("Export"));
    }
    buildFormatBoxes();
    setFixedSize(kDialogWidth, kDialogHeight);

    m_manager = new ExportManager(this);
    // A conversion uses every core through the command-line program beside this one.
    m_manager->setWorkers(QThread::idealThreadCount(), ExportWorkers::siblingProgram());
    m_treeController = new PstTreeController(m_ui->treeView, this);
    m_treeController->hideEmptyFolders(true);
    // A conversion writes the checked folders; all of them at first.
    if (isConvertMode())
        m_treeController->proxy()->setCheckable(true);
    m_ui->stackedWidget->setCurrentWidget(m_ui->exportPage);

    connect(m_ui->cancelBtn, &QPushButton::clicked, this, &PstExportDialog::onCancelClicked);
    connect(m_ui->okBtn, &QPushButton::clicked, this, &PstExportDialog::onOkClicked);
    connect(m_ui->ignoreFolderCheckBox, &QCheckBox::toggled, this, &PstExportDialog::onIgnoreFolderChanged);
    connect(m_manager, &ExportManager::exportCompleted, this, &PstExportDialog::exportCompleted);
    connect(m_manager, &ExportManager::progressReady, this, &PstExportDialog::onProgressReady, Qt::DirectConnection);
    connect(m_manager, &ExportManager::exportItemNotFound, this,
            [this] { NativeMessageBox::info(this, tr("Note"), tr("No items found to export.")); });
    connect(m_manager, &ExportManager::appAccessDenied, this,
            [this](const QString& title, const QString& text) { NativeMessageBox::warning(this, title, text); });
}

PstExportDialog::~PstExportDialog()
{
    delete m_ui;
}

// One check box per format with its description beside it, built from the
// engine's format list so a new format needs no change here.
void PstExportDialog::buildFormatBoxes()
{
    QGridLayout* grid = isConvertMode() ? m_ui->convertLayout : m_ui->exportLayout;
    QWidget* box = isConvertMode() ? m_ui->convertBox : m_ui->exportBox;
    const QString prefix = isConvertMode() ? QString() : QStringLiteral("export");
    for (const ExportFormat& format : ExportManager::formats()) {
        if (!isConvertMode() && format.appCaption.isEmpty())
            continue;
        auto* check = new QCheckBox(tr(format.caption.toUtf8().constData()), box);
        QString name = format.key + QStringLiteral("CheckBox");
        if (!isConvertMode())
            name = QStringLiteral("export%1CBox").arg(format.key.left(1).toUpper() + format.key.mid(1));
        check->setObjectName(name);
        // The mailbox formats write every mail a second time; only on request.
        check->setChecked(format.byDefault);
        const QString description = isConvertMode() ? convertDescription(format)
                                                    : tr(format.appCaption.toUtf8().constData());
        const int row = int(m_formatBoxes.size());
        grid->addWidget(check, row, 0);
        grid->addWidget(new QLabel(description, box), row, 1);
        m_formatBoxes.insert(format.key, check);
    }
    grid->setColumnStretch(1, 1);
}

QString PstExportDialog::convertDescription(const ExportFormat& format)
{
    if (format.key == QLatin1String("mbox"))
        return tr("Convert to one *.mbox file per folder");
    if (format.key == QLatin1String("maildir"))
        return tr("Convert to a Maildir folder tree");
    return tr("Convert to *.%1 file").arg(format.extension);
}

QCheckBox* PstExportDialog::formatCheckBox(const QString& key) const
{
    return m_formatBoxes.value(key);
}

QString PstExportDialog::scratchDirectory()
{
    return UserFolders::tempDir();
}

void PstExportDialog::setPstNode(const std::shared_ptr<PstItem>& node)
{
    if (!node)
        return;
    m_root = node->clone();
    m_treeController->addRow(m_root);
}

QList<QString> PstExportDialog::getFormats() const
{
    QList<QString> formats;
    for (const ExportFormat& format : ExportManager::formats()) {
        const QCheckBox* check = m_formatBoxes.value(format.key);
        if (check && check->isChecked())
            formats.append(format.key);
    }
    return formats;
}

void PstExportDialog::onOkClicked()
{
    if (isConvertMode())
        startConversion();
    else
        m_manager->startExportToApp(m_root, scratchDirectory(), getFormats());
}

void PstExportDialog::startConversion()
{
    const QString name = m_root ? m_root->displayName() : QString();
    const QString suggested =
        QStringLiteral("%1 %2").arg(name, QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd_hh-mm-ss")));
    const QString path = QFileDialog::getSaveFileName(nullptr, tr("Select export folder"),
                                                      rememberedDirectory() + QLatin1Char('/') + suggested);
    if (path.isEmpty()) {
        Log::info(QStringLiteral("Export folder deselected."));
        return;
    }
    rememberedDirectory() = QFileInfo(path).absolutePath();
    m_outputPath = path;
    const QSet<unsigned long long> unchecked = m_treeController->proxy()->uncheckedFolderIds();
    if (!unchecked.isEmpty()) {
        m_manager->setFolderSelection(
            [unchecked](const PstFolderItem& folder) { return !unchecked.contains(folder.fileId()); });
    }
    m_manager->startExportToFiles(m_root, path, getFormats());
}

void PstExportDialog::onCancelClicked()
{
    Log::info(QStringLiteral("Cancelled export."));
    if (!m_manager->isRunning()) {
        close();
        return;
    }
    m_manager->cancel();
    m_ui->cancelBtn->setEnabled(false);
}

void PstExportDialog::onIgnoreFolderChanged(bool checked)
{
    m_treeController->hideEmptyFolders(checked);
    m_manager->setIgnoreEmptyFolder(checked);
}

void PstExportDialog::onProgressReady(const QString& label, std::shared_ptr<ProgressReporter> reporter, int total)
{
    // A format of which the document has nothing gets no bar.
    if (total <= 0)
        return;
    const QString verb = windowTitle() == tr("Convert") ? QStringLiteral("Convert") : QStringLiteral("Export");
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(tr("%1 %2").arg(verb, label), m_ui->progressBox));
    row->addStretch();
    // The count beside the caption: an 8 px bar has no room for legible text.
    auto* count = new QLabel(QStringLiteral("0/%1").arg(total), m_ui->progressBox);
    count->setObjectName(QStringLiteral("progressCount"));
    count->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    count->setMinimumWidth(count->fontMetrics().horizontalAdvance(QStringLiteral("%1/%1").arg(total)));
    row->addWidget(count);
    auto* bar = new QProgressBar(m_ui->progressBox);
    bar->setRange(0, total);
    bar->setValue(0);
    bar->setFormat(QStringLiteral("%v/%m  "));
    bar->setTextVisible(false);
    bar->setStyleSheet(QLatin1String(kProgressBarStyle));
    m_ui->progressLayout->addLayout(row);
    m_ui->progressLayout->addWidget(bar);
    m_progressBars.insert(label, bar);
    connect(reporter.get(), &ProgressReporter::progressUpdated, this, [this, label, count](int value) {
        QProgressBar* target = m_progressBars.value(label);
        if (target && value > target->value()) {
            target->setValue(value);
            count->setText(QStringLiteral("%1/%2").arg(value).arg(target->maximum()));
        }
    });
    // One run per dialog: the button comes back as "Show in Folder" or "Close".
    m_ui->okBtn->setEnabled(false);
    m_ui->resultLabel->hide();
    m_ui->stackedWidget->setCurrentWidget(m_ui->progressPage);
    setFixedHeight(kProgressRowHeight * int(m_progressBars.size()) + kProgressFrameHeight);
}

void PstExportDialog::exportCompleted(bool appMode)
{
    Log::info(QStringLiteral("All export tasks have completed."));
    // What happened, including what did not: a cancelled or partly failed
    // run is never shown as a plain success.
    m_ui->resultLabel->setText(resultText(appMode));
    m_ui->resultLabel->show();
    const int lines = int(m_ui->resultLabel->text().count(QLatin1Char('\n'))) + 1;
    setFixedHeight(kProgressRowHeight * int(m_progressBars.size()) + kProgressFrameHeight + kResultRowHeight * lines);
    m_ui->cancelBtn->setEnabled(true);
    m_ui->okBtn->setEnabled(true);
    m_ui->okBtn->disconnect();
    if (appMode) {
        m_ui->okBtn->setText(tr("Close"));
        connect(m_ui->okBtn, &QPushButton::clicked, this, &PstExportDialog::close);
        return;
    }
    m_ui->okBtn->setText(tr("Show in Folder"));
    connect(m_ui->okBtn, &QPushButton::clicked, this, [this] {
        showOutputFolder();
        onCancelClicked();
    });
}

QString PstExportDialog::resultText(bool appMode) const
{
    QStringList lines;
    bool failures = false;
    for (const ExportManager::FormatResult& result : m_manager->lastRunSummary()) {
        if (result.total == 0 && result.lost() == 0)
            continue;
        failures = failures || result.failed > 0 || result.lost() > 0;
        QString line = (appMode ? tr("%1: %2 of %3 handed over, %4 failed.") : tr("%1: %2 of %3 converted, %4 failed."))
                           .arg(result.label)
                           .arg(result.done())
                           .arg(result.total)
                           .arg(result.failed);
        const QString losses = lossesText(result);
        if (!losses.isEmpty())
            line += QLatin1Char(' ') + losses;
        lines.append(line);
    }
    // What the file could not give in folders of no chosen format.
    const ExportManager::FormatResult other = m_manager->lastRunOtherLosses();
    if (other.lost() > 0) {
        failures = true;
        lines.append(tr("Other items: %1").arg(lossesText(other)));
    }
    if (m_manager->wasCancelled())
        lines.prepend(tr("Cancelled."));
    else if (failures)
        lines.prepend(tr("Finished, but some items failed; the log names them."));
    else
        lines.prepend(tr("Finished."));
    return lines.join(QLatin1Char('\n'));
}

QString PstExportDialog::lossesText(const ExportManager::FormatResult& result)
{
    QStringList parts;
    if (result.damaged > 0)
        parts.append(tr("%1 damaged, could not be read").arg(result.damaged));
    if (result.unshown > 0)
        parts.append(tr("%1 of an unknown kind, not shown").arg(result.unshown));
    if (result.missing > 0)
        parts.append(tr("%1 missing from the file's index").arg(result.missing));
    return parts.isEmpty() ? QString() : parts.join(QStringLiteral("; ")) + QLatin1Char('.');
}

void PstExportDialog::showOutputFolder()
{
    Common::revealInExplorer(m_outputPath);
}

void PstExportDialog::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(rect(), kCornerRadius, kCornerRadius);
}
