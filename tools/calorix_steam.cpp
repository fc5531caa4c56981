// calorix-steam: the property model, number texts and panel texts of Calorix
// on the command line. `calorix-steam --help` lists the names.
#include <iostream>
#include <string>
#include <vector>

#include "tools/steam_command.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    return calorix::RunSteamCommand(args, std::cout, std::cerr);
}
