#include "ConsoleOutput.h"

#include <cerrno>
#include <cstring>
#include <iostream>
#include <unistd.h>

bool WriteStandardOutput(const std::string& text, const std::string& program) {
    const char* data = text.data();
    std::size_t nLeft = text.size();
    while (nLeft > 0) {
        const ssize_t nWritten = ::write(STDOUT_FILENO, data, nLeft);
        if (nWritten < 0 && errno == EINTR) {
            continue;
        }
        if (nWritten < 0) {
            std::cerr << program << ": write error: " << std::strerror(errno) << '\n';
            return false;
        }
        data += nWritten;
        nLeft -= static_cast<std::size_t>(nWritten);
    }
    return true;
}
