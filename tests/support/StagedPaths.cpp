#include "support/StagedPaths.h"

QString stagedAppDir()
{
    return QStringLiteral(ORVANE_STAGED_APP_DIR);
}

QString sourceDir()
{
    return QStringLiteral(ORVANE_SOURCE_DIR);
}
