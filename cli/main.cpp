#include "CommandLine.h"
#include "platform/services/MainQueue.h"
#include "platform/services/ManualMainQueue.h"

#include <iostream>
#include <unistd.h>

int main(int argc, char** argv) {
    using namespace scrivlette;
    // The document belongs to this thread; nothing else runs here.
    MainQueue::install(std::make_shared<ManualMainQueue>());
    std::ios::sync_with_stdio(false);

    auto invocation = cli::parseArguments(std::vector<std::string>(argv + 1, argv + argc));
    if (!invocation) {
        std::cerr << "scrivlette-cli: " << invocation.error().message << "\n"
                  << "Try 'scrivlette-cli --help'.\n";
        return cli::usageError;
    }
    invocation.value().progress = ::isatty(STDERR_FILENO) != 0;
    try {
        const int status = cli::run(*invocation, std::cin, std::cout, std::cerr);
        std::cout.flush();
        return std::cout ? status : cli::someUnread;
    } catch (const std::bad_alloc&) {
        // A file can claim more than memory holds; say so rather than abort.
        std::cout.flush();
        std::cerr << "scrivlette-cli: out of memory\n";
        return cli::someUnread;
    } catch (const std::exception& error) {
        // Every fault that reaches here is a bug; say it on one line rather than abort.
        std::cout.flush();
        std::cerr << "scrivlette-cli: " << error.what() << '\n';
        return cli::someUnread;
    }
}
