#include "FileCopy.h"

#include "EventPump.h"
#include "FileFaults.h"
#include "FileSupport.h"
#include "FolderListing.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;
using namespace FileSupport;

namespace FileCopy {

namespace {

// The kernel copies in place in chunks sized to take a few milliseconds each
// (they grow while one takes under 2 ms and shrink when one takes over 8 ms,
// from 64 KiB to 4 MiB), and events get through between them: a window stays
// alive on a slow CD as on a fast disk whose speed changes tenfold under load.
constexpr size_t kFirstChunk = size_t(256) << 10;
constexpr size_t kMinChunk = size_t(64) << 10;
constexpr size_t kMaxChunk = size_t(4) << 20;
constexpr size_t kBuffer = size_t(256) << 10; // when the kernel cannot copy in place

size_t nextChunk(size_t chunk, ssize_t copied, std::chrono::steady_clock::duration took)
{
    if (took < std::chrono::milliseconds(2) && size_t(copied) == chunk)
        return std::min(chunk * 2, kMaxChunk);
    if (took > std::chrono::milliseconds(8))
        return std::max(chunk / 2, kMinChunk);
    return chunk;
}

FileResult failure(const fs::path& source, const fs::path& folder, const QString& reason)
{
    return FileResult::failure(QStringLiteral("Cannot copy %1 to %2: %3")
                                   .arg(Quoted(source), QuotedFolder(folder), reason));
}

FileResult failure(const fs::path& source, const fs::path& folder, int error)
{
    return failure(source, folder, Reason(error));
}

bool inPlaceCopyUnsupported(int error)
{
    return error == EXDEV || error == ENOSYS || error == EINVAL || error == EOPNOTSUPP;
}

class Copier {
public:
    FileResult copyItem(const fs::path& source, const struct stat& st, const fs::path& folder);

private:
    FileResult copyFile(const fs::path& source, const struct stat& st, const fs::path& folder);
    FileResult copyFolder(const fs::path& source, const struct stat& st, const fs::path& folder);
    FileResult copyLink(const fs::path& source, const struct stat& st, const fs::path& folder);
    int copyData(int in, int out, off_t size);      // 0 or errno
    ssize_t readWrite(int in, int out);

