#include "music/AddMusicWindow.h"
#include "music/MusicFiles.h"

#include "common/Twips.h"
#include "platform/AppFolder.h"
#include "platform/Prompter.h"
#include "widgets/LumoButton.h"
#include "widgets/ReleaseRule.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>
#include <QStorageInfo>

AddMusicWindow::AddMusicWindow(Services &services, QListWidget *album, QWidget *parent)
    : QWidget(parent, Qt::Dialog | Qt::FramelessWindowHint) // a dialog: kept above its owner
    , m_services(services)
    , m_album(album)
    , m_drives(new QComboBox(this))
    , m_folders(new QListWidget(this))
    , m_files(new QListWidget(this))
    , m_caption(new QLabel(QStringLiteral("Add Music"), this))
    , m_path(new QLabel(this))
    , m_add(new LumoButton(QStringLiteral("&Add to Album"), this, &services.sound,
                           services.appFolder.root()))
    , m_close(new LumoButton(QStringLiteral("&Close"), this, &services.sound,
                             services.appFolder.root()))
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
    // No title bar, so a caption strip says what the window is and lets it be dragged.
    m_caption->setObjectName(QStringLiteral("lblCaption"));
    m_caption->setStyleSheet(
        QStringLiteral("background: #1f3a66; color: white; font-weight: bold; padding-left: 6px;"));
    m_caption->installEventFilter(this);

    const QString home = QDir::homePath();
    const QString homeVolume = QStorageInfo(home).rootPath();
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid() || !volume.isReady())
            continue;
        m_drives->addItem(volume.rootPath());
        if (volume.rootPath() == homeVolume) // the drive that holds the folder shown
            m_drives->setCurrentIndex(m_drives->count() - 1);
    }
    connect(m_drives, &QComboBox::currentIndexChanged, this, &AddMusicWindow::onDrive1Change);
    connect(m_folders, &QListWidget::itemActivated, this,
            [this](QListWidgetItem *item) { onDir1Activated(m_folders->row(item)); });
    connect(m_add, &LumoButton::MouseUp, this,
            [this](int, int, int x, int y) { onCmdAddToAlbumReleased(x, y); });
    connect(m_close, &LumoButton::MouseUp, this,
            [this](int, int, int x, int y) { onCmdCloseReleased(x, y); });
    // No title bar to close it by: Escape does what Close does.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &QWidget::close);

    resize(twips(8400), twips(5400) + kCaptionHeight);
    setFolder(home);
}

QStringList AddMusicWindow::musicFilter()
{
    return MusicFiles::filter();
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
    // The caption strip on top; under it drives and folders on the left, files to their
    // right: 2600 twips narrower than the window and 1000 twips lower.
    const int w = width(), top = kCaptionHeight, h = height() - top;
    m_caption->setGeometry(1, 1, w - 2, top - 1);
    m_path->setGeometry(twips(120), top + twips(60), w - twips(240), twips(255));
    m_drives->setGeometry(twips(120), top + twips(360), twips(2360), twips(330));
    m_folders->setGeometry(twips(120), top + twips(780), twips(2360), std::max(0, h - twips(1380)));
    m_files->setGeometry(twips(2480), top + twips(360), std::max(0, w - twips(2600)),
                         std::max(0, h - twips(1000)));
    m_add->setGeometry(w - 91 - 55 - 24, height() - 24 - 12, 91, 24);
    m_close->setGeometry(w - 55 - 12, height() - 24 - 12, 55, 24);
    QWidget::resizeEvent(event);
}

void AddMusicWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(QColor(0x1f, 0x3a, 0x66));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

bool AddMusicWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_caption)
        return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::MouseButtonPress) {
        auto *press = static_cast<QMouseEvent *>(event);
        if (press->button() == Qt::LeftButton)
            m_dragFrom = press->globalPosition().toPoint() - frameGeometry().topLeft();
    } else if (event->type() == QEvent::MouseMove && m_dragFrom) {
        move(static_cast<QMouseEvent *>(event)->globalPosition().toPoint() - *m_dragFrom);
    } else if (event->type() == QEvent::MouseButtonRelease) {
        m_dragFrom.reset();
    }
    return false;
}
