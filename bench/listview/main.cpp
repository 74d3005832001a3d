// SPDX-License-Identifier: GPL-2.0-or-later
// Item list benchmark: a folder of 100,000 mails handed to the list, then
// the list scrolled from top to bottom one page at a time.
// Prints the milliseconds setList takes and the mean paint time per page.
// Usage: bench_listview [mails] [pst file to reuse or create]

#include "PSTListView.h"
#include "PstFolderItem.h"
#include "PstListController.h"
#include "PstParser.h"
#include "PstPresets.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QScrollBar>

#include <cstdio>

namespace {

std::shared_ptr<PstFolderItem> largestFolder(const std::shared_ptr<PstItem>& node)
{
    std::shared_ptr<PstFolderItem> best = std::dynamic_pointer_cast<PstFolderItem>(node);
    for (int i = 0; i < node->childCount(); ++i) {
        auto candidate = largestFolder(node->child(i));
        if (candidate && (!best || candidate->itemCount() > best->itemCount()))
            best = candidate;
    }
    return best;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const int mails = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 100000;
    const QString path = argc > 2 ? QString::fromLocal8Bit(argv[2])
                                  : QDir::temp().filePath(QStringLiteral("lumaroo-bench-listview-%1.pst").arg(mails));
    QElapsedTimer timer;
    if (!QFileInfo::exists(path)) {
        timer.start();
        PstPresets::MailboxOptions options;
        options.mails = mails;
        options.bodyKb = 1;
        QString error;
        if (!PstPresets::writeMailbox(path, options, &error)) {
            std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(path), qPrintable(error));
            return 1;
        }
        std::printf("wrote %d mails in %lld ms (%s)\n", mails, timer.elapsed(), qPrintable(path));
    }

    timer.start();
    PstParser parser;
    if (!parser.open(path))
        return 1;
    const std::shared_ptr<PstFolderItem> root = parser.parse(path);
    if (!root)
        return 1;
    const std::shared_ptr<PstFolderItem> folder = largestFolder(root);
    std::printf("parsed %d items in %lld ms\n", folder->itemCount(), timer.elapsed());

    PSTListView view;
    view.resize(290, 698);
    PstListController controller(&view);
    view.show();
    app.processEvents();

    timer.start();
    controller.setList(folder->items());
    std::printf("setList: %lld ms\n", timer.elapsed());

    QScrollBar* bar = view.verticalScrollBar();
    app.processEvents();
    // The bar counts rows or pixels depending on the view's scroll mode;
    // its page step is one screenful either way.
    const int pageStep = bar->pageStep();
    qint64 paintNs = 0;
    int pages = 0;
    QElapsedTimer total;
    total.start();
    for (int position = 0;; position += pageStep) {
        bar->setValue(position);
        QElapsedTimer paint;
        paint.start();
        view.viewport()->repaint();
        paintNs += paint.nsecsElapsed();
        ++pages;
        if (bar->value() >= bar->maximum())
            break;
    }
    std::printf("scrolled %d pages (page step %d) in %lld ms; mean paint per page: %.3f ms\n", pages, pageStep,
                total.elapsed(), double(paintNs) / pages / 1e6);
    return 0;
}
