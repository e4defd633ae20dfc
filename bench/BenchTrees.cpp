#include "BenchTrees.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <map>
#include <stdexcept>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kChunk = 1 << 20;

[[noreturn]] void fail(const std::string& what, const fs::path& file)
{
    throw std::runtime_error(what + " " + file.string() + ": " + std::strerror(errno));
}

// Fills buf with bytes that depend on seed, cheaply (xorshift64).
void fill(std::vector<char>& buf, std::uint64_t seed)
{
    std::uint64_t x = seed * 0x9E3779B97F4A7C15ull + 1;
    for (std::size_t i = 0; i + 8 <= buf.size(); i += 8) {
        x ^= x << 13;
        x ^= x >> 7;
        x ^= x << 17;
        std::memcpy(buf.data() + i, &x, 8);
    }
}

void writeFile(const fs::path& file, std::uint64_t bytes, std::uint64_t seed, std::vector<char>& buf)
{
    int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        fail("cannot create", file);
    std::uint64_t left = bytes;
    std::uint64_t chunkNo = 0;
    while (left > 0) {
        fill(buf, seed * 4096 + chunkNo++);
        std::size_t n = std::size_t(std::min<std::uint64_t>(left, buf.size()));
        if (::write(fd, buf.data(), n) != ssize_t(n)) {
            ::close(fd);
            fail("cannot write", file);
        }
        left -= n;
    }
    if (::close(fd) != 0)
        fail("cannot close", file);
}

std::string fileName(int index)
{
    char name[32];
    std::snprintf(name, sizeof name, "file%05d.dat", index);
    return name;
}

// Relative path -> size for files, -1 for folders.
std::map<std::string, std::int64_t> listing(const fs::path& root)
{
    std::map<std::string, std::int64_t> items;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        std::string rel = fs::relative(entry.path(), root).string();
        items[rel] = entry.is_directory() ? -1 : std::int64_t(entry.file_size());
    }
    return items;
}

bool sameBytes(const fs::path& a, const fs::path& b, std::vector<char>& bufA, std::vector<char>& bufB)
{
    int fa = ::open(a.c_str(), O_RDONLY | O_CLOEXEC);
    int fb = ::open(b.c_str(), O_RDONLY | O_CLOEXEC);
    bool same = fa >= 0 && fb >= 0;
    while (same) {
        ssize_t na = ::read(fa, bufA.data(), bufA.size());
        ssize_t nb = ::read(fb, bufB.data(), bufB.size());
        same = na == nb && na >= 0 && std::memcmp(bufA.data(), bufB.data(), std::size_t(std::max<ssize_t>(na, 0))) == 0;
        if (na <= 0)
            break;
    }
    if (fa >= 0)
        ::close(fa);
    if (fb >= 0)
        ::close(fb);
    return same;
}

} // namespace

void MakeTree(const fs::path& root, const TreeShape& shape)
{
    std::vector<char> buf(std::min<std::uint64_t>(kChunk, shape.fileBytes));
    fs::create_directory(root);
    int fileNo = 0;
    if (shape.folders == 0) {
        for (int i = 0; i < shape.filesPerFolder; ++i)
            writeFile(root / fileName(i), shape.fileBytes, std::uint64_t(++fileNo), buf);
        return;
    }
    for (int f = 0; f < shape.folders; ++f) {
        char name[32];
        std::snprintf(name, sizeof name, "folder%03d", f);
        fs::path sub = root / name / "content";
        fs::create_directories(sub);
        for (int i = 0; i < shape.filesPerFolder; ++i)
            writeFile(sub / fileName(i), shape.fileBytes, std::uint64_t(++fileNo), buf);
    }
}

std::string CompareTrees(const fs::path& expected, const fs::path& actual)
{
    if (!fs::is_directory(actual))
        return actual.string() + " is not a folder";
    auto want = listing(expected);
    auto got = listing(actual);
    for (const auto& [rel, size] : want) {
        auto it = got.find(rel);
        if (it == got.end())
            return rel + " is missing from the copy";
        if (it->second != size)
            return rel + " has the wrong size or kind in the copy";
    }
    for (const auto& [rel, size] : got) {
        if (!want.count(rel))
            return rel + " is in the copy but not in the source";
    }
    std::vector<char> bufA(kChunk), bufB(kChunk);
    for (const auto& [rel, size] : want) {
        if (size >= 0 && !sameBytes(expected / rel, actual / rel, bufA, bufB))
            return rel + " differs from its source";
    }
    return {};
}

void ReadTree(const fs::path& root)
{
    std::vector<char> buf(kChunk);
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (!entry.is_regular_file())
            continue;
        int fd = ::open(entry.path().c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            fail("cannot open", entry.path());
        while (::read(fd, buf.data(), buf.size()) > 0) {
        }
        ::close(fd);
    }
}
