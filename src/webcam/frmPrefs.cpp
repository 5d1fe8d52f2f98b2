#include "webcam/frmPrefs.h"

#include "platform/Prompter.h"
#include "platform/Services.h"
#include "webcam/ViewerPrefs.h"
#include "webcam/WebcamTexts.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

frmPrefs::frmPrefs(Services &services, QWidget *parent)
    : QDialog(parent)
    , m_services(services)
{
    setObjectName(QStringLiteral("frmPrefs"));
    setWindowTitle(QStringLiteral("ORVANE WebCam Preferences"));
    setFont(QFont(QStringLiteral("Tahoma"), 8));
    setFixedSize(520, 260);
    m_tree = new QTreeWidget(this);
    m_tree->setObjectName(QStringLiteral("TreeView1"));
    m_tree->setAccessibleName(QStringLiteral("Pages"));
    m_tree->setHeaderHidden(true);
    m_tree->setRootIsDecorated(false);
    m_tree->setGeometry(8, 8, 120, 206);
    m_lblTitle = new QLabel(QStringLiteral("General"), this);
    m_lblTitle->setObjectName(QStringLiteral("lblTitle"));
    m_lblTitle->setGeometry(138, 8, 374, 24);
    QFont title = m_lblTitle->font();
    title.setBold(true);
    title.setPointSize(11);
    m_lblTitle->setFont(title);

    QFrame *general = addPage(1);
    addBox(general, 0, "CheckModified",
           QStringLiteral("&Only redownload cams if they've been changed."), QString());
    addBox(general, 1, "ShowStatusBar", QStringLiteral("Show &Statusbar"),
           QStringLiteral("Toogles the statusbar. The statusbar gives you a better idea of what "
                          "Camzel is doing at times (such as downloading, refreshing, etc.)"));
    addBox(general, 2, "ShowAddyBar", QStringLiteral("Show A&ddress Bar"),
           QStringLiteral("Toogles the Address bar in the main window. The address bar can be "
                          "used to type web address into for easy access to the Internet."));
    QFrame *advanced = addPage(2);
    addBox(advanced, 0, "LockLists", QStringLiteral("Lock lists during downloads"),
           QStringLiteral("Recommended. When enabled, you will not be able to change cams via "
                          "either the address bar or the cam list during a download."));
    addBox(advanced, 1, "ForceNull60Sec",
           QStringLiteral("Force a 60-second refresh on cams without a rate set."),
           QStringLiteral("Toggle this to refresh cams that do not have a refresh rate already "
                          "set."));
    addBox(advanced, 2, "HideErrors", QStringLiteral("Do not display download errors."),
           QStringLiteral("Turns off all download/winsock-related error messages. NOT "
                          "RECOMMENDED."));
    addBox(advanced, 3, "DeleteTemps",
           QStringLiteral("After successful download, delete the temporary cam file."),
           QStringLiteral("Deletes the temeporary files Camzel creates when it downloads a cam "
                          "graphic."));

    m_cmdApply = new QPushButton(QStringLiteral("&Apply"), this);
    m_cmdApply->setObjectName(QStringLiteral("cmdApply"));
    m_cmdApply->setGeometry(340, 224, 80, 26);
    m_cmdClose = new QPushButton(QStringLiteral("&Close"), this);
    m_cmdClose->setObjectName(QStringLiteral("cmdClose"));
    m_cmdClose->setGeometry(430, 224, 80, 26);
    connect(m_cmdApply, &QPushButton::clicked, this, &frmPrefs::onCmdApplyClick);
    connect(m_cmdClose, &QPushButton::clicked, this, &frmPrefs::onCmdCloseClick);

    // Opening: the pages, hot tracking, the boxes from the store, no change yet.
    m_tree->addTopLevelItem(new QTreeWidgetItem({QStringLiteral("General")}));
    m_tree->addTopLevelItem(new QTreeWidgetItem({QStringLiteral("Advanced")}));
    m_tree->setCurrentItem(m_tree->topLevelItem(0));
    onTreeView1NodeClick(m_tree->topLevelItem(0));
    const ViewerPrefs prefs = ViewerPrefs::load(services.settings);
    if (prefs.UseHovers) {
        m_tree->setMouseTracking(true);
        m_tree->setProperty("hotTracking", true);
    }
    const QList<bool> on
        = {prefs.CheckModified,  prefs.ShowStatusBar, prefs.ShowAddyBar, prefs.LockLists,
           prefs.ForceNull60Sec, prefs.HideErrors,    prefs.DeleteTemps};
    for (int i = 0; i < m_boxes.size(); ++i)
        m_boxes[i].box->setChecked(on[i]);
    connect(m_tree, &QTreeWidget::itemClicked, this, &frmPrefs::onTreeView1NodeClick);
    connect(this, &frmPrefs::changedChanged, this, &frmPrefs::showChanged);
    showChanged(false);
}

QFrame *frmPrefs::addPage(int index)
{
    auto *page = new QFrame(this);
    page->setObjectName(QStringLiteral("Frame1_%1").arg(index));
    page->setFrameShape(QFrame::StyledPanel);
    page->setGeometry(138, 36, 374, 178);
    m_pages << page;
    return page;
}

void frmPrefs::addBox(QFrame *page, int row, const char *setting, const QString &caption,
                      const QString &tip)
{
    auto *box = new QCheckBox(caption, page);
    box->setObjectName(QStringLiteral("chk") + QLatin1String(setting));
    box->setGeometry(10, 10 + row * 28, 356, 24);
    box->setToolTip(tip);
    connect(box, &QCheckBox::clicked, this, &frmPrefs::onCheckClick);
    m_boxes.append({setting, box});
}

void frmPrefs::onTreeView1NodeClick(QTreeWidgetItem *node)
{
    if (!node)
        return;
    const int index = m_tree->indexOfTopLevelItem(node) + 1;
    m_lblTitle->setText(node->text(0));
    for (int i = 0; i < m_pages.size(); ++i)
        m_pages[i]->setVisible(i + 1 == index);
    if (index >= 1 && index <= m_pages.size())
        m_pages[index - 1]->raise();
}

void frmPrefs::onCheckClick()
{
    setChanged(true);
}

void frmPrefs::setChanged(bool changed)
{
    if (changed == m_changed)
        return;
    m_changed = changed;
    Q_EMIT changedChanged(changed);
}

// Both buttons follow the flag together: "Apply" has something to save exactly when closing
// would lose it.
void frmPrefs::showChanged(bool changed)
{
    m_cmdApply->setEnabled(changed);
    m_cmdClose->setText(changed ? QStringLiteral("&Cancel") : QStringLiteral("&Close"));
}

void frmPrefs::save()
{
    for (const Box &b : m_boxes)
        ViewerPrefs::saveSwitch(m_services.settings, QLatin1String(b.setting), b.box->isChecked());
    setChanged(false);
    Q_EMIT saved();
}

void frmPrefs::onCmdApplyClick()
{
    save();
}

void frmPrefs::onCmdCloseClick()
{
    if (m_changed) {
        const auto answer
            = m_services.prompter.ask({WebcamTexts::kSavePrefs, kApplicationTitle,
                                       Prompter::Icon::Question, Prompter::Buttons::YesNoCancel});
        if (answer == Prompter::Answer::Cancel)
            return;
        if (answer == Prompter::Answer::Yes)
            save();
    }
    close();
}
