#pragma once

#include <QtPlugin>

class QWidget;

// What the mail checker library offers its host: a new checker control. The host reaches the
// control's properties (Server, MailPort, User, Password), its method CheckNewMail() and its
// signals NewMail(int), NoMail(), Noisy(QString) and SockError(QString) by name, through the
// meta-object, so it needs no more than this header.
class PostilFactory
{
public:
    virtual ~PostilFactory() = default;
    virtual QWidget *createControl(QWidget *parent) = 0;
};

#define PostilFactory_iid "PostilLib.Postil"
Q_DECLARE_INTERFACE(PostilFactory, PostilFactory_iid)
