#pragma once

#include <csignal>
#include <sys/resource.h>

// Lowers the largest file this process may write, so that a write breaks off half-way just as
// it would on a full disk; the earlier limit comes back on destruction. Tests run as root, where
// permission bits do not stop a write, but this limit does. A write beyond the limit fails with
// EFBIG instead of ending the process, since SIGXFSZ is ignored meanwhile.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        m_active = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

    // False when the limit could not be lowered; the test should then skip.
    bool active() const { return m_active; }

private:
    rlimit m_saved{};
    void (*m_oldHandler)(int) = nullptr;
    bool m_active = false;
};
