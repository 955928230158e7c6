#include "CliFixture.h"

#include <fcntl.h>
#include <pty.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tabulo::test {

namespace {

// A file in memory, for a standard stream of the child: nothing fills up or blocks, whatever
// the child writes, and its contents are read once the child has ended.
int MemoryFile(const std::string& contents) {
    const int fd = ::memfd_create("tabulo-cli-stream", MFD_CLOEXEC);
    if (fd < 0 || ::write(fd, contents.data(), contents.size()) < 0) return -1;
    ::lseek(fd, 0, SEEK_SET);
    return fd;
}

std::string Contents(int fd) {
    std::string text;
    char buffer[65536];
    ssize_t n = 0;
    ::lseek(fd, 0, SEEK_SET);
    while ((n = ::read(fd, buffer, sizeof buffer)) > 0)
        text.append(buffer, static_cast<size_t>(n));
    ::close(fd);
    return text;
}

} // namespace

CliResult RunCli(const CliCall& call) {
    CliResult result;
    // Standard input: the far side of a pseudo-terminal holding the typed input (it stays
    // open until the child ends: closing it would hang up on the child), or a file.
    int terminal = -1, in = -1;
    if (call.terminal) {
        if (::openpty(&terminal, &in, nullptr, nullptr, nullptr) != 0) return result;
        ::fcntl(terminal, F_SETFD, FD_CLOEXEC);
        if (::write(terminal, call.input.data(), call.input.size()) < 0) return result;
    } else
        in = MemoryFile(call.input);
    const int out = MemoryFile(""), err = MemoryFile("");
    const pid_t child = ::fork();
    if (child == 0) {
        ::dup2(in, 0);
        ::dup2(out, 1);
        ::dup2(err, 2);
        if (!call.directory.empty() && ::chdir(call.directory.c_str()) != 0) ::_exit(127);
        std::vector<char*> argv{const_cast<char*>(TABULO_CLI_PATH)};
        for (const std::string& a : call.args)
            argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        ::execv(TABULO_CLI_PATH, argv.data());
        ::_exit(127);
    }
    ::close(in);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (terminal >= 0) ::close(terminal);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = Contents(out);
    result.err = Contents(err);
    return result;
}

} // namespace tabulo::test
