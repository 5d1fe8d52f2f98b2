#include "support/FifoProbe.h"

#include <QFile>

#include <chrono>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

FifoProbe::FifoProbe(const QString &path)
    : m_path(path)
{
    m_made = ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
    if (m_made)
        m_thread = std::thread([this] { watch(); });
}

FifoProbe::~FifoProbe()
{
    m_stop = true;
    if (m_thread.joinable())
        m_thread.join();
}

bool FifoProbe::intact() const
{
    struct stat info = {};
    return ::lstat(QFile::encodeName(m_path).constData(), &info) == 0 && S_ISFIFO(info.st_mode);
}

void FifoProbe::watch()
{
    const QByteArray name = QFile::encodeName(m_path);
    const QByteArray zeros(64 * 1024, '\0');
    while (!m_stop) {
        // Opening the writing end without waiting succeeds only while someone reads.
        const int fd = ::open(name.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) {
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
            continue;
        }
        m_opened = true;
        [[maybe_unused]] const ssize_t n = ::write(fd, zeros.constData(), size_t(zeros.size()));
        ::close(fd);
    }
}
