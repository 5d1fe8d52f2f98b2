// Opening the largest shipped help topic as a click on its node does, in milliseconds: the file
// read, the RTF turned into a document, and the document laid out in the shown pane.
#include "helpviewer/HelpTopics.h"
#include "helpviewer/HelpWindow.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QTextBrowser>
#include <QTreeWidget>

#include <benchmark/benchmark.h>

namespace {

// The caption of the node whose file is the largest in the folder, and the file's size.
std::pair<QString, qint64> largestTopic(const QString &folder)
{
    std::pair<QString, qint64> largest;
    for (const HelpNode &node : HelpTopics::nodes()) {
        const qint64 size = QFileInfo(folder + u'/' + node.file.mid(1)).size();
        if (!node.file.isEmpty() && size > largest.second)
            largest = {node.caption, size};
    }
    return largest;
}

void BM_OpenLargestTopic(benchmark::State &state)
{
    const QString folder = QStringLiteral(ORVANE_STAGED_APP_DIR "/Help");
    const auto [caption, bytes] = largestTopic(folder);
    if (caption.isEmpty()) {
        state.SkipWithError("no staged help topics");
        return;
    }
    HelpWindow window(folder, {});
    window.show();
    auto *tree = window.findChild<QTreeWidget *>(QStringLiteral("TreeView1"));
    auto *pane = window.findChild<QTextBrowser *>(QStringLiteral("RichTextBox1"));
    QTreeWidgetItem *node
        = tree->findItems(caption, Qt::MatchExactly | Qt::MatchRecursive).value(0);
    for (auto _ : state) {
        window.onTreeView1NodeClick(node);
        benchmark::DoNotOptimize(pane->document()->documentLayout()->documentSize());
    }
    state.counters["topic_bytes"] = double(bytes);
    state.SetLabel(caption.toStdString());
}

} // namespace

BENCHMARK(BM_OpenLargestTopic)->Unit(benchmark::kMillisecond);
