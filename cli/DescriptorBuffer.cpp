#include "DescriptorBuffer.h"

#include <cerrno>
#include <system_error>
#include <unistd.h>

namespace spanwise::cli {

namespace {

constexpr std::size_t kBufferSize = std::size_t{64} * 1024;

} // namespace

CDescriptorBuffer::CDescriptorBuffer(int fd, Direction direction)
    : m_fd(fd), m_buffer(kBufferSize) {
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
    ssize_t nRead = 0;
    do {
        nRead = ::read(m_fd, m_buffer.data(), m_buffer.size());
    } while (nRead < 0 && errno == EINTR);
    if (nRead < 0) {
        m_nError = errno;
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
    const char* data = pbase();
    auto nLeft = static_cast<std::size_t>(pptr() - pbase());
    setp(m_buffer.data(), m_buffer.data() + m_buffer.size());
    while (m_nError == 0 && nLeft > 0) {
        const ssize_t nWritten = ::write(m_fd, data, nLeft);
        if (nWritten < 0) {
            if (errno != EINTR) {
                m_nError = errno;
            }
            continue;
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
