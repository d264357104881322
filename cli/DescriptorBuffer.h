#pragma once

#include <cstddef>
#include <functional>
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
    // Moves up to nSize bytes between data and the stream, in the buffer's direction. Returns how
    // many it moved (0 at the end of the input), or -1 with the reason, an errno value, in nError.
    using Transfer = std::function<std::ptrdiff_t(char* data, std::size_t nSize, int& nError)>;

    // Reads or writes the descriptor with read(2) or write(2).
    CDescriptorBuffer(int fd, Direction direction);
    // Reads or writes through transfer, for a stream the system reaches otherwise.
    CDescriptorBuffer(Transfer transfer, Direction direction);

    // The errno of the first read or write that failed, 0 while none has.
    int GetError() const { return m_nError; }

protected:
    int_type underflow() override;
    int_type overflow(int_type c) override;
    int sync() override;

private:
    // Writes out the put area; false once any write has failed. The area is emptied either way.
    bool Drain();

    Transfer m_transfer;
    int m_nError = 0;
    std::vector<char> m_buffer;
};

// Why reading or writing the stream failed, as the system words it ("No space left on device"),
// or an empty text while nothing has failed.
std::string DescribeFailure(const std::ios& stream);

} // namespace spanwise::cli
