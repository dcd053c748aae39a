#include "BenchSupport.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <stdexcept>

namespace scrivlette::bench {
namespace {

Measurement runOnce(const std::vector<std::string>& command) {
    int out[2];
    if (::pipe(out) != 0) {
        throw std::runtime_error("pipe failed");
    }
    const pid_t child = ::fork();
    if (child == 0) {
        ::dup2(out[1], STDOUT_FILENO);
        ::close(out[0]);
        ::close(out[1]);
        std::vector<char*> argv;
        for (const auto& argument : command) {
            argv.push_back(const_cast<char*>(argument.c_str()));
        }
        argv.push_back(nullptr);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    ::close(out[1]);
    std::string printed;
    char buffer[256];
    ssize_t got = 0;
    while ((got = ::read(out[0], buffer, sizeof buffer)) > 0) {
        printed.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(out[0]);
    int status = 0;
    rusage usage{};
    ::wait4(child, &status, 0, &usage);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        throw std::runtime_error("measured command failed: " + command.back());
    }
    return {std::stod(printed), usage.ru_maxrss};
}

Measurement best(const std::vector<std::string>& command, int runs) {
    Measurement result = runOnce(command);
    for (int i = 1; i < runs; ++i) {
        const Measurement next = runOnce(command);
        if (next.seconds < result.seconds) {
            result = next;
        }
    }
    return result;
}

} // namespace

Measurement measureChild(const std::string& argv0, const std::vector<std::string>& arguments, int runs) {
    std::vector<std::string> command = {argv0, "--child"};
    command.insert(command.end(), arguments.begin(), arguments.end());
    return best(command, runs);
}

Measurement measureCommand(const std::string& command, int runs) {
    return best({"/bin/sh", "-c", command}, runs);
}

double secondsSince(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

} // namespace scrivlette::bench
