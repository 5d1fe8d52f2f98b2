// One layout pass of the webcam window (what a resize or any change it follows runs) on a window
// that has not changed: every assignment is skipped, so the pass costs comparisons only. Also the
// pass with a cam selected and in half size, which takes the picture branch. Reported in
// microseconds.
#include "support/FakeServices.h"
#include "webcam/CamTree.h"
#include "webcam/WebcamFiles.h"
#include "webcam/WindowLayout.h"
#include "webcam/frmMain.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <benchmark/benchmark.h>

namespace {

struct Window
{
    Window()
    {
        QDir(dir.path()).mkpath("app");
        QFile favorites(dir.path() + "/app/favorites.dat");
        favorites.open(QIODevice::WriteOnly);
        for (int i = 0; i < 20; ++i)
            favorites.write(QStringLiteral("[Cam %1]\r\nAddress=http://127.0.0.1/%1.jpg\r\n")
                                .arg(i)
                                .toLatin1());
        favorites.close();
        window.open();
        window.resize(800, 600);
        window.windowLayout().layoutWindow();
    }
    QTemporaryDir dir;
    FakeServices fakes{dir.path() + "/app", dir.path() + "/settings.ini"};
    frmMain window{fakes.services, WebcamFiles(dir.path() + "/app"), QStringLiteral("Orvane")};
};

void BM_LayoutPassWelcome(benchmark::State &state)
{
    Window w;
    for (auto _ : state)
        w.window.windowLayout().layoutWindow();
}
BENCHMARK(BM_LayoutPassWelcome)->Unit(benchmark::kMicrosecond);

void BM_LayoutPassCamHalfSize(benchmark::State &state)
{
    Window w;
    auto *tree = w.window.findChild<QTreeWidget *>(QStringLiteral("TreeView1"));
    QTreeWidgetItem *cam = tree->topLevelItem(1)->child(3);
    tree->setCurrentItem(cam);
    w.window.camTree().onTreeView1NodeClick(cam);
    w.window.windowLayout().onMnuViewModeClick(2);
    w.window.windowLayout().layoutWindow();
    for (auto _ : state)
        w.window.windowLayout().layoutWindow();
}
BENCHMARK(BM_LayoutPassCamHalfSize)->Unit(benchmark::kMicrosecond);

} // namespace
