#pragma once

#include "contracts/PostilFactory.h"

#include <QObject>

// The library's root object: hands out Postil controls.
class PostilPlugin : public QObject, public PostilFactory
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID PostilFactory_iid FILE "Postil.json")
    Q_INTERFACES(PostilFactory)
public:
    QWidget *createControl(QWidget *parent) override;
};
