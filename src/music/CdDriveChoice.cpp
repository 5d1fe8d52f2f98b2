#include "music/CdDriveChoice.h"

#include "music/LibcdioDrive.h"
#include "music/SimulatedCdDrive.h"

#include <QtGlobal>

std::unique_ptr<CdDrive> chooseCdDrive()
{
    if (qEnvironmentVariableIsSet("ORVANE_SIMULATED_CD"))
        return SimulatedCdDrive::fromSetting(qEnvironmentVariable("ORVANE_SIMULATED_CD"));
    return std::make_unique<LibcdioDrive>();
}
