// read(2) that goes on after a signal interrupts it.
#pragma once

#include <unistd.h>

#include <cerrno>
#include <cstddef>

namespace base {

// What read(2) returns, retried while a signal interrupts it before any byte: the byte count, 0 at the end,
// or -1 with errno set.
inline ssize_t readRetrying(int fd, void* buffer, std::size_t size) {
    for (;;) {
        const ssize_t n = ::read(fd, buffer, size);
        if (n >= 0 || errno != EINTR) return n;
    }
}

}  // namespace base
