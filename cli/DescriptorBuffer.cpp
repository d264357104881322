#include "DescriptorBuffer.h"

#include <cerrno>
#include <system_error>
#include <unistd.h>
#include <utility>

namespace spanwise::cli {

namespace {

constexpr std::size_t kBufferSize = std::size_t{64} * 1024;

// read(2) or write(2) on fd, again when a signal interrupted it.
CDescriptorBuffer::Transfer DescriptorTransfer(int fd, CDescriptorBuffer::Direction direction) {
    return [fd, direction](char* data, std::size_t nSize, int& nError) -> std::ptrdiff_t {
        ssize_t nDone = 0;
        do {
            nDone = direction == CDescriptorBuffer::Direction::Read ? ::read(fd, data, nSize)
                                                                    : ::write(fd, data, nSize);
        } while (nDone < 0 && errno == EINTR);
        if (nDone < 0) {
            nError = errno;
        }
        return nDone;
    };
}

} // namespace

CDescriptorBuffer::CDescriptorBuffer(int fd, Direction direction)
    : CDescriptorBuffer(DescriptorTransfer(fd, direction), direction) {}

CDescriptorBuffer::CDescriptorBuffer(Transfer transfer, Direction direction)
    : m_transfer(std::move(transfer)), m_buffer(kBufferSize) {
    char* const first = m_buffer.data();
    if (direction == Direction::Read) {
        setg(first, first, first);
    } else {
        setp(first, first + m_buffer.size());
    }
}

CDescriptorBuffer::int_type CDescriptorBuffer::underflow() {
    if (m_nError != 0) {
        return traits_type::eof();
    }
    const std::ptrdiff_t nRead = m_transfer(m_buffer.data(), m_buffer.size(), m_nError);
    if (nRead < 0 && m_nError == 0) {
        m_nError = EIO;
    }
    if (nRead <= 0) {
        return traits_type::eof();
    }
    setg(m_buffer.data(), m_buffer.data(), m_buffer.data() + nRead);
    return traits_type::to_int_type(*gptr());
}

CDescriptorBuffer::int_type CDescriptorBuffer::overflow(int_type c) {
    if (!Drain()) {
        return traits_type::eof();
    }
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
        *pptr() = traits_type::to_char_type(c);
        pbump(1);
    }
    return traits_type::not_eof(c);
}

int CDescriptorBuffer::sync() {
    return Drain() ? 0 : -1;
}

bool CDescriptorBuffer::Drain() {
    char* data = pbase();
    auto nLeft = static_cast<std::size_t>(pptr() - pbase());
    setp(m_buffer.data(), m_buffer.data() + m_buffer.size());
    while (m_nError == 0 && nLeft > 0) {
        const std::ptrdiff_t nWritten = m_transfer(data, nLeft, m_nError);
        if (nWritten < 0) {
            m_nError = m_nError != 0 ? m_nError : EIO;
            break;
        }
        data += nWritten;
        nLeft -= static_cast<std::size_t>(nWritten);
    }
    return m_nError == 0;
}

std::string DescribeFailure(const std::ios& stream) {
    const auto* buffer = dynamic_cast<const CDescriptorBuffer*>(stream.rdbuf());
    if (buffer != nullptr && buffer->GetError() != 0) {
        return std::generic_category().message(buffer->GetError());
    }
    return stream.bad() ? "input/output error" : "";
}

} // namespace spanwise::cli
