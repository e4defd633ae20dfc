#pragma once
// What the engine tests share: a sandboxed machine with the shared state
// cleared, a bar on no window, and a recorder of the bar's Value at each file
// the platform is about to copy or delete.
#include "Controls.h"
#include "FileFaults.h"
#include "FolderItem.h"
#include "Global.h"
#include "Installer.h"
#include "Sandbox.h"

#include <cerrno>
#include <concepts>
#include <ostream>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace fs = std::filesystem;

// True when path lies inside folder (or is it).
inline bool IsInside(const fs::path& path, const fs::path& folder)
{
    const std::string p = path.lexically_normal().string();
    const std::string f = folder.lexically_normal().string();
    return p == f || (p.size() > f.size() && p.compare(0, f.size(), f) == 0 && p[f.size()] == '/');
}

class EngineTest : public ::testing::Test {
protected:
    void SetUp() override { Global::Reset(); }
    void TearDown() override { Global::Reset(); }

    static FolderItem At(const fs::path& path) { return FolderItem(path); }
    // Makes a folder (and its parents) and gives it as a FolderItem.
    static FolderItem Folder(const fs::path& path)
    {
        fs::create_directories(path);
        return FolderItem(path);
    }
    static int Files(const fs::path& dir)
    {
        int n = 0;
        for (const auto& e : fs::recursive_directory_iterator(dir))
            n += e.is_regular_file() ? 1 : 0;
        return n;
    }

    Sandbox box;
    ProgressBar bar{nullptr, "bar", 0, 0, 100, 20};
    Installer installer;
};

// Records bar.Value() each time a file below `within` is about to be copied
// (Write) or deleted (Delete); fails the n-th such operation with `error` when
// failAt is set.
class BarRecorder {
public:
    BarRecorder(ProgressBar& bar, FileOp op, fs::path within, int failAt = 0, int error = 0)
        : m_fault([this, &bar, op, within = std::move(within), failAt, error](FileOp o, const fs::path& target) {
              if (o != op || !IsInside(target, within))
                  return 0;
              std::error_code ec;
              if (op == FileOp::Delete && fs::is_directory(fs::symlink_status(target, ec)))
                  return 0;
              values.push_back(bar.Value());
              return static_cast<int>(values.size()) == failAt ? error : 0;
          })
    {
    }
    std::vector<int> values;

private:
    ScopedFileFault m_fault;
};

inline std::vector<int> Range(int from, int to)   // from..to, either direction
{
    std::vector<int> out;
    for (int v = from;; v += (to >= from ? 1 : -1)) {
        out.push_back(v);
        if (v == to)
            break;
    }
    return out;
}

namespace {
// Table rows print by their name in failure reports (the rows are declared in
// each test file's unnamed namespace, where this is found).
template <typename Row>
    requires requires(const Row& row) { { row.name } -> std::convertible_to<const char*>; }
void PrintTo(const Row& row, std::ostream* os)
{
    *os << row.name;
}
}
