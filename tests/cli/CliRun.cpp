#include "CliRun.h"

#include <gtest/gtest.h>

// On Windows, RunCli is in CliRunWindows.cpp.
#ifndef _WIN32
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;
#endif

namespace spanwise::test {

#ifndef _WIN32
namespace {

// A temporary file, open for reading and writing, removed again when the run is over.
class CTempFile {
public:
    CTempFile() {
        std::string path = ::testing::TempDir() + "spanwise-cli-XXXXXX";
        m_fd = ::mkstemp(path.data());
        if (m_fd < 0) {
            throw std::runtime_error("cannot create a temporary file in " + ::testing::TempDir());
        }
        ::unlink(path.c_str());
    }
    ~CTempFile() { ::close(m_fd); }
    CTempFile(const CTempFile&) = delete;
    CTempFile& operator=(const CTempFile&) = delete;

    int Fd() const { return m_fd; }

    void Write(const std::string& text) const {
        for (std::size_t nDone = 0; nDone < text.size();) {
            const ssize_t n = ::write(m_fd, text.data() + nDone, text.size() - nDone);
            if (n < 0 && errno != EINTR) {
                throw std::runtime_error("cannot write a temporary file");
            }
            nDone += n > 0 ? static_cast<std::size_t>(n) : 0;
        }
        ::lseek(m_fd, 0, SEEK_SET);
    }

    std::string ReadAll() const {
        std::string text;
        char buffer[65536];
        ::lseek(m_fd, 0, SEEK_SET);
        for (;;) {
            const ssize_t n = ::read(m_fd, buffer, sizeof buffer);
            if (n == 0 || (n < 0 && errno != EINTR)) {
                return text;
            }
            text.append(buffer, n > 0 ? static_cast<std::size_t>(n) : 0);
        }
    }

private:
    int m_fd = -1;
};

// Ignores SIGPIPE while it lives; a program started meanwhile keeps ignoring it.
class CSigpipeIgnored {
public:
    CSigpipeIgnored() {
        struct sigaction ignore = {};
        ignore.sa_handler = SIG_IGN;
        ::sigaction(SIGPIPE, &ignore, &m_previous);
    }
    ~CSigpipeIgnored() { ::sigaction(SIGPIPE, &m_previous, nullptr); }
    CSigpipeIgnored(const CSigpipeIgnored&) = delete;
    CSigpipeIgnored& operator=(const CSigpipeIgnored&) = delete;

private:
    struct sigaction m_previous = {};
};

// A pipe whose reading end is closed at once.
class CBrokenPipe {
public:
    CBrokenPipe() {
        int fds[2];
        if (::pipe(fds) != 0) {
            throw std::runtime_error("cannot create a pipe");
        }
        ::close(fds[0]);
        m_fd = fds[1];
    }
    ~CBrokenPipe() { ::close(m_fd); }
    CBrokenPipe(const CBrokenPipe&) = delete;
    CBrokenPipe& operator=(const CBrokenPipe&) = delete;

    int Fd() const { return m_fd; }

private:
    int m_fd = -1;
};

} // namespace

CCliRun RunCli(const std::vector<std::string>& args, const std::string& input, CliInput inputKind,
               CliOutput outputKind) {
    const CTempFile in;
    const CTempFile out;
    const CTempFile err;
    const CBrokenPipe brokenPipe;
    const CSigpipeIgnored sigpipeIgnored;
    in.Write(input);

    std::string program = SPANWISE_CLI_PATH;
    std::vector<char*> argv{program.data()};
    std::vector<std::string> copies(args);
    for (std::string& arg : copies) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    const std::string directory = ::testing::TempDir();
    switch (inputKind) {
    case CliInput::File:
        posix_spawn_file_actions_adddup2(&actions, in.Fd(), STDIN_FILENO);
        break;
    case CliInput::Directory:
        posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, directory.c_str(), O_RDONLY, 0);
        break;
    case CliInput::Closed:
        posix_spawn_file_actions_addclose(&actions, STDIN_FILENO);
        break;
    }
    switch (outputKind) {
    case CliOutput::File:
        posix_spawn_file_actions_adddup2(&actions, out.Fd(), STDOUT_FILENO);
        break;
    case CliOutput::Full:
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/full", O_WRONLY, 0);
        break;
    case CliOutput::Closed:
        posix_spawn_file_actions_addclose(&actions, STDOUT_FILENO);
        break;
    case CliOutput::BrokenPipe:
        posix_spawn_file_actions_adddup2(&actions, brokenPipe.Fd(), STDOUT_FILENO);
        break;
    }
    posix_spawn_file_actions_adddup2(&actions, err.Fd(), STDERR_FILENO);
    pid_t pid = 0;
    const int nSpawn = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (nSpawn != 0) {
        throw std::runtime_error("cannot start " + program);
    }
    int nStatus = 0;
    while (::waitpid(pid, &nStatus, 0) < 0 && errno == EINTR) {
    }

    CCliRun run;
    run.nExit = WIFEXITED(nStatus) ? WEXITSTATUS(nStatus) : -1;
    run.out = out.ReadAll();
    run.err = err.ReadAll();
    return run;
}
#endif

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

std::string WithCrLf(const std::string& text) {
    std::string crlf;
    for (const char c : text) {
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    }
    return crlf;
}

std::u16string Utf16(const std::string& utf8) {
    std::u16string units;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const std::size_t nBytes = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t c = nBytes == 1 ? lead : lead & (0x7F >> nBytes);
        for (std::size_t k = 1; k < nBytes && i + k < utf8.size(); ++k) {
            c = (c << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        }
        if (c >= 0x10000) {
            units += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
            units += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            units += static_cast<char16_t>(c);
        }
        i += nBytes;
    }
    return units;
}

} // namespace spanwise::test
