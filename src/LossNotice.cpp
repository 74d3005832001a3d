// SPDX-License-Identifier: GPL-2.0-or-later
#include "LossNotice.h"

#include "PstFolderItem.h"

#include <QSplitter>
#include <QVBoxLayout>

LossNotice::LossNotice(QWidget* parent)
    : QLabel(parent)
{
    setObjectName(QStringLiteral("lossNotice"));
    setWordWrap(true);
    setContentsMargins(6, 4, 6, 4);
    setStyleSheet(QStringLiteral("QLabel#lossNotice { background: #fff4ce; color: #5c4400; }"));
    hide();
}

LossNotice* LossNotice::install(QWidget* tree)
{
    auto* splitter = tree ? qobject_cast<QSplitter*>(tree->parentWidget()) : nullptr;
    if (!splitter)
        return nullptr;
    const int index = splitter->indexOf(tree);
    auto* pane = new QWidget;
    auto* layout = new QVBoxLayout(pane);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    splitter->replaceWidget(index, pane);
    layout->addWidget(tree);
    auto* notice = new LossNotice(pane);
    layout->addWidget(notice);
    return notice;
}

void LossNotice::showLosses(const QList<std::shared_ptr<PstItem>>& documents)
{
    QStringList lines;
    for (const auto& document : documents) {
        const auto root = std::dynamic_pointer_cast<PstFolderItem>(document);
        const auto losses = root ? root->losses() : nullptr;
        if (!losses)
            continue;
        if (losses->count() > 0)
            lines << tr("%1: %n item(s) could not be shown (see the log).", nullptr, int(losses->count()))
                         .arg(root->displayName());
        if (losses->withoutNamedProperties)
            lines << tr("%1: damaged name map; task and journal details are missing.").arg(root->displayName());
    }
    setText(lines.join(QLatin1Char('\n')));
    setToolTip(lines.isEmpty() ? QString() : tr("Items that are damaged, of unknown kinds or missing from the file's index."));
    setVisible(!lines.isEmpty());
}
