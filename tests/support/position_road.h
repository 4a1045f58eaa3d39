#pragma once
// The road of a position from its echo texts to its results, as the shell
// takes it: the geometry stored, the load cases rebuilt by PUNDF with "@G", a
// job of every load case in the diary, and ZEDIR over it. Each step is a
// value: success, or the failure that names the step.
#include <string>
#include <vector>

#include "common/position/position.h"
#include "common/result.h"
#include "common/settings.h"

namespace support {

// The settings the programs find the position by: EXTR (".NAME") and DPATH.
common::Result WritePositionSettings(const common::SettingsContext& settings, const common::Position& position);

// The geometry stored from ECHO_G.<NAME>.TXT, as store-position does.
common::Result StoreGeometry(const common::Position& position);

// BATCH with every load case of the diary, in the diary's order.
common::Result WriteJobOfDiary(const common::Position& position);

// Runs a sibling program of the suite and waits for it. It fails when the
// program cannot start, adds a line to the PLAT_MESSAGES file (the failure
// holds the messages' texts) or ends with an exit code other than 0.
common::Result RunSuiteProgram(const std::string& name, const std::vector<std::string>& args);

// PUNDF with "@G" on the position: every load case rebuilt from ECHO_L.
common::Result RebuildLoadCases(const common::Position& position);

// The whole road with the real PUNDF and ZEDIR; every message goes to
// PLAT_MESSAGES (set to DATAPATH + "compute-position-messages.txt" when it is
// not set). Returns 0 when every step succeeded, else 1 after the failure's
// message.
int ComputePosition(const std::string& data_path, const std::string& name);

}  // namespace support
