// Runs file operations in a forked child the test can wait for with a time limit or kill at will,
// so a hang or a killed process is something a test can observe.
#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <functional>
#include <thread>

// Runs `body` in a forked child and returns its exit status; -1 when the child did not end
// normally, -2 when it was still running after `limit` (it is then killed). Only file operations
// belong in `body`: the child ends with _exit.
inline int runWithin(std::chrono::milliseconds limit, const std::function<int()>& body) {
    const pid_t pid = fork();
    if (pid == 0) _exit(body());
    if (pid < 0) return -1;
    const auto deadline = std::chrono::steady_clock::now() + limit;
    int status = 0;
    while (waitpid(pid, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            return -2;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
