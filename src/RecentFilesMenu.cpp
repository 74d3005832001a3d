// SPDX-License-Identifier: GPL-2.0-or-later
#include "RecentFilesMenu.h"

#include "AppConfig.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>

RecentFilesMenu::RecentFilesMenu(QWidget* parent)
    : QMenu(parent)
{
    setObjectName(QStringLiteral("recentFilesMenu"));
    setTitle(tr("Open &Recent"));
    connect(this, &QMenu::aboutToShow, this, &RecentFilesMenu::refresh);
    refresh();
}

void RecentFilesMenu::refresh()
{
    clear();
    QStringList kept;
    for (const QString& path : AppConfig::instance()->recentFiles()) {
        if (QFileInfo::exists(path))
            kept << path;
    }
    if (kept != AppConfig::instance()->recentFiles())
        AppConfig::instance()->setRecentFiles(kept);
    for (int i = 0; i < kept.size(); ++i) {
        const QString path = kept.at(i);
        // "&1 Outlook.pst", the folder beside it; a name's own "&" stays a character.
        QString name = QFileInfo(path).fileName();
        name.replace(QLatin1Char('&'), QLatin1String("&&"));
        QAction* action = addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(name));
        action->setData(path);
        action->setToolTip(QDir::toNativeSeparators(path));
        action->setStatusTip(QDir::toNativeSeparators(path));
        connect(action, &QAction::triggered, this, [this, path] { emit fileChosen(path); });
    }
    if (kept.isEmpty())
        addAction(tr("No Recent Files"))->setEnabled(false);
    setToolTipsVisible(true);
}

void RecentFilesMenu::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        setTitle(tr("Open &Recent"));
        refresh();
    }
    QMenu::changeEvent(event);
}
