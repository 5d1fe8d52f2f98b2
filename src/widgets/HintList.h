#pragma once

#include <QListWidget>

// A list that says so, in grey inside itself, when it holds nothing: an empty list is a state,
// not an error worth a message box.
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
