#include "mailcheck/PostilPlugin.h"
#include "mailcheck/ImapCheck.h"
#include "mailcheck/Postil.h"

QWidget *PostilPlugin::createControl(QWidget *parent)
{
    return new Postil(parent);
}

QWidget *PostilPlugin::createChecker(const QString &protocol, QWidget *parent)
{
    if (protocol.compare(QLatin1String("POP3"), Qt::CaseInsensitive) == 0)
        return new Postil(parent);
    if (protocol.compare(QLatin1String("IMAP"), Qt::CaseInsensitive) == 0)
        return new ImapCheck(parent);
    return nullptr;
}
