#pragma once
// Where the settings stores live: a folder set by code (mxcalc --settings), else the
// environment variable MX_SETTINGS_DIR, else "mxcalc" in the user's configuration folder
// ($XDG_CONFIG_HOME, or ~/.config).
#include <filesystem>
#include <optional>

std::filesystem::path MXSettingsDirectory();

// Sets the folder for the whole process; nothing restores the default resolution.
void MXSetSettingsDirectory(std::optional<std::filesystem::path> directory);
