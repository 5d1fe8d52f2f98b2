#include "platform/QtPrompter.h"

#include <QAbstractButton>
#include <QMessageBox>

namespace {

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
    QMessageBox box(boxIcon(message.icon), title, message.text, boxButtons(message.buttons),
                    m_parent);
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
