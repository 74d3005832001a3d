// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QDialog>
#include <QList>
#include <QMap>
#include <QString>

#include "ExportFormat.h"
#include "ExportManager.h"

#include <memory>

class ProgressReporter;
class PstItem;
class PstTreeController;
class QCheckBox;
class QProgressBar;
namespace Ui { class PstExportDialog; }

// 1 converts into files; any other value (the window passes 0) hands
// contacts and appointments to the desktop's address book and calendar.
enum ExportDialogMode { ExportToApps = 0, ConvertToFiles = 1 };

// The modal dialog of one conversion or export of a PST document: its folder
// tree, the formats to choose, then one progress bar per format and, at the
// end, what was written and what failed. Deletes itself when closed.
class PstExportDialog : public QDialog
{
    Q_OBJECT
public:
    PstExportDialog(ExportDialogMode mode, QWidget* parent = nullptr);
    ~PstExportDialog() override;

    // The document to export (its clone is kept; null is ignored).
    void setPstNode(const std::shared_ptr<PstItem>& node);
    // The checked formats of the dialog's mode, in the engine's order.
    QList<QString> getFormats() const;

    ExportManager* manager() const { return m_manager; }
    Ui::PstExportDialog* form() const { return m_ui; }
    // The format check box of `key` in the current mode; null when absent.
    QCheckBox* formatCheckBox(const QString& key) const;
    // Where app mode collects the vCards: our Temp folder, ending in a slash.
    static QString scratchDirectory();

public slots:
    void onOkClicked();
    void onCancelClicked();
    void onIgnoreFolderChanged(bool checked);
    void exportCompleted(bool appMode);
    void onProgressReady(const QString& label, std::shared_ptr<ProgressReporter> reporter, int total);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool isConvertMode() const { return m_mode == ConvertToFiles; }
    void buildFormatBoxes();
    // The text beside a format's check box in convert mode.
    static QString convertDescription(const ExportFormat& format);
    void startConversion();
    QString resultText(bool appMode) const;
    // The result's losses as a sentence ("1 damaged, could not be read."); "" without any.
    static QString lossesText(const ExportManager::FormatResult& result);
    void showOutputFolder();

    QWidget* m_parent = nullptr;
    ExportDialogMode m_mode;
    QString m_outputPath;
    Ui::PstExportDialog* m_ui = nullptr;
    std::shared_ptr<PstItem> m_root;
    ExportManager* m_manager = nullptr;
    PstTreeController* m_treeController = nullptr;
    QMap<QString, QProgressBar*> m_progressBars;
    QMap<QString, QCheckBox*> m_formatBoxes;
};
