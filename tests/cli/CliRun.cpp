#include "CliRun.h"

#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tabulo::test {

namespace {

// Writes the input and reads both outputs until they close, without a pipe filling up. A
// terminal stays open after the input (closing it would hang up on the child); a pipe is
// closed, so the child sees the end of its input.
void Exchange(int in, bool keepOpen, const std::string& input, int out, int err,
              CliResult& result) {
    size_t written = 0;
    int writing = input.empty() ? -1 : in;
    struct Channel {
        int fd;
        std::string* text;
    } channels[2] = {{out, &result.out}, {err, &result.err}};
    if (writing < 0 && !keepOpen) ::close(in), in = -1;
    while (channels[0].fd >= 0 || channels[1].fd >= 0) {
        pollfd fds[3] = {
            {channels[0].fd, POLLIN, 0}, {channels[1].fd, POLLIN, 0}, {writing, POLLOUT, 0}};
        if (::poll(fds, 3, 30000) <= 0) break; // a hung child ends the exchange
        if (fds[2].revents != 0) {
            const ssize_t n = ::write(writing, input.data() + written, input.size() - written);
            written += n > 0 ? static_cast<size_t>(n) : 0;
            if (n <= 0 || written == input.size()) writing = -1;
        }
        for (int i = 0; i < 2; ++i) {
            if (fds[i].revents == 0) continue;
            char buffer[65536];
            const ssize_t n = ::read(channels[i].fd, buffer, sizeof buffer);
            if (n > 0)
                channels[i].text->append(buffer, static_cast<size_t>(n));
            else
                ::close(channels[i].fd), channels[i].fd = -1;
        }
        if (writing < 0 && !keepOpen && in >= 0) ::close(in), in = -1;
    }
    for (int fd : {channels[0].fd, channels[1].fd})
        if (fd >= 0) ::close(fd);
    if (!keepOpen && in >= 0) ::close(in);
}

// Standard input for the child: a pipe, or the far side of a pseudo-terminal.
bool MakeInput(bool terminal, int fds[2]) {
    if (!terminal) return ::pipe2(fds, O_CLOEXEC) == 0;
    int parent = -1, child = -1;
    if (::openpty(&parent, &child, nullptr, nullptr, nullptr) != 0) return false;
    fds[0] = child;
    fds[1] = parent;
    ::fcntl(parent, F_SETFD, FD_CLOEXEC);
    return true;
}

} // namespace

CliResult RunCli(const CliCall& call) {
    CliResult result;
    int in[2], out[2], err[2];
    if (!MakeInput(call.terminal, in) || ::pipe2(out, O_CLOEXEC) != 0 ||
        ::pipe2(err, O_CLOEXEC) != 0)
        return result;
    const pid_t child = ::fork();
    if (child == 0) {
        ::dup2(in[0], 0);
        ::dup2(out[1], 1);
        ::dup2(err[1], 2);
        if (!call.directory.empty() && ::chdir(call.directory.c_str()) != 0) ::_exit(127);
        std::vector<char*> argv{const_cast<char*>(TABULO_CLI_PATH)};
        for (const std::string& a : call.args)
            argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        ::execv(TABULO_CLI_PATH, argv.data());
        ::_exit(127);
    }
    ::close(in[0]);
    ::close(out[1]);
    ::close(err[1]);
    Exchange(in[1], call.terminal, call.input, out[0], err[0], result);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (call.terminal) ::close(in[1]);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

} // namespace tabulo::test
