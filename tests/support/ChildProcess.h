#pragma once
// Real child processes for the tests of several copies of the program on one file.

#include <atomic>
#include <functional>
#include <new>
#include <sched.h>
#include <stdexcept>
#include <sys/mman.h>
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

// Counters that a process and the children it forks afterwards share, to make the order of
// their steps certain: one side counts, the other waits until a count is reached.
template <size_t N> class SharedCounters {
public:
    SharedCounters() {
        void* shared =
            mmap(nullptr, sizeof(Block), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
        if (shared == MAP_FAILED) throw std::runtime_error("mmap");
        block_ = new (shared) Block{};
    }
    ~SharedCounters() { munmap(block_, sizeof(Block)); }
    SharedCounters(const SharedCounters&) = delete;
    SharedCounters& operator=(const SharedCounters&) = delete;

    std::atomic<long>& operator[](size_t i) { return block_->counts[i]; }

private:
    struct Block {
        std::atomic<long> counts[N];
    };
    static_assert(std::atomic<long>::is_always_lock_free, "shared between processes");
    Block* block_;
};

// Waits until the condition holds (a count reached, a file changed), giving the processor
// away meanwhile: what it waits for is certain to come, however long that takes.
template <typename Condition> void Await(Condition done) {
    while (!done())
        sched_yield();
}

// Runs body in a child process; the child's exit status is body's result.
inline pid_t Spawn(const std::function<int()>& body) {
    const pid_t pid = fork();
    if (pid == 0) _exit(body());
    return pid;
}

// Whether the child has ended, without collecting its status.
inline bool HasEnded(pid_t pid) {
    siginfo_t info{};
    return waitid(P_PID, static_cast<id_t>(pid), &info, WEXITED | WNOHANG | WNOWAIT) == 0 &&
           info.si_pid == pid;
}

// The child's exit status; 100 + the signal number when a signal ended it.
inline int ExitStatus(pid_t pid) {
    int status = 0;
    waitpid(pid, &status, 0);
    if (WIFSIGNALED(status)) return 100 + WTERMSIG(status);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 99;
}

} // namespace tabulo::test
