#pragma once
// Real child processes for the tests of several copies of the program on one file.

#include <functional>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace tabulo::test {

// A one-shot signal between processes: Wait blocks until the other side calls Send.
class Gate {
public:
    Gate() {
        if (pipe(fds_) != 0) throw std::runtime_error("pipe");
    }
    ~Gate() {
        for (int fd : fds_)
            if (fd >= 0) close(fd);
    }
    Gate(const Gate&) = delete;
    Gate& operator=(const Gate&) = delete;
    void Send() { CloseWriteEnd(); }
    void Wait() {
        CloseWriteEnd(); // so that the read sees the end of the pipe
        char c;
        while (read(fds_[0], &c, 1) > 0) {
        }
    }

private:
    void CloseWriteEnd() {
        if (fds_[1] >= 0) close(fds_[1]);
        fds_[1] = -1;
    }
    int fds_[2];
};

// Runs body in a child process; the child's exit status is body's result.
inline pid_t Spawn(const std::function<int()>& body) {
    const pid_t pid = fork();
    if (pid == 0) _exit(body());
    return pid;
}

// The child's exit status; 100 + the signal number when a signal ended it.
inline int ExitStatus(pid_t pid) {
    int status = 0;
    waitpid(pid, &status, 0);
    if (WIFSIGNALED(status)) return 100 + WTERMSIG(status);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 99;
}

} // namespace tabulo::test
