#pragma once
// A reference to a file or folder that may not exist yet, or to nothing (nil).
//
// Contract the engine and the wizard rely on:
// - A default-constructed FolderItem is nil. Every operation on a nil item
//   throws NilObjectException, never undefined behaviour; IsNil() and the
//   bool conversion are the only safe questions to ask of a nil item.
// - Count()/Item(i) list a folder's direct items sorted by name, counting from
//   1. The listing follows changes made since (once item 1 is deleted, the next
//   item is item 1), yet walking 20,000 items one Item() call at a time stays
//   linear: the listing is kept per folder and updated, not re-read per call.
// - Paths are the colon form: volume name first, ":" between names, a folder's
//   path ending in ":". A ":" inside a name is written "/". GetFolderItem of an
//   item's AbsolutePath gives that item back.
// - Copy and delete report whether they succeeded, with the file and the
//   system's reason when they did not; callers decide what to do with it.
#include <QString>
#include <filesystem>
#include <memory>
#include <stdexcept>

class TextInputStream;
class TextOutputStream;

class NilObjectException : public std::runtime_error {
public:
    explicit NilObjectException(const std::string& what) : std::runtime_error(what) {}
};

// Outcome of a file operation; message names the file and the system's reason.
struct FileResult {
    bool ok = true;
    QString message;
    explicit operator bool() const { return ok; }
    static FileResult success() { return {}; }
    static FileResult failure(QString why) { return {false, std::move(why)}; }
};

class FolderItem {
public:
    FolderItem() = default;                               // nil
    explicit FolderItem(std::filesystem::path nativePath);

    bool IsNil() const { return !m_path; }
    explicit operator bool() const { return !IsNil(); }

    // The named item inside this folder, also when it does not exist. A "/"
    // in the name stands for ":" (the Mac convention). "", "." and ".." name
    // no item and give nil, so a name can never lead outside the folder.
    FolderItem Child(const QString& name) const;
    bool Exists() const;
    bool Directory() const;                              // exists and is a folder
    // Creates this folder; its parent must exist. True when it exists afterwards.
    bool CreateAsFolder() const;
    int Count() const;                                   // 0 for a file or a missing item
    FolderItem Item(int index) const;                    // 1..Count(); nil outside
    QString Name() const;
    FolderItem Parent() const;                           // nil above the file system root
    QString AbsolutePath() const;                        // colon form
    // Copies this item, with all its content when it is a folder, into the
    // given folder under its own name. A file replaces a file of that name,
    // byte for byte with its permission bits and modification time; a folder
    // is merged into a folder of that name.
    FileResult CopyFileTo(const FolderItem& folder) const;
    // Deletes a file or an empty folder; an item that no longer exists is left
    // alone and counts as deleted.
    FileResult Delete() const;
    // nullptr when the file cannot be opened.
    std::unique_ptr<TextInputStream> OpenAsTextFile() const;
    // A new text file replacing any file of this name. Nothing on disk changes
    // until the stream's Close() succeeds: the text goes to a file beside it
    // that then replaces the old one, so a failed write leaves the old file
    // whole. nullptr when the file cannot be created.
    std::unique_ptr<TextOutputStream> CreateTextFile() const;

    // A symbolic link (an alias); such an item is never walked into.
    bool IsAlias() const;
    // The same place with links and ".." resolved (as far as it exists);
    // nil when it cannot be worked out. Safety checks compare these.
    FolderItem RealItem() const;

    const std::filesystem::path& NativePath() const;     // throws on nil

    friend bool operator==(const FolderItem& a, const FolderItem& b);

private:
    void requireNotNil(const char* operation) const;
    // The item of that name in this folder, for a name that is one component
    // (never "", "." or ".."): the path stays normal with no work to make it so.
    FolderItem Inside(const std::string& nativeName) const;
    std::shared_ptr<const std::filesystem::path> m_path;
};
