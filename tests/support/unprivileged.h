// Permission checks for tests that run as the superuser (CI does): the superuser passes every
// permission check, so the code under test runs in a forked child as the user "nobody".
#pragma once

#include <grp.h>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <vector>

// Runs `body` in a forked child as the user `uid` with the group `gid` and the supplementary
// groups `groups` (only when this process is the superuser), and returns the child's exit status
// (body's result); -1 when the child did not end normally, 99 when it could not take that user.
// Only file operations belong in `body`: the child ends with _exit.
inline int runAsUser(uid_t uid, gid_t gid, const std::vector<gid_t>& groups,
                     const std::function<int()>& body) {
    const pid_t pid = fork();
    if (pid == 0) {
        if (geteuid() == 0) {
            if (setgroups(groups.size(), groups.data()) != 0 || setgid(gid) != 0 ||
                setuid(uid) != 0)
                _exit(99);
        }
        _exit(body());
    }
    int status = 0;
    if (pid < 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
}

// The same as the user "nobody" with no supplementary group.
inline int runUnprivileged(const std::function<int()>& body) {
    const passwd* nobody = getpwnam("nobody");
    if (!nobody) return geteuid() == 0 ? 99 : runAsUser(getuid(), getgid(), {}, body);
    return runAsUser(nobody->pw_uid, nobody->pw_gid, {}, body);
}
