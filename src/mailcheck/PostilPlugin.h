#pragma once

#include "contracts/PostilFactory.h"

#include <QObject>

// The library's root object: hands out POP3 controls, and checkers by protocol.
class PostilPlugin : public QObject, public PostilFactory, public MailCheckerFactory
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID PostilFactory_iid FILE "Postil.json")
    Q_INTERFACES(PostilFactory MailCheckerFactory)
public:
    QWidget *createControl(QWidget *parent) override;
    QWidget *createChecker(const QString &protocol, QWidget *parent) override;
};
