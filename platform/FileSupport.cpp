#include "FileSupport.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <unistd.h>

namespace FileSupport {

QString Native(const std::filesystem::path& path)
{
    return QString::fromUtf8(path.native());
}

QString Quoted(const std::filesystem::path& path)
{
    return QStringLiteral("“") + Native(path) + QStringLiteral("”");
}

QString QuotedFolder(const std::filesystem::path& path)
{
    QString text = Native(path);
    if (!text.endsWith(QLatin1Char('/')))
        text += QLatin1Char('/');
    return QStringLiteral("“") + text + QStringLiteral("”");
}

QString Reason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

std::filesystem::path TempNameBeside(const std::filesystem::path& target)
{
    static std::mt19937_64 random{std::random_device{}()};
    static unsigned long counter = 0;
    const std::string name = ".lumora-" + std::to_string(getpid()) + "-" + std::to_string(++counter)
        + "-" + std::to_string(random() % 1000000) + ".tmp";
    return target.parent_path() / name;
}

int CreateTempBeside(const std::filesystem::path& target, mode_t mode, std::filesystem::path& temp)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        temp = TempNameBeside(target);
        const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

int64_t Nanoseconds(const timespec& t)
{
    return int64_t(t.tv_sec) * 1000000000 + t.tv_nsec;
}

timespec ModificationTime(const struct stat& st)
{
#ifdef __APPLE__
    return st.st_mtimespec;
#else
    return st.st_mtim;
#endif
}

timespec AccessTime(const struct stat& st)
{
#ifdef __APPLE__
    return st.st_atimespec;
#else
    return st.st_atim;
#endif
}

timespec ChangeTime(const struct stat& st)
{
#ifdef __APPLE__
    return st.st_ctimespec;
#else
    return st.st_ctim;
#endif
}

int64_t NowNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return Nanoseconds(now);
}

} // namespace FileSupport
