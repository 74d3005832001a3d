// SPDX-License-Identifier: GPL-2.0-or-later
// bench_hugefolder [mails] [pst file to reuse or create]: writes a mailbox
// with one folder of 300,000 mails (the build's pstgen tool), opens it in a
// folder tree and an item list wired as the window wires them (offscreen),
// then chooses the folder twice: in folder order, and with the list sorted by
// subject. Prints, in seconds after the folder was chosen: the first paint
// of the list with rows, the last rows handed over, the list sorted; and the
// longest time the GUI thread did not answer (a 10 ms timer's largest gap),
// each beside its reference. On a busy machine the thread also waits for a
// core: the time it was ready but had none (the kernel's run-queue wait) is
// printed too, and the longest gap without it, the stall the program itself
// caused. Then the stall while the huge list is let go, and the peak
// resident memory.

#include "PSTListView.h"
#include "PSTTreeView.h"
#include "PstListController.h"
#include "PstListModel.h"
#include "PstTreeController.h"
#include "PstTreeModel.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSortFilterProxyModel>
#include <QTextStream>
#include <QTimer>

#include <sys/resource.h>
#include <time.h>

namespace {

constexpr double kFirstRowsReference = 0.3;
constexpr double kStallReference = 0.050;

// CPU time of the calling thread, in seconds.
double threadCpuSeconds()
{
    timespec time{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &time);
    return double(time.tv_sec) + double(time.tv_nsec) / 1e9;
}

// Seconds the calling thread has spent ready to run but waiting for a core
// (the scheduler's run-queue wait), or -1 where the kernel does not say.
double threadQueueSeconds()
{
    QFile stat(QStringLiteral("/proc/thread-self/schedstat"));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = stat.readAll().split(' ');
    return fields.size() >= 2 ? fields.at(1).toDouble() / 1e9 : -1;
}

double peakRssMb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

// Notes the first paint of the list's viewport that shows rows.
class PaintWatch : public QObject
{
public:
    PaintWatch(QElapsedTimer& clock, QAbstractItemView& view) : m_clock(clock), m_view(view) {}
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && firstRows < 0 && m_view.model()->rowCount() > 0)
            firstRows = m_clock.nsecsElapsed() / 1e9;
        return QObject::eventFilter(watched, event);
    }
    double firstRows = -1;

private:
    QElapsedTimer& m_clock;
    QAbstractItemView& m_view;
};

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

struct Run
{
    double firstRows = -1;
    double complete = -1;
    double sorted = -1;
    double longestStall = 0;
    // The GUI thread's own CPU time within that gap and the most it used
    // in any gap: a gap much longer than the work in it is the machine
    // giving the thread no core, not the program holding it.
    double stallCpu = 0;
    // The time the thread was ready but had no core in that gap: other
    // processes held both cores.
    double stallQueued = 0;
    // The longest gap less the time the thread had no core in it: the stall
    // the program itself caused, however busy the machine.
    double longestOwnStall = 0;
    double longestBusy = 0;
    int rows = 0;
};

// Chooses `folder` in the tree and waits for the list to be whole and sorted.
Run choose(PSTTreeView& tree, PstTreeController& treeController, PSTListView& list,
           PstListController& listController, const QModelIndex& folder)
{
    Run run;
    QElapsedTimer clock;
    PaintWatch watch(clock, list);
    list.viewport()->installEventFilter(&watch);
    double lastTick = 0;
    double lastCpu = threadCpuSeconds();
    double lastQueued = threadQueueSeconds();
    QEventLoop loop;
    QTimer heartbeat;
    heartbeat.setInterval(10);
    QObject::connect(&heartbeat, &QTimer::timeout, [&] {
        const double now = clock.nsecsElapsed() / 1e9;
        const double cpu = threadCpuSeconds();
        const double queued = threadQueueSeconds();
        if (now - lastTick > run.longestStall) {
            run.longestStall = now - lastTick;
            run.stallCpu = cpu - lastCpu;
            run.stallQueued = queued - lastQueued;
        }
        if (queued >= 0)
            run.longestOwnStall = qMax(run.longestOwnStall, now - lastTick - (queued - lastQueued));
        lastQueued = queued;
        run.longestBusy = qMax(run.longestBusy, cpu - lastCpu);
        lastTick = now;
        lastCpu = cpu;

        if (run.complete < 0 && !treeController.isReadingFolder())
            run.complete = now;
        if (run.complete >= 0 && run.sorted < 0 && !listController.isSorting())
            run.sorted = now;
        if (run.sorted >= 0 && watch.firstRows >= 0)
            loop.quit();
    });
    clock.start();
    heartbeat.start();
    emit tree.pressed(folder);
    loop.exec();
    list.viewport()->removeEventFilter(&watch);
    run.firstRows = watch.firstRows;
    run.rows = list.model()->rowCount();
    return run;
}

