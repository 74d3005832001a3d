// SPDX-License-Identifier: GPL-2.0-or-later
// bench_windowopen FILE.pst: opens FILE in a folder tree as the window does
// (offscreen) and prints, in seconds after the open was asked for: the first
// paint of the document row, the first paint of the folder tree (expanded as
// soon as the document row has folders), the last count, and the longest time
// the GUI thread did not answer (a 10 ms timer's largest gap), beside the time
// libpst takes for the index and folders alone.

#include "PSTTreeView.h"
#include "PstParser.h"
#include "PstTreeController.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QTextStream>
#include <QTimer>

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

    QElapsedTimer floorClock;
    floorClock.start();
    pst_file file{};
    if (pst_open(&file, path.toLocal8Bit().constData(), nullptr) == 0 && pst_load_index(&file) == 0) {
        pst_load_extended_attributes(&file);
        for (pst_desc_tree* node = file.d_head; node;) {
            if ((node->d_id & 0x1F) == 0x02)
                if (pst_item* item = pst_parse_item(&file, node, nullptr))
                    pst_freeItem(item);
            if (node->child) {
                node = node->child;
                continue;
            }
            while (node && !node->next)
                node = node->parent;
            if (node)
                node = node->next;
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
    return 0;
}
