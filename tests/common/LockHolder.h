#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <stdexcept>
#include <string>
#include <thread>

#include "services/ConfigFileLock.h"

namespace trelink::test {

// Another process that takes the lock of path and holds it until told to let go through
// the pipe, or for holdFor when that is given.
class LockHolder {
public:
    explicit LockHolder(const std::string& path, std::chrono::milliseconds holdFor = {}) {
        int taken[2], release[2];
        if (::pipe(taken) != 0 || ::pipe(release) != 0) throw std::runtime_error("pipe");
        m_pid = ::fork();
        if (m_pid == 0) {
            ::close(release[1]);
            const ConfigFileLock lock(path, {});
            char byte = lock.IsHeld() ? 'y' : 'n';
            if (::write(taken[1], &byte, 1) != 1) ::_exit(1);
            if (holdFor.count() > 0) {
                std::this_thread::sleep_for(holdFor);
            } else if (::read(release[0], &byte, 1) != 1) {
                ::_exit(1);
            }
            ::_exit(0);
        }
        char byte = 'n';
        m_held = ::read(taken[0], &byte, 1) == 1 && byte == 'y';
        m_release = release[1];
        ::close(taken[0]);
        ::close(taken[1]);
        ::close(release[0]);
    }
    ~LockHolder() {
        ::close(m_release);  // an end of the pipe without a byte lets the holder go too
        ::waitpid(m_pid, nullptr, 0);
    }
    bool Held() const { return m_held; }

private:
    pid_t m_pid = -1;
    int m_release = -1;
    bool m_held = false;
};

}  // namespace trelink::test
