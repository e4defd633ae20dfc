#include "TextStreams.h"

#include "FileFaults.h"
#include "FileSupport.h"
#include "FolderListing.h"

#include <QByteArray>
#include <QStringDecoder>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace FileSupport;

namespace {

// The whole file is read at open: the files read this way are a few lines.
class FileTextInput : public TextInputStream {
public:
    explicit FileTextInput(QString text) : m_text(std::move(text)) {}

    QString ReadLine() override
    {
        if (Eof())
            return QString();
        qsizetype end = m_position;
        while (end < m_text.size() && m_text[end] != QLatin1Char('\n') && m_text[end] != QLatin1Char('\r'))
            ++end;
        QString line = m_text.mid(m_position, end - m_position);
        if (end < m_text.size() && m_text[end] == QLatin1Char('\r') && end + 1 < m_text.size()
            && m_text[end + 1] == QLatin1Char('\n'))
            ++end;
        m_position = end + 1;
        return line;
    }

    bool Eof() const override { return m_position >= m_text.size(); }

    void Close() override
    {
        m_text.clear();
        m_position = 0;
    }

private:
    QString m_text;
    qsizetype m_position = 0;
};

// Text that is not UTF-8 (an old Mac's log) is read byte for byte rather
// than losing its letters to replacement characters.
QString decode(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringConverter::Utf8);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        text = QString::fromLatin1(bytes);
    return text;
}

// Writes go to a new file beside the target, which Close renames over it.
class FileTextOutput : public TextOutputStream {
public:
    FileTextOutput(fs::path target, fs::path temp, int fd, FolderListing::Change listingChange)
        : m_target(std::move(target)), m_temp(std::move(temp)), m_fd(fd),
          m_listingChange(std::move(listingChange))
    {
    }

    ~FileTextOutput() override
    {
        if (m_fd >= 0) {
            ::close(m_fd);
            ::unlink(m_temp.c_str());
        }
    }

    void WriteLine(const QString& text) override
    {
        if (m_fd < 0 || m_error)
            return;
        m_pending += text.toUtf8();
        m_pending += '\n';
        if (m_pending.size() >= kFlushSize)
            flush();
    }

    FileResult Close() override
    {
        if (m_fd < 0)
            return m_closed;
        flush();
        if (!m_error && ::fsync(m_fd) != 0)
            m_error = errno;
        if (::close(m_fd) != 0 && !m_error)
            m_error = errno;
        m_fd = -1;
        if (!m_error && ::rename(m_temp.c_str(), m_target.c_str()) != 0)
            m_error = errno;
        if (m_error) {
            ::unlink(m_temp.c_str());
            m_closed = FileResult::failure(QStringLiteral("Cannot write %1: %2").arg(Quoted(m_target), Reason(m_error)));
        }
        m_listingChange.Update(m_target.filename().native());
        return m_closed;
    }

private:
    static constexpr qsizetype kFlushSize = 64 * 1024;

    void flush()
    {
        if (m_error || m_pending.isEmpty())
            return;
        m_error = InjectedFileFault(FileOp::Write, m_target);
        if (m_error)
            return;
        for (qsizetype done = 0; done < m_pending.size();) {
            const ssize_t put = ::write(m_fd, m_pending.constData() + done, size_t(m_pending.size() - done));
            if (put < 0 && errno != EINTR) {
                m_error = errno;
                return;
            }
            if (put > 0)
                done += put;
        }
        m_pending.clear();
    }

    fs::path m_target;
    fs::path m_temp;
    int m_fd;
    FolderListing::Change m_listingChange;
    QByteArray m_pending;
    int m_error = 0;
    FileResult m_closed = FileResult::success();
};

} // namespace

std::unique_ptr<TextInputStream> FolderItem::OpenAsTextFile() const
{
    requireNotNil("OpenAsTextFile");
    const int fd = ::open(m_path->c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return nullptr;
    struct stat st;
    if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
        ::close(fd);
        return nullptr;
    }
    QByteArray bytes;
    char buffer[64 * 1024];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            ::close(fd);
            return nullptr;
        }
        if (got == 0)
            break;
        bytes.append(buffer, got);
    }
    ::close(fd);
    return std::make_unique<FileTextInput>(decode(bytes));
}

std::unique_ptr<TextOutputStream> FolderItem::CreateTextFile() const
{
    requireNotNil("CreateTextFile");
    const fs::path& target = *m_path;
    struct stat existing;
    const bool replacing = ::lstat(target.c_str(), &existing) == 0;
    if (replacing && S_ISDIR(existing.st_mode))
        return nullptr;
    FolderListing::Change listingChange(target.parent_path());
    fs::path temp;
    const int fd = CreateTempBeside(target, 0666, temp);
    if (fd < 0)
        return nullptr;
    // A replaced file keeps its permission bits.
    if (replacing && S_ISREG(existing.st_mode))
        ::fchmod(fd, existing.st_mode & 07777);
    return std::make_unique<FileTextOutput>(target, temp, fd, std::move(listingChange));
}
