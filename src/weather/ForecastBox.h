#pragma once

#include <QObject>

class QFrame;
class QPlainTextEdit;
class QWidget;

// The enlarged forecast (picEnlarge with txtEnlarge): a copy of the four paragraphs taken
// when it is asked for; a double-click on the box or its text hides it.
class ForecastBox : public QObject
{
    Q_OBJECT
public:
    explicit ForecastBox(QWidget *surface);

    void show(const QString &today, const QString &tonight, const QString &tomorrow,
              const QString &tomorrowNight);
    void onPicEnlargeDblClick();
    QFrame *panel() const { return m_picEnlarge; }
    QPlainTextEdit *text() const { return m_txtEnlarge; }
    // The text as composed, lines ended by CR LF.
    const QString &forecast() const { return m_forecast; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QFrame *m_picEnlarge;
    QPlainTextEdit *m_txtEnlarge;
    QString m_forecast;
};
