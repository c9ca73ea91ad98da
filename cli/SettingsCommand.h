#pragma once
// mxcalc settings get|set|unset KEY [VALUE] [--shared]: reads or changes one setting of
// the keyboard's own store, or of the shared store with --shared, in the settings folder
// given (--settings) or else the default one (MX_SETTINGS_DIR, the configuration folder).
//
// The key must be one of the keyboard's key table, which gives its type. `get`
// prints the value alone (integers as integers, doubles as their shortest round-trip
// text, text as it is) or an empty line when the key is absent. `set` takes a value of
// the key's type. Exit status: 0 done, 1 failed (a value not of the key's type, a store
// that cannot be opened or written, or is busy: locked by another process), 2 usage error
// (an unknown key among them). A damaged store is moved aside and started anew before the
// command runs: a line on the error stream says where the damaged file went.
#include <iostream>
#include <optional>
#include <string>

int runSettingsCommand(const std::string& action, const std::string& key, const std::optional<std::string>& value,
                       bool shared, const std::optional<std::string>& settingsDir, std::ostream& out = std::cout,
                       std::ostream& err = std::cerr);
