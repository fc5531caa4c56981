#pragma once

#include <ostream>
#include <string>
#include <vector>

// The command-line companion: a property value, a number text or a panel
// text without the chart.
namespace calorix {

// Runs one command (the arguments after the program name), writes its result
// to out and any error to err as one line. An argument outside the range its
// correlation was made for still gives the model's value, with one line on
// err that names it and the range. Returns the exit status: 0; 1 when the
// result could not be written to out; 2 for an unknown name, a wrong number
// of arguments or an argument that is not wholly a number.
int RunSteamCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// A text between double quotes with C escapes, so that blanks and carriage
// returns stay visible: " .25" -> "\" .25\"", "a\rb" -> "\"a\\rb\"".
std::string QuotedText(const std::string& text);

}  // namespace calorix
