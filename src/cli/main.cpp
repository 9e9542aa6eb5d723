#include "cli/BatchRun.h"
#include "cli/CheckRun.h"
#include "cli/CliOptions.h"
#include "cli/Version.h"

#include <iostream>

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    std::string error;
    const auto options = zeb::parseCliOptions(args, error);
    if (!options) {
        std::cerr << "zeb-run: " << error << "\nTry 'zeb-run --help'.\n";
        return 2;
    }
    if (options->help) {
        std::cout << zeb::kCliUsage;
        return 0;
    }
    if (options->version) {
        std::cout << "zeb-run " << zeb::kZebVersion << '\n';
        return 0;
    }
    if (options->check) {
        zeb::CheckRun check(*options, std::cout, std::cerr);
        return check.execute();
    }
    zeb::BatchRun run(*options, std::cout, std::cerr);
    return run.execute();
}
