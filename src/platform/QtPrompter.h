#pragma once

#include "platform/Prompter.h"

#include <QPointer>
#include <QWidget>

// Message boxes over QMessageBox, modal to the parent window when one is set.
class QtPrompter final : public Prompter
{
public:
    explicit QtPrompter(QWidget *parent = nullptr);

    void setParent(QWidget *parent);
    Answer ask(const Message &message) override;

private:
    QPointer<QWidget> m_parent;
};
