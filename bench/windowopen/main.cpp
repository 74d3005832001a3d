// SPDX-License-Identifier: GPL-2.0-or-later
// bench_windowopen FILE.pst: opens FILE in a folder tree as the window does
// (offscreen) and prints, in seconds after the open was asked for: the first
// paint of the document row, the first paint of the folder tree (expanded as
// soon as the document row has folders), the last count, and the longest time
// the GUI thread did not answer (a 10 ms timer's largest gap), beside the time
// libpst takes for the index and folders alone; then the peak resident
// memory of the open and the time from choosing the largest folder to its
// rows being handed to the list.

#include "../common/DescTreeWalk.h"

#include "PSTTreeView.h"
#include "PstParser.h"
#include "PstTreeController.h"
#include "PstTreeModel.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QSortFilterProxyModel>
#include <QTextStream>
#include <QTimer>

#include <sys/resource.h>

namespace {

// Notes the time of the first paint after each change of the row count.
class PaintWatch : public QObject
{
public:
    explicit PaintWatch(QElapsedTimer& clock) : m_clock(clock) {}
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            lastPaint = m_clock.nsecsElapsed() / 1e9;
        return QObject::eventFilter(watched, event);
    }
    double lastPaint = -1;

private:
    QElapsedTimer& m_clock;
};

double peakRssMb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

QModelIndex largestFolder(const QAbstractItemModel& model, const QModelIndex& parent, int* largest)
{
    QModelIndex found;
    for (int row = 0; row < model.rowCount(parent); ++row) {
        const QModelIndex index = model.index(row, 0, parent);
        const auto* folder = dynamic_cast<const PstFolderItem*>(PstTreeModel::itemFromIndex(
            static_cast<const QSortFilterProxyModel&>(model).mapToSource(index)));
        if (folder && folder->nodeLevel() > 0 && folder->itemCount() > *largest) {
            *largest = folder->itemCount();
            found = index;
        }
        const QModelIndex below = largestFolder(model, index, largest);
        if (below.isValid())
            found = below;
    }
    return found;
}

// Seconds from choosing the largest folder to its last items reaching the list.
double timeLargestFolder(QTreeView& view, PstTreeController& controller)
{
    int largest = 0;
    const QModelIndex index = largestFolder(*view.model(), {}, &largest);
    if (!index.isValid())
        return -1;
    QElapsedTimer clock;
    QEventLoop loop;
    QObject::connect(&controller, &PstTreeController::folderRead, &loop, &QEventLoop::quit);
    clock.start();
    emit view.pressed(index);
    if (controller.isReadingFolder())
        loop.exec();
    return clock.nsecsElapsed() / 1e9;
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("HOME", QDir::tempPath().toLocal8Bit());
    QApplication app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: bench_windowopen FILE.pst\n";
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    PSTTreeView view;
    view.resize(300, 600);
    PstTreeController controller(&view);
    view.show();

    QElapsedTimer clock;
    PaintWatch watch(clock);
    view.viewport()->installEventFilter(&watch);
    double rowPainted = -1, treePainted = -1, lastCount = -1, longestStall = 0, lastTick = 0;
    bool treeShown = false;
    QTimer ticker;
    ticker.setInterval(10);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        const double now = clock.nsecsElapsed() / 1e9;
        longestStall = qMax(longestStall, now - lastTick);
        lastTick = now;
        if (rowPainted < 0 && watch.lastPaint >= 0)
            rowPainted = watch.lastPaint;
        if (!treeShown && view.model()->rowCount(view.model()->index(0, 0)) > 0) {
            treeShown = true;
            watch.lastPaint = -1;
            view.expandAll();
        }
        if (treeShown && treePainted < 0 && watch.lastPaint >= 0)
            treePainted = watch.lastPaint;
        if (!controller.isOpening() && lastCount < 0)
            lastCount = now;
        if (lastCount >= 0 && treePainted >= 0)
            app.quit();
    });
    clock.start();
    ticker.start();
    controller.openPstFile(path);
    watch.lastPaint = -1;
    app.exec();
    const double openPeakMb = peakRssMb();
    const double selectSeconds = timeLargestFolder(view, controller);

    QElapsedTimer floorClock;
    floorClock.start();
    pst_file file{};
    if (pst_open(&file, path.toLocal8Bit().constData(), nullptr) == 0 && pst_load_index(&file) == 0) {
        pst_load_extended_attributes(&file);
        for (pst_desc_tree* node = file.d_head; node;) {
            if ((node->d_id & 0x1F) == 0x02)
                if (pst_item* item = pst_parse_item(&file, node, nullptr))
                    pst_freeItem(item);
            node = nextDescNode(node);
        }
        pst_close(&file);
    }
    const double floor = floorClock.nsecsElapsed() / 1e9;
    QTextStream out(stdout);
    out << "measure\tseconds\tfloor s\tratio\n";
    const auto row = [&](const char* name, double seconds) {
        out << name << '\t' << seconds << '\t' << floor << '\t' << QString::number(seconds / floor, 'f', 1) << "\n";
    };
    row("document row painted", rowPainted);
    row("folder tree painted", treePainted);
    row("last count", lastCount);
    row("longest GUI stall", longestStall);
    out << "largest folder chosen, rows handed over\t" << selectSeconds << "\n";
    out << "open peak RSS MB\t" << openPeakMb << "\n";
    return 0;
}
