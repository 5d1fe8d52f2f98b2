#pragma once

#include <QDialog>

class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
struct Services;

// The viewer preferences dialog: two pages of switches, "Apply" and a closing button that
// reads "Cancel" while there are unsaved changes.
class frmPrefs : public QDialog
{
    Q_OBJECT
public:
    explicit frmPrefs(Services &services, QWidget *parent = nullptr);

    bool changed() const { return m_changed; }

    void onTreeView1NodeClick(QTreeWidgetItem *node);
    void onCheckClick();
    void onCmdApplyClick();
    void onCmdCloseClick();

Q_SIGNALS:
    // The switches were saved; the window loads its preferences again.
    void saved();
    // Some box was clicked since the dialog opened or was last applied, or none was.
    void changedChanged(bool changed);

private:
    struct Box
    {
        const char *setting;
        QCheckBox *box;
    };
    QFrame *addPage(int index);
    void addBox(QFrame *page, int row, const char *setting, const QString &caption,
                const QString &tip);
    void save();
    void setChanged(bool changed);
    void showChanged(bool changed);

    Services &m_services;
    QTreeWidget *m_tree;
    QLabel *m_lblTitle;
    QList<QFrame *> m_pages;
    QList<Box> m_boxes;
    QPushButton *m_cmdApply, *m_cmdClose;
    bool m_changed = false;
};
