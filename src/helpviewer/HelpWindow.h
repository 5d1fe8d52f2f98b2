#pragma once

#include <QUrl>
#include <QWidget>

#include <functional>

class QLabel;
class HelpPane;
class QTreeWidget;
class QTreeWidgetItem;

// The help viewer's window "Orvane HELP": the topic tree on the left, the document pane on the
// right. A click on a topic shows its file from the viewer's folder.
class HelpWindow : public QWidget
{
    Q_OBJECT
public:
    using LinkOpener = std::function<void(const QUrl &)>;

    // folder: where the topic files are; openLink: how a clicked web address is opened.
    explicit HelpWindow(QString folder, LinkOpener openLink, QWidget *parent = nullptr);

    void onTreeView1NodeClick(QTreeWidgetItem *node);
    void onRichTextBox1LinkClick(const QUrl &url);

    // The pane's start text, an RTF document of its own.
    static const QByteArray kStartDocument;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void buildTree();
    void placeControls();
    void showDocument(const QByteArray &rtf);

    QString m_folder;
    LinkOpener m_openLink;
    QLabel *m_caption;
    QTreeWidget *m_tree;
    HelpPane *m_pane;
};
