#pragma once
// Copying an item into a folder, for FolderItem::CopyFileTo.
//
// A file is written under a temporary name and renamed over a file of the same
// name only once it is complete, so a failed copy leaves the old file whole;
// a new file that fails half-way is removed. A folder is merged into a folder
// of the same name; one it creates gets the source's permission bits (kept
// writable by its owner, so content copied from a locked CD can be replaced
// and removed later) and modification time once its content is in. Symbolic
// links are copied as links, which keeps a link to a parent from looping.
// The first failure ends the copy and is reported with the file and reason.
#include "FolderItem.h"

#include <filesystem>

namespace FileCopy {

FileResult CopyInto(const std::filesystem::path& source, const std::filesystem::path& folder);

} // namespace FileCopy
