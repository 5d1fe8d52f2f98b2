#include "shell/SubPanels.h"

#include "common/Twips.h"
#include "platform/AppFolder.h"
#include "widgets/LumoButton.h"
#include "widgets/ReleaseRule.h"

#include <QFrame>

const QList<SubPanelPlace> &subPanelPlaces()
{
    static const QList<SubPanelPlace> places{
        {QStringLiteral("picTray"), 1245, 60, 2700, 1560},
        {QStringLiteral("PicAddress1"), 525, 1050, 7200, 2760},
        {QStringLiteral("picAddress2"), 525, 3840, 7200, 2760},
        {QStringLiteral("picCalEvents"), 7230, 270, 3960, 4320},
        {QStringLiteral("PicBMBills"), 6120, 420, 4800, 3720},
        {QStringLiteral("PicBM"), 5520, 1830, 3720, 3120},
        {QStringLiteral("PicCal"), 6030, 2955, 3720, 3120},
        {QStringLiteral("picAlarmActive"), 1950, 1140, 3600, 1800},
        {QStringLiteral("picAlarms"), 7065, 1005, 3960, 3240},
        {QStringLiteral("picWarning"), 735, 705, 4320, 3600},
    };
    return places;
}

void buildWarningClose(QFrame *warning, Services &services)
{
    auto *close = new LumoButton(QStringLiteral("Close"), warning, &services.sound,
                                 services.appFolder.root());
    close->setObjectName(QStringLiteral("cmdWarningClose"));
    QObject::connect(close, &LumoButton::MouseUp, warning, [warning](int, int, int x, int y) {
        onCmdWarningCloseReleased(warning, x, y);
    });
    close->setGeometry(warning->width() - 89 - twips(180), warning->height() - 26 - twips(150), 89,
                       26);
}

void onCmdWarningCloseReleased(QFrame *warning, int x, int y)
{
    if (releasedInside({x, y}, {89, 26}))
        warning->hide();
}
