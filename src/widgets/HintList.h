#pragma once

#include <QListView>
#include <QListWidget>

// Lists that say so, in grey inside themselves, when they hold nothing: an empty list is a
// state, not an error worth a message box.
void paintEmptyHint(QAbstractItemView *list, const QString &hint);

class HintList : public QListWidget
{
    Q_OBJECT
public:
    explicit HintList(const QString &hint, QWidget *parent = nullptr);
    QString hint() const { return m_hint; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_hint;
};

class HintListView : public QListView
{
    Q_OBJECT
public:
    explicit HintListView(const QString &hint, QWidget *parent = nullptr);
    QString hint() const { return m_hint; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_hint;
};
