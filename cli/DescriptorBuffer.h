#pragma once

#include <ios>
#include <streambuf>
#include <string>
#include <vector>

namespace spanwise::cli {

// A stream buffer over a POSIX file descriptor (standard input or output) that keeps the reason
// of a failed read or write: an iostream only records that one failed, and a failed read looks
// to it like the end of the input.
class CDescriptorBuffer final : public std::streambuf {
public:
    enum class Direction { Read, Write };

    CDescriptorBuffer(int fd, Direction direction);

    // The errno of the first read or write that failed, 0 while none has.
    int GetError() const { return m_nError; }

protected:
    int_type underflow() override;
    int_type overflow(int_type c) override;
    int sync() override;

private:
    // Writes out the put area; false once any write has failed. The area is emptied either way.
    bool Drain();

    int m_fd;
    int m_nError = 0;
    std::vector<char> m_buffer;
};

// Why reading or writing the stream failed, as the system words it ("No space left on device"),
// or an empty text while nothing has failed.
std::string DescribeFailure(const std::ios& stream);

} // namespace spanwise::cli
