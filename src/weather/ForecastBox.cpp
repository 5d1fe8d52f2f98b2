#include "weather/ForecastBox.h"

#include "common/Twips.h"

#include <QEvent>
#include <QFrame>
#include <QPlainTextEdit>

ForecastBox::ForecastBox(QWidget *surface)
    : QObject(surface)
    , m_picEnlarge(new QFrame(surface))
    , m_txtEnlarge(new QPlainTextEdit(m_picEnlarge))
{
    m_picEnlarge->setObjectName(QStringLiteral("picEnlarge"));
    m_picEnlarge->setFrameShape(QFrame::Panel);
    m_picEnlarge->setFrameShadow(QFrame::Raised);
    m_picEnlarge->setAutoFillBackground(true);
    m_picEnlarge->resize(520, 340);
    m_txtEnlarge->setObjectName(QStringLiteral("txtEnlarge"));
    m_txtEnlarge->setAccessibleName(QStringLiteral("Forecast"));
    m_txtEnlarge->setReadOnly(true);
    m_txtEnlarge->setGeometry(m_picEnlarge->rect().adjusted(8, 8, -8, -8));
    m_picEnlarge->installEventFilter(this);
    m_txtEnlarge->viewport()->installEventFilter(this);
    m_picEnlarge->hide();
}

void ForecastBox::show(const QString &today, const QString &tonight, const QString &tomorrow,
                       const QString &tomorrowNight)
{
    const QString end = QStringLiteral("\r\n");
    m_forecast = (QStringLiteral("TODAY: ") + today + end + end + QStringLiteral("TONIGHT: ")
                  + tonight + end + end + QStringLiteral("TOMORROW: ") + tomorrow + end + end
                  + QStringLiteral("TOMORROW NIGHT: ") + tomorrowNight + end + end + end + end
                  + QStringLiteral("Double-click to exit"));
    m_txtEnlarge->setPlainText(QString(m_forecast).replace(end, QStringLiteral("\n")));
    m_picEnlarge->move(twips(195), twips(315));
    m_picEnlarge->show();
    m_picEnlarge->raise();
}

void ForecastBox::onPicEnlargeDblClick()
{
    m_picEnlarge->hide();
}

bool ForecastBox::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonDblClick
        && (watched == m_picEnlarge || watched == m_txtEnlarge->viewport())) {
        onPicEnlargeDblClick();
        return true;
    }
    return QObject::eventFilter(watched, event);
}
