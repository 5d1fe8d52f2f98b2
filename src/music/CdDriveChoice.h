#pragma once

#include "platform/CdDrive.h"

#include <memory>

// The drive the program plays the CD alarm on: the system's default drive through libcdio,
// or, when the environment variable ORVANE_SIMULATED_CD is set, a drive in memory as that
// variable describes it (see SimulatedCdDrive::fromSetting), to try the CD alarm without
// a disc.
std::unique_ptr<CdDrive> chooseCdDrive();
