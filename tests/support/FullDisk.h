#pragma once

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <unistd.h>

#include "platform/FileIO.h"

// A full disk at the lowest level of writing, for as long as the object
// lives: the first `room` bytes reach their files, then every write fails as
// the system's does on a full disk.
class FullDisk {
public:
    explicit FullDisk(long long room)
    {
        Room() = room;
        SetRawWriteFunction(Write);
    }
    ~FullDisk() { SetRawWriteFunction(nullptr); }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

private:
    static long long& Room()
    {
        static long long room = 0;
        return room;
    }
    static long Write(int fd, const void* data, std::size_t size)
    {
        if (Room() <= 0) {
            errno = ENOSPC;
            return -1;
        }
        const std::size_t n = std::min<std::size_t>(size, static_cast<std::size_t>(Room()));
        const long written = static_cast<long>(::write(fd, data, n));
        if (written > 0)
            Room() -= written;
        return written;
    }
};
