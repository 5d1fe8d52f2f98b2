#include "mailcheck/PostilPlugin.h"
#include "mailcheck/Postil.h"

QWidget *PostilPlugin::createControl(QWidget *parent)
{
    return new Postil(parent);
}