// Chooses the document row, whose list is empty: the longest stall while the
// huge list is let go.
double leave(PSTTreeView& tree)
{
    QElapsedTimer clock;
    double lastTick = 0, longestStall = 0;
    QEventLoop loop;
    QTimer heartbeat;
    heartbeat.setInterval(10);
    QObject::connect(&heartbeat, &QTimer::timeout, [&] {
        const double now = clock.nsecsElapsed() / 1e9;
        longestStall = qMax(longestStall, now - lastTick);
        lastTick = now;
        if (now > 0.5)
            loop.quit();
    });
    clock.start();
    heartbeat.start();
    QTimer::singleShot(0, &tree, [&tree] { emit tree.pressed(tree.model()->index(0, 0)); });
    loop.exec();
    return longestStall;
}

void print(QTextStream& out, const QString& name, const Run& run)
{
    out << name << " (" << run.rows << " rows)\n";
    out << QStringLiteral("  first rows shown      %1 s   (reference %2 s, ratio %3)\n")
               .arg(run.firstRows, 0, 'f', 3)
               .arg(kFirstRowsReference)
               .arg(run.firstRows / kFirstRowsReference, 0, 'f', 2);
    out << QStringLiteral("  all rows handed over  %1 s\n").arg(run.complete, 0, 'f', 3);
    out << QStringLiteral("  list sorted           %1 s\n").arg(run.sorted, 0, 'f', 3);
    out << QStringLiteral("  longest GUI stall     %1 ms  (reference %2 ms, ratio %3)\n")
               .arg(run.longestStall * 1000, 0, 'f', 1)
               .arg(kStallReference * 1000)
               .arg(run.longestStall / kStallReference, 0, 'f', 2);
    out << QStringLiteral("  longest GUI stall less the time without a core  %1 ms  (reference %2 ms, ratio %3)\n")
               .arg(run.longestOwnStall * 1000, 0, 'f', 1)
               .arg(kStallReference * 1000)
               .arg(run.longestOwnStall / kStallReference, 0, 'f', 2);
    out << QStringLiteral("    GUI thread in the longest gap: %1 ms working, %2 ms ready but without a core; "
                          "most work in any gap %3 ms\n")
               .arg(run.stallCpu * 1000, 0, 'f', 1)
               .arg(run.stallQueued * 1000, 0, 'f', 1)
               .arg(run.longestBusy * 1000, 0, 'f', 1);
    out.flush();
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("HOME", QDir::tempPath().toLocal8Bit());
    QApplication app(argc, argv);
    QTextStream out(stdout);
    const int mails = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 300000;
    const QString path = argc > 2 ? QString::fromLocal8Bit(argv[2])
                                  : QDir::temp().filePath(QStringLiteral("lumaroo-bench-hugefolder-%1.pst").arg(mails));
    if (!QFileInfo::exists(path)) {
        QElapsedTimer timer;
        timer.start();
        const int status = QProcess::execute(QStringLiteral(LUMAROO_PSTGEN),
                                             {QStringLiteral("--preset"), QStringLiteral("mailbox"),
                                              QStringLiteral("--mails"), QString::number(mails),
                                              QStringLiteral("--body-kb"), QStringLiteral("1"), QStringLiteral("-o"), path});
        if (status != 0) {
            QTextStream(stderr) << "pstgen could not write " << path << "\n";
            return 1;
        }
        out << "wrote " << mails << " mails in " << timer.elapsed() / 1000.0 << " s (" << path << ")\n";
    }

    PSTTreeView tree;
    tree.resize(300, 600);
    PstTreeController treeController(&tree);
    PSTListView list;
    list.resize(290, 698);
    PstListController listController(&list);
    // As the window wires them.
    QObject::connect(&treeController, &PstTreeController::folderSelected, &listController, &PstListController::setList);
    QObject::connect(&treeController, &PstTreeController::folderItemsRead, &listController,
                     &PstListController::appendItems);
    QObject::connect(&treeController, &PstTreeController::folderRead, &listController, &PstListController::finishList);
    tree.show();
    list.show();

    QElapsedTimer openClock;
    openClock.start();
    treeController.openPstFile(path);
    while (treeController.isOpening())
        app.processEvents(QEventLoop::WaitForMoreEvents, 50);
    out << "opened in " << openClock.elapsed() / 1000.0 << " s" << Qt::endl;
    tree.expandAll();
    int largest = 0;
    const QModelIndex folder = largestFolder(*tree.model(), {}, &largest);
    if (!folder.isValid()) {
        QTextStream(stderr) << "no folder with items\n";
        return 1;
    }
    out << "folder: " << folder.data().toString() << "\n";

    print(out, QStringLiteral("folder order"), choose(tree, treeController, list, listController, folder));
    // Another folder first, so the folder is chosen anew.
    emit tree.pressed(tree.model()->index(0, 0));
    listController.sort(PstListController::SubjectField, PstListController::Descending);
    print(out, QStringLiteral("sorted by subject, Z to A"),
          choose(tree, treeController, list, listController, folder));
    out << QStringLiteral("leaving the folder: longest GUI stall %1 ms  (reference %2 ms)\n")
               .arg(leave(tree) * 1000, 0, 'f', 1)
               .arg(kStallReference * 1000);
    out << QStringLiteral("peak resident memory  %1 MB\n").arg(peakRssMb(), 0, 'f', 1);
    return 0;
}
