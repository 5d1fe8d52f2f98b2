#include "widgets/SmallControls.h"

#include "platform/AppFolder.h"
#include "platform/Services.h"
#include "widgets/LumoButton.h"

#include <QCalendarWidget>
#include <QLabel>
#include <QToolButton>

void setSmallFont(QWidget *widget)
{
    QFont small = widget->font();
    small.setPointSizeF(7.5);
    widget->setFont(small);
}

LumoButton *smallButton(const QString &caption, const char *name, QWidget *parent,
                        Services &services)
{
    auto *button = new LumoButton(caption, parent, &services.sound, services.appFolder.root());
    button->setObjectName(QString::fromLatin1(name));
    // Raised, so they read as buttons at this size.
    button->setButtonStyle(LumoButton::Raised);
    setSmallFont(button);
    return button;
}

QCalendarWidget *namedCalendar(QWidget *parent, const char *name)
{
    auto *calendar = new QCalendarWidget(parent);
    calendar->setObjectName(QString::fromLatin1(name));
    const struct
    {
        const char *objectName;
        const char *accessibleName;
    } arrows[]
        = {{"qt_calendar_prevmonth", "Previous month"}, {"qt_calendar_nextmonth", "Next month"}};
    for (const auto &arrow : arrows) {
        if (auto *button = calendar->findChild<QToolButton *>(QLatin1String(arrow.objectName))) {
            button->setAccessibleName(QString::fromLatin1(arrow.accessibleName));
            button->setToolTip(button->accessibleName());
        }
    }
    return calendar;
}

QLabel *placedLabel(const QString &text, QWidget *parent, const QRect &place, const char *name)
{
    auto *label = new QLabel(text, parent);
    // What these labels show comes from files and servers: it is text, never markup (which
    // would draw a page's tags and load the pictures they name).
    label->setTextFormat(Qt::PlainText);
    if (name)
        label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(place);
    return label;
}
