#pragma once
// The user's own environment variables, kept under HKEY_CURRENT_USER
// "Environment", and the broadcast that tells running programs they
// changed. Programs started afterwards see the new values.

#include <string>

namespace kforge {

// The variable's text as stored (an expandable value is not expanded);
// empty when it is missing.
std::string GetUserEnvVar(const std::string& name);
// Stores value trimmed of blanks. A value stored as an expandable string
// stays one; any other value, or a missing one, is written as a plain
// string. Failures are silent.
void SetUserEnvVar(const std::string& name, const std::string& value);
// WM_SETTINGCHANGE "Environment" to every top-level window, waiting at
// most 100 ms for each hung one; the result is not examined.
void BroadcastEnvChange();

}  // namespace kforge
