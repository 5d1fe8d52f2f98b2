#include "platform/QtPrompter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGridLayout>
#include <QMessageBox>
#include <QScreen>

namespace {

// Room beside the title for the window manager's icon and buttons.
constexpr int kTitleChrome = 160;

// A box that places itself once it has its final size (which QMessageBox fixes as it is
// shown): over the window the user is working in, else over its parent, else in the middle of
// the screen, as a box shown before the dashboard appears has nothing to sit over.
class PlacedBox : public QMessageBox
{
public:
    using QMessageBox::QMessageBox;

    // Wide enough for the whole title, which the window manager would otherwise cut.
    void fitTitle()
    {
        QFont bold = font();
        bold.setBold(true);
        const int wanted = QFontMetrics(bold).horizontalAdvance(windowTitle()) + kTitleChrome;
        const QScreen *screen = QGuiApplication::primaryScreen();
        const int widest = screen ? screen->availableGeometry().width() - 40 : wanted;
        auto *grid = qobject_cast<QGridLayout *>(layout());
        if (grid)
            grid->addItem(new QSpacerItem(std::min(wanted, widest), 0), grid->rowCount(), 0, 1,
                          grid->columnCount());
    }

protected:
    void showEvent(QShowEvent *event) override
    {
        QMessageBox::showEvent(event);
        move(QtPrompter::boxPlace(frameGeometry().size(), parentWidget()));
    }
};

QMessageBox::Icon boxIcon(Prompter::Icon icon)
{
    switch (icon) {
    case Prompter::Icon::Critical:
        return QMessageBox::Critical;
    case Prompter::Icon::Question:
        return QMessageBox::Question;
    case Prompter::Icon::Warning:
        return QMessageBox::Warning;
    case Prompter::Icon::Information:
        return QMessageBox::Information;
    case Prompter::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons boxButtons(Prompter::Buttons buttons)
{
    switch (buttons) {
    case Prompter::Buttons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case Prompter::Buttons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case Prompter::Buttons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case Prompter::Buttons::Ok:
        break;
    }
    return QMessageBox::Ok;
}

// What Escape and the close box mean: Cancel where there is one, else No, else Ok.
Prompter::Answer escapeAnswer(Prompter::Buttons buttons)
{
    switch (buttons) {
    case Prompter::Buttons::OkCancel:
    case Prompter::Buttons::YesNoCancel:
        return Prompter::Answer::Cancel;
    case Prompter::Buttons::YesNo:
        return Prompter::Answer::No;
    case Prompter::Buttons::Ok:
        break;
    }
    return Prompter::Answer::Ok;
}

QMessageBox::StandardButton boxButton(Prompter::Answer answer)
{
    switch (answer) {
    case Prompter::Answer::Cancel:
        return QMessageBox::Cancel;
    case Prompter::Answer::Yes:
        return QMessageBox::Yes;
    case Prompter::Answer::No:
        return QMessageBox::No;
    case Prompter::Answer::Ok:
        break;
    }
    return QMessageBox::Ok;
}

} // namespace

QtPrompter::QtPrompter(QWidget *parent)
    : m_parent(parent)
{
}

void QtPrompter::setParent(QWidget *parent)
{
    m_parent = parent;
}

QPoint QtPrompter::boxPlace(const QSize &box, const QWidget *parent)
{
    const QWidget *over = QApplication::activeWindow();
    if (!over || !over->isVisible() || over->isModal())
        over = parent ? parent->window() : nullptr;
    QRect area;
    if (over && over->isVisible()) {
        area = over->frameGeometry();
    } else {
        const QScreen *screen = over ? over->screen() : QGuiApplication::primaryScreen();
        area = screen ? screen->availableGeometry() : QRect(QPoint(0, 0), box);
    }
    return area.center() - QRect(QPoint(0, 0), box).center();
}

void QtPrompter::dismiss()
{
    m_dismissed = true;
    if (m_open)
        m_open->reject();
}

Prompter::Answer QtPrompter::ask(const Message &message)
{
    const Answer onEscape = escapeAnswer(message.buttons);
    if (m_dismissed)
        return onEscape;
    const QString title = message.title.isEmpty() ? kApplicationTitle : message.title;
    // The box belongs to the window the user works in (the webcam window, a dialog), so the
    // window manager keeps it with that window instead of raising the dashboard over it.
    QWidget *owner = m_parent;
    if (QWidget *active = QApplication::activeWindow(); active && active->isVisible())
        owner = active;
    PlacedBox box(boxIcon(message.icon), title, message.text, boxButtons(message.buttons), owner);
    box.fitTitle();
    // Before the dashboard shows, the start-up picture stays in front of everything; a box
    // then must too, or it waits unseen behind the picture.
    if (!m_parent || !m_parent->isVisible())
        box.setWindowFlag(Qt::WindowStaysOnTopHint);
    // The texts are shown as given; a '<' in a file name must not turn them into markup.
    box.setTextFormat(Qt::PlainText);
    box.setEscapeButton(box.button(boxButton(onEscape)));
    m_open = &box;
    box.exec();
    m_open = nullptr;

    switch (box.standardButton(box.clickedButton())) {
    case QMessageBox::Ok:
        return Answer::Ok;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return onEscape;
    }
}
