#pragma once
// Keeping a damaged store file: the file (with its journal files, if any) is renamed in
// its own folder to "<name>.damaged-<UTC time>" (a number added when that name is taken),
// never deleted, and one log line says where it went.
#include <filesystem>

namespace mxcalc::detail {

// True when the file was moved aside; false (logged too) when it had to stay in place.
bool MXSettingsMoveDamagedFileAside(const std::filesystem::path& file);

}  // namespace mxcalc::detail
