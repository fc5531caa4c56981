#pragma once

#include <ostream>
#include <string>
#include <vector>

// calorix-steam state: the state of two properties under either property
// model, as one line of JSON.
namespace calorix {

inline constexpr const char* kStateUsage = "[--model classic|if97] NAME=VALUE NAME=VALUE";

// Runs `state` with the arguments after it. Writes
// {"model":"if97","region":"steam","T":773.15,"P":10,"v":...,"x":null} and
// returns 0; with no state, one line on err naming the pair and why, and 1;
// with a malformed argument (an unknown model or name, a value that is not
// wholly a number, the same name twice, not two pairs), one line and 2.
// Names: T (K), P (MPa), v (m^3/kg), h (kJ/kg), s (kJ/kg-K), x.
int RunStateCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace calorix
