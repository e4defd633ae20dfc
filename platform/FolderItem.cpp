#include "FolderItem.h"

#include "ColonPath.h"
#include "FileCopy.h"
#include "FileFaults.h"
#include "FileSupport.h"
#include "FolderListing.h"

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// A file goes with one unlink; only when that meets a folder is the item
// looked at again. 0 or the errno of the failure.
int unlinkOrRemoveFolder(const fs::path& path)
{
    if (::unlink(path.c_str()) == 0)
        return 0;
    const int error = errno;
    struct stat st;
    if ((error == EISDIR || error == EPERM) && ::lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode))
        return ::rmdir(path.c_str()) == 0 ? 0 : errno;
    return error;
}

// 0 when path is gone afterwards, else the errno of the failure.
int removeItem(const fs::path& path)
{
    if (FileFaultHookInstalled()) {
        // The hook is asked about items that exist.
        struct stat st;
        if (::lstat(path.c_str(), &st) != 0)
            return errno == ENOENT || errno == ENOTDIR ? 0 : errno;
        if (const int injected = InjectedFileFault(FileOp::Delete, path))
            return injected;
    }
    FolderListing::Change change(path.parent_path());
    int error = unlinkOrRemoveFolder(path);
    if (error == ENOENT || error == ENOTDIR)
        error = 0;
    if (error == 0)
        change.Update(path.filename().native(), false);
    else
        change.Update(path.filename().native());
    return error;
}

} // namespace

FolderItem::FolderItem(fs::path nativePath)
{
    // An empty path names nothing: the item stays nil.
    if (!nativePath.empty())
        m_path = std::make_shared<const fs::path>(ColonPath::Normalized(nativePath));
}

void FolderItem::requireNotNil(const char* operation) const
{
    if (IsNil())
        throw NilObjectException(std::string("FolderItem.") + operation + " used on a nil FolderItem");
}

const fs::path& FolderItem::NativePath() const
{
    requireNotNil("NativePath");
    return *m_path;
}

FolderItem FolderItem::Child(const QString& name) const
{
    requireNotNil("Child");
    const std::optional<std::string> nativeName = ColonPath::NativeName(name);
    if (!nativeName)
        return FolderItem();
    return Inside(*nativeName);
}

FolderItem FolderItem::Inside(const std::string& nativeName) const
{
    FolderItem item;
    item.m_path = std::make_shared<const fs::path>(*m_path / nativeName);
    return item;
}

bool FolderItem::Exists() const
{
    requireNotNil("Exists");
    struct stat st;
    return ::lstat(m_path->c_str(), &st) == 0;
}

bool FolderItem::Directory() const
{
    requireNotNil("Directory");
    if (const std::optional<bool> known = FolderListing::KnownFolder(*m_path))
        return *known;
    struct stat st;
    return ::stat(m_path->c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool FolderItem::CreateAsFolder() const
{
    requireNotNil("CreateAsFolder");
    if (Directory())
        return true;
    if (InjectedFileFault(FileOp::CreateFolder, *m_path) != 0)
        return false;
    FolderListing::Change change(m_path->parent_path());
    const bool made = ::mkdir(m_path->c_str(), 0777) == 0;
    change.Update(m_path->filename().native());
    return made || Directory();
}

int FolderItem::Count() const
{
    requireNotNil("Count");
    return FolderListing::Count(*m_path);
}

FolderItem FolderItem::Item(int index) const
{
    requireNotNil("Item");
    const std::optional<std::string> name = FolderListing::Item(*m_path, index);
    return name ? Inside(*name) : FolderItem();
}

QString FolderItem::Name() const
{
    requireNotNil("Name");
    return ColonPath::ItemName(*m_path);
}

FolderItem FolderItem::Parent() const
{
    requireNotNil("Parent");
    if (*m_path == m_path->root_path())
        return FolderItem();
    return FolderItem(m_path->parent_path());
}

QString FolderItem::AbsolutePath() const
{
    requireNotNil("AbsolutePath");
    return ColonPath::FromNative(*m_path);
}

FileResult FolderItem::CopyFileTo(const FolderItem& folder) const
{
    requireNotNil("CopyFileTo");
    if (folder.IsNil())
        return FileResult::failure(QStringLiteral("Cannot copy %1: there is no folder to copy it to")
                                       .arg(FileSupport::Quoted(*m_path)));
    return FileCopy::CopyInto(*m_path, *folder.m_path);
}

FileResult FolderItem::Delete() const
{
    requireNotNil("Delete");
    const int error = removeItem(*m_path);
    if (error == 0)
        return FileResult::success();
    return FileResult::failure(QStringLiteral("Cannot delete %1: %2")
                                   .arg(FileSupport::Quoted(*m_path), FileSupport::Reason(error)));
}

bool operator==(const FolderItem& a, const FolderItem& b)
{
    if (a.IsNil() || b.IsNil())
        return a.IsNil() && b.IsNil();
    return *a.m_path == *b.m_path;
}

bool FolderItem::IsAlias() const
{
    requireNotNil("IsAlias");
    std::error_code ec;
    return fs::is_symlink(*m_path, ec);
}

FolderItem FolderItem::RealItem() const
{
    requireNotNil("RealItem");
    std::error_code ec;
    fs::path real = fs::weakly_canonical(*m_path, ec);
    if (ec)
        return {};
    if (!real.has_filename() && real.has_relative_path())   // a trailing separator
        real = real.parent_path();
    return FolderItem(real);
}
