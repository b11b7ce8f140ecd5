// Permission checks for tests that run as the superuser (CI does): the superuser passes every
// permission check, so the code under test runs in a forked child as the user "nobody".
#pragma once

#include <grp.h>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

// Runs `body` in a forked child, as "nobody" when this process is the superuser, and returns the
// child's exit status (body's result); -1 when the child did not end normally, 99 when it could not
// drop its privileges. Only file operations belong in `body`: the child ends with _exit.
inline int runUnprivileged(const std::function<int()>& body) {
    const pid_t pid = fork();
    if (pid == 0) {
        if (geteuid() == 0) {
            const passwd* nobody = getpwnam("nobody");
            if (!nobody || setgroups(0, nullptr) != 0 || setgid(nobody->pw_gid) != 0 ||
                setuid(nobody->pw_uid) != 0)
                _exit(99);
        }
        _exit(body());
    }
    int status = 0;
    if (pid < 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
}
