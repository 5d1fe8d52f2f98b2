#include "widgets/ReleaseRule.h"

bool releasedInside(QPoint position, QSize area)
{
    return position.x() > 0 && position.x() < area.width() && position.y() > 0
        && position.y() < area.height();
}