    std::unique_ptr<char[]> m_buffer;
};

FileResult Copier::copyItem(const fs::path& source, const struct stat& st, const fs::path& folder)
{
    EventPump::LetEventsThrough();
    if (S_ISREG(st.st_mode))
        return copyFile(source, st, folder);
    if (S_ISDIR(st.st_mode))
        return copyFolder(source, st, folder);
    if (S_ISLNK(st.st_mode))
        return copyLink(source, st, folder);
    return failure(source, folder, QStringLiteral("it is neither a file nor a folder"));
}

FileResult Copier::copyFile(const fs::path& source, const struct stat& st, const fs::path& folder)
{
    const fs::path target = folder / source.filename();
    if (const int injected = InjectedFileFault(FileOp::Write, target))
        return failure(source, folder, injected);

    const int in = ::open(source.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0)
        return failure(source, folder, errno);
    // A new name, the common case, costs no look beforehand.
    fs::path written = target;
    int out = ::open(target.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (out < 0 && errno == EEXIST) {
        struct stat existing;
        if (::lstat(target.c_str(), &existing) == 0 && existing.st_dev == st.st_dev && existing.st_ino == st.st_ino) {
            ::close(in);
            return FileResult::success();   // the file itself
        }
        out = CreateTempBeside(target, 0600, written);
    }
    if (out < 0) {
        const int error = errno;
        ::close(in);
        return failure(source, folder, error);
    }

    int error = copyData(in, out, st.st_size);
    if (!error && ::fchmod(out, st.st_mode & 07777) != 0)
        error = errno;
    const timespec times[2] = {AccessTime(st), ModificationTime(st)};
    if (!error && ::futimens(out, times) != 0)
        error = errno;
    if (::close(out) != 0 && !error)
        error = errno;
    ::close(in);
    if (!error && written != target && ::rename(written.c_str(), target.c_str()) != 0)
        error = errno;
    if (error) {
        ::unlink(written.c_str());
        return failure(source, folder, error);
    }
    return FileResult::success();
}

int Copier::copyData(int in, int out, off_t size)
{
#ifdef __linux__
    bool inPlace = true;
#else
    const bool inPlace = false;
    (void)size;
#endif
    off_t copied = 0;
    [[maybe_unused]] size_t chunk = kFirstChunk;
    for (;;) {
        ssize_t n;
#ifdef __linux__
        if (inPlace) {
            const auto start = std::chrono::steady_clock::now();
            n = ::copy_file_range(in, nullptr, out, nullptr, chunk, 0);
            const bool emptyCopyOfFullFile = n == 0 && copied == 0 && size > 0;   // e.g. /proc files
            if ((n < 0 && inPlaceCopyUnsupported(errno)) || emptyCopyOfFullFile) {
                inPlace = false;
                continue;
            }
            if (n > 0)
                chunk = nextChunk(chunk, n, std::chrono::steady_clock::now() - start);
        } else
#endif
            n = readWrite(in, out);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (n == 0)
            return 0;
        copied += n;
        if (copied == size)
            return 0;   // the whole file as it was seen; no call to find the end
        EventPump::LetEventsThrough();
    }
}

ssize_t Copier::readWrite(int in, int out)
{
    if (!m_buffer)
        m_buffer = std::make_unique<char[]>(kBuffer);
    const ssize_t got = ::read(in, m_buffer.get(), kBuffer);
    if (got <= 0)
        return got;
    for (ssize_t done = 0; done < got;) {
        const ssize_t put = ::write(out, m_buffer.get() + done, size_t(got - done));
        if (put < 0) {
            if (errno == EINTR)
                continue;
            return -1;
        }
        done += put;
    }
    return got;
}

FileResult Copier::copyFolder(const fs::path& source, const struct stat& st, const fs::path& folder)
{
    const fs::path target = folder / source.filename();
    bool created = false;
    struct stat existing;
    if (::stat(target.c_str(), &existing) == 0) {
        if (!S_ISDIR(existing.st_mode))
            return failure(source, folder, EEXIST);
        if (existing.st_dev == st.st_dev && existing.st_ino == st.st_ino)
            return FileResult::success();   // the folder itself
    } else if (errno == ENOENT) {
        if (const int injected = InjectedFileFault(FileOp::CreateFolder, target))
            return failure(source, folder, injected);
        if (::mkdir(target.c_str(), 0700) != 0)
            return failure(source, folder, errno);
        created = true;
    } else {
        return failure(source, folder, errno);
    }

    DIR* dir = ::opendir(source.c_str());
    if (!dir)
        return failure(source, folder, errno);
    std::vector<std::string> names;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name(entry->d_name);
        if (name != "." && name != "..")
            names.emplace_back(name);
    }
    ::closedir(dir);

    for (const std::string& name : names) {
        const fs::path child = source / name;
        struct stat childStat;
        if (::lstat(child.c_str(), &childStat) != 0)
            return failure(child, target, errno);
        FileResult result = copyItem(child, childStat, target);
        if (!result)
            return result;
    }

    if (created) {
        if (::chmod(target.c_str(), (st.st_mode & 07777) | S_IRWXU) != 0)
            return failure(source, folder, errno);
        const timespec times[2] = {AccessTime(st), ModificationTime(st)};
        if (::utimensat(AT_FDCWD, target.c_str(), times, 0) != 0)
            return failure(source, folder, errno);
    }
    return FileResult::success();
}

FileResult Copier::copyLink(const fs::path& source, const struct stat& st, const fs::path& folder)
{
    const fs::path target = folder / source.filename();
    if (const int injected = InjectedFileFault(FileOp::Write, target))
        return failure(source, folder, injected);
    std::string linkText(size_t(st.st_size) + 1, '\0');
    for (;;) {
        const ssize_t n = ::readlink(source.c_str(), linkText.data(), linkText.size());
        if (n < 0)
            return failure(source, folder, errno);
        if (size_t(n) < linkText.size()) {
            linkText.resize(size_t(n));
            break;
        }
        linkText.resize(linkText.size() * 2);
    }
    fs::path temp;
    int error = EEXIST;
    for (int attempt = 0; attempt < 100 && error == EEXIST; ++attempt) {
        temp = TempNameBeside(target);
        error = ::symlink(linkText.c_str(), temp.c_str()) == 0 ? 0 : errno;
    }
    if (error)
        return failure(source, folder, error);
    if (::rename(temp.c_str(), target.c_str()) != 0) {
        error = errno;
        ::unlink(temp.c_str());
        return failure(source, folder, error);
    }
    const timespec times[2] = {AccessTime(st), ModificationTime(st)};
    ::utimensat(AT_FDCWD, target.c_str(), times, AT_SYMLINK_NOFOLLOW);   // not every system can
    return FileResult::success();
}

bool isInside(const fs::path& folder, const fs::path& source)
{
    std::error_code ec;
    const fs::path realFolder = fs::weakly_canonical(folder, ec);
    const fs::path realSource = ec ? source : fs::weakly_canonical(source, ec);
    const fs::path rest = realFolder.lexically_relative(realSource);
    return !rest.empty() && *rest.begin() != "..";
}

} // namespace

FileResult CopyInto(const fs::path& source, const fs::path& folder)
{
    struct stat st;
    if (::lstat(source.c_str(), &st) != 0)
        return failure(source, folder, errno);
    // For a file, a missing folder or one that is a file fails the file's
    // creation with the reason a look at the folder would give: no look first.
    if (!S_ISREG(st.st_mode)) {
        struct stat folderStat;
        if (::stat(folder.c_str(), &folderStat) != 0)
            return failure(source, folder, errno);
        if (!S_ISDIR(folderStat.st_mode))
            return failure(source, folder, ENOTDIR);
        if (S_ISDIR(st.st_mode) && isInside(folder, source))
            return failure(source, folder, QStringLiteral("a folder cannot be copied into itself"));
    }

    FolderListing::Change change(folder);
    Copier copier;
    FileResult result = copier.copyItem(source, st, folder);
    change.Update(source.filename().native());
    return result;
}

} // namespace FileCopy
