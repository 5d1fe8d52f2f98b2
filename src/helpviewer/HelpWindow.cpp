#include "HelpWindow.h"

#include "HelpLayout.h"
#include "HelpPane.h"
#include "HelpTopics.h"
#include "RtfReader.h"
#include "common/Twips.h"

#include <QHash>
#include <QLabel>
#include <QResizeEvent>
#include <QStyle>
#include <QStyleFactory>
#include <QTextDocument>
#include <QTreeWidget>

namespace {

QRect toPixels(const QRect &r)
{
    return QRect(twips(r.x()), twips(r.y()), twips(r.width()), twips(r.height()));
}

} // namespace

const QByteArray HelpWindow::kStartDocument
    = QByteArrayLiteral("{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil MS Sans Serif;}}"
                        "\\pard\\f0\\fs17 Choose a topic in the left pane\\par}");

HelpWindow::HelpWindow(QString folder, LinkOpener openLink, QWidget *parent)
    : QWidget(parent)
    , m_folder(std::move(folder))
    , m_openLink(std::move(openLink))
    , m_caption(new QLabel(QStringLiteral("HELP TOPICS"), this))
    , m_tree(new QTreeWidget(this))
    , m_pane(new HelpPane(this))
{
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(QStringLiteral("Orvane HELP"));
    m_caption->setObjectName(QStringLiteral("Label1"));
    m_caption->setFont(QFont(QStringLiteral("Verdana")));
    m_caption->setGeometry(toPixels(QRect(90, 45, 2955, 315)));
    m_tree->setObjectName(QStringLiteral("TreeView1"));
    m_tree->setHeaderHidden(true);
    m_tree->setRootIsDecorated(true);
    // The tree is drawn with lines joining the nodes, which only the Windows style draws.
    if (QStyle *lines = QStyleFactory::create(QStringLiteral("Windows"))) {
        lines->setParent(m_tree);
        m_tree->setStyle(lines);
    }
    m_pane->setObjectName(QStringLiteral("RichTextBox1"));
    showDocument(kStartDocument);
    buildTree();

    m_tree->setAccessibleName(QStringLiteral("Help topics"));
    m_pane->setAccessibleName(QStringLiteral("Help text"));
    // A click opens a topic; so does Enter on the keyboard, for those who do not use a mouse.
    const auto open = [this](QTreeWidgetItem *node) {
        onTreeView1NodeClick(node);
    };
    connect(m_tree, &QTreeWidget::itemClicked, this, open);
    connect(m_tree, &QTreeWidget::itemActivated, this, open);
    connect(m_pane, &HelpPane::linkActivated, this, &HelpWindow::onRichTextBox1LinkClick);
    resize(twips(HelpLayout::kStartWidth), twips(HelpLayout::kStartHeight));
    placeControls();
}

void HelpWindow::buildTree()
{
    QHash<QString, QTreeWidgetItem *> byKey;
    for (const HelpNode &node : HelpTopics::nodes()) {
        QTreeWidgetItem *parent = byKey.value(node.parent);
        auto *item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(m_tree);
        item->setText(0, node.caption);
        item->setData(0, Qt::UserRole, node.key);
        byKey.insert(node.key, item);
    }
    m_tree->collapseAll();
}

void HelpWindow::onTreeView1NodeClick(QTreeWidgetItem *node)
{
    if (!node)
        return;
    const QString file = HelpTopics::fileFor(node->text(0));
    if (file.isEmpty()) {
        m_pane->setPlainText(HelpTopics::kSelectSubMenu);
        return;
    }
    showDocument(HelpTopics::readTopic(m_folder, file));
}

void HelpWindow::showDocument(const QByteArray &rtf)
{
    // Built apart and then handed to the pane, so it is laid out once and not after every
    // piece of text.
    auto *document = new QTextDocument(this);
    RtfReader::read(rtf, *document);
    // The pane deletes its own first document itself; the ones made here are deleted here.
    QTextDocument *previous = m_pane->document();
    const bool ours = previous->parent() == this;
    m_pane->setDocument(document);
    if (ours)
        delete previous;
}

void HelpWindow::onRichTextBox1LinkClick(const QUrl &url)
{
    // Only web and mail addresses leave the viewer; a topic cannot start a local program.
    const QString scheme = url.scheme().toLower();
    if (m_openLink
        && (scheme == QLatin1String("http") || scheme == QLatin1String("https")
            || scheme == QLatin1String("mailto")))
        m_openLink(url);
}

void HelpWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    placeControls();
}

void HelpWindow::placeControls()
{
    const HelpLayout layout = HelpLayout::forWindow(toTwips(width()), toTwips(height()));
    m_tree->setGeometry(toPixels(layout.tree));
    m_pane->setGeometry(toPixels(layout.pane));
}
