#include "music/AddMusicWindow.h"

#include "common/Twips.h"
#include "platform/Prompter.h"
#include "widgets/LumoButton.h"
#include "widgets/ReleaseRule.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QStorageInfo>

AddMusicWindow::AddMusicWindow(Services &services, QListWidget *album, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
    , m_services(services)
    , m_album(album)
    , m_drives(new QComboBox(this))
    , m_folders(new QListWidget(this))
    , m_files(new QListWidget(this))
    , m_path(new QLabel(this))
    , m_add(new LumoButton(QStringLiteral("Add to Album"), this, &services))
    , m_close(new LumoButton(QStringLiteral("Close"), this, &services))
{
    setObjectName(QStringLiteral("FormFind"));
    setWindowTitle(QStringLiteral("Add Music"));
    m_drives->setObjectName(QStringLiteral("Drive1"));
    m_folders->setObjectName(QStringLiteral("Dir1"));
    m_files->setObjectName(QStringLiteral("File1"));
    m_add->setObjectName(QStringLiteral("cmdAddToAlbum"));
    m_close->setObjectName(QStringLiteral("cmdClose"));
    m_drives->setAccessibleName(QStringLiteral("Drive"));
    m_folders->setAccessibleName(QStringLiteral("Folder"));
    m_files->setAccessibleName(QStringLiteral("Music files"));
    m_files->setSelectionMode(QAbstractItemView::ExtendedSelection);
    for (LumoButton *button : {m_add, m_close})
        button->setButtonStyle(LumoButton::Raised); // a borderless window: plain buttons vanish
    setStyleSheet(QStringLiteral("#FormFind { border: 2px solid #1f2a44; }"));

    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes())
        if (volume.isValid() && volume.isReady())
            m_drives->addItem(volume.rootPath());
    connect(m_drives, &QComboBox::currentIndexChanged, this, &AddMusicWindow::onDrive1Change);
    connect(m_folders, &QListWidget::itemActivated, this,
            [this](QListWidgetItem *item) { onDir1Activated(m_folders->row(item)); });
    connect(m_add, &LumoButton::MouseUp, this,
            [this](int, int, int x, int y) { onCmdAddToAlbumReleased(x, y); });
    connect(m_close, &LumoButton::MouseUp, this,
            [this](int, int, int x, int y) { onCmdCloseReleased(x, y); });

    resize(twips(8400), twips(5400));
    setFolder(QDir::homePath());
}

QStringList AddMusicWindow::musicFilter()
{
    return {QStringLiteral("*.mp3"), QStringLiteral("*.mpg"), QStringLiteral("*.mpeg"),
            QStringLiteral("*.mpe"), QStringLiteral("*.wav"), QStringLiteral("*.asf")};
}

void AddMusicWindow::setFolder(const QString &path)
{
    QDir dir(path);
    if (!dir.exists())
        return;
    m_folder = dir.absolutePath();
    m_path->setText(m_folder);
    m_folders->clear();
    if (!dir.isRoot())
        m_folders->addItem(QStringLiteral(".."));
    m_folders->addItems(dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name));
    m_files->clear();
    // QDir matches name filters without regard to case unless told otherwise.
    m_files->addItems(dir.entryList(musicFilter(), QDir::Files, QDir::Name));
}

void AddMusicWindow::onDrive1Change(int index)
{
    if (index >= 0)
        setFolder(m_drives->itemText(index));
}

void AddMusicWindow::onDir1Activated(int row)
{
    const QListWidgetItem *item = m_folders->item(row);
    if (item)
        setFolder(QDir(m_folder).absoluteFilePath(item->text()));
}

void AddMusicWindow::onCmdAddToAlbumReleased(int x, int y)
{
    if (!releasedInside({x, y}, {91, 24}))
        return;
    int count = 0;
    // In the file list's order, not the order of clicking; no duplicate check.
    for (int i = 0; i < m_files->count(); ++i) {
        if (!m_files->item(i)->isSelected())
            continue;
        m_album->addItem(QDir(m_folder).filePath(m_files->item(i)->text()));
        ++count;
    }
    m_services.prompter.tell(QString::number(count) + QStringLiteral(" files added to Album."),
                             QStringLiteral("Orvane MP3 Player"), Prompter::Icon::Information);
    Q_EMIT added();
}

void AddMusicWindow::onCmdCloseReleased(int x, int y)
{
    if (releasedInside({x, y}, {55, 24}))
        close();
}

void AddMusicWindow::resizeEvent(QResizeEvent *event)
{
    // Drives and folders on the left, files to their right: 2600 twips narrower than the
    // window and 1000 twips lower.
    const int w = width(), h = height();
    m_path->setGeometry(twips(120), twips(60), w - twips(240), twips(255));
    m_drives->setGeometry(twips(120), twips(360), twips(2360), twips(330));
    m_folders->setGeometry(twips(120), twips(780), twips(2360), std::max(0, h - twips(1380)));
    m_files->setGeometry(twips(2480), twips(360), std::max(0, w - twips(2600)),
                         std::max(0, h - twips(1000)));
    m_add->setGeometry(w - 91 - 55 - 24, h - 24 - 12, 91, 24);
    m_close->setGeometry(w - 55 - 12, h - 24 - 12, 55, 24);
    QWidget::resizeEvent(event);
}
