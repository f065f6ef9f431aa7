// Every file write beyond a few bytes fails while a WritesFail lives, as on a full disk or in a
// folder the program may not write to. Works as root too, where permission bits would not
// stop the write. Header-only.
#pragma once

#include <csignal>
#include <sys/resource.h>

class WritesFail
{
public:
    WritesFail()
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN); // a failed write, not a killed process
        struct rlimit tiny = m_saved;
        tiny.rlim_cur = 16;
        m_active = setrlimit(RLIMIT_FSIZE, &tiny) == 0;
    }
    ~WritesFail()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    WritesFail(const WritesFail &) = delete;
    WritesFail &operator=(const WritesFail &) = delete;

    bool active() const { return m_active; }

private:
    struct rlimit m_saved = {};
    void (*m_oldHandler)(int) = nullptr;
    bool m_active = false;
};
