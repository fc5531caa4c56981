// calorix-steam: the property model, number texts and panel texts of Calorix
// on the command line. `calorix-steam --help` lists the names,
// `calorix-steam --version` prints the version.
#include <csignal>
#include <iostream>
#include <string>
#include <vector>

#include "tools/steam_command.h"

int main(int argc, char** argv) {
    // A reader that went away makes a write fail, reported with status 1,
    // rather than ending the program by a signal.
    std::signal(SIGPIPE, SIG_IGN);
    const std::vector<std::string> args(argv + 1, argv + argc);
    // The project's version, from the top CMakeLists.txt.
    if (args == std::vector<std::string>{"--version"}) {
        std::cout << "calorix-steam " CALORIX_VERSION "\n" << std::flush;
        if (std::cout) return 0;
        std::cerr << "calorix-steam: the version could not be written to the standard output\n";
        return 1;
    }
    return calorix::RunSteamCommand(args, std::cout, std::cerr);
}
