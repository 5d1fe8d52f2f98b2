#pragma once

#include <QString>

#include <atomic>
#include <thread>

// A FIFO made in place of a file, watched from a thread. Any open of it by the code under
// test is seen, and the opener is fed a pipe-full of zero bytes and then the end of the data,
// so a reader that would wait for ever returns and the test fails instead of hanging.
class FifoProbe
{
public:
    explicit FifoProbe(const QString &path);
    ~FifoProbe();
    FifoProbe(const FifoProbe &) = delete;
    FifoProbe &operator=(const FifoProbe &) = delete;

    bool made() const { return m_made; }
    bool opened() const { return m_opened; }
    // Still a FIFO: nobody replaced it with a file.
    bool intact() const;

private:
    void watch();

    QString m_path;
    bool m_made = false;
    std::atomic<bool> m_opened{false};
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};
