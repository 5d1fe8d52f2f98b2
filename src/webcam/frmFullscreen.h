#pragma once

#include <QDialog>

class QLabel;

// The full-screen view: the cam picture scaled to a borderless, maximized black window, with
// the refresh indicator in its bottom-right corner while a new picture is fetched. A press on
// the picture, Esc or the space bar close it; every other key is ignored.
class frmFullscreen : public QDialog
{
    Q_OBJECT
public:
    explicit frmFullscreen(QWidget *parent = nullptr);

    void setPicture(const QPixmap &picture);
    void setIndicatorVisible(bool on);
    bool indicatorVisible() const;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void place();

    QLabel *m_imgFullscreen;
    QLabel *m_imgRefresh;
};
