#include "Sandbox.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <unistd.h>
#include <vector>
#include <algorithm>

namespace fs = std::filesystem;

Sandbox::Sandbox()
{
    std::string pattern = (fs::temp_directory_path() / "lumora-test-XXXXXX").string();
    std::vector<char> buf(pattern.begin(), pattern.end());
    buf.push_back('\0');
    if (!mkdtemp(buf.data()))
        throw std::runtime_error("cannot make a temporary folder");
    root = fs::path(buf.data());
    volume = root / "MacHD";
    home = root / "home";
    media = root / "media";
    fs::create_directories(volume);
    fs::create_directories(home);
    fs::create_directories(media);

    const char* names[3] = {"LUMORA_VOLUME", "HOME", "LUMORA_MEDIA"};
    const fs::path* values[3] = {&volume, &home, &media};
    for (int i = 0; i < 3; ++i) {
        const char* old = std::getenv(names[i]);
        m_saved[i] = {names[i], old != nullptr, old ? old : ""};
        setenv(names[i], values[i]->c_str(), 1);
    }
}

Sandbox::~Sandbox()
{
    for (const Saved& s : m_saved) {
        if (s.had)
            setenv(s.name, s.value.c_str(), 1);
        else
            unsetenv(s.name);
    }
    std::error_code ec;
    // Make everything writable again so a test that removed permissions
    // does not leave its folder behind.
    for (auto it = fs::recursive_directory_iterator(root, fs::directory_options::skip_permission_denied, ec);
         !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
        fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
    }
    fs::permissions(root, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(root, ec);
}

void Sandbox::WriteFile(const fs::path& file, const std::string& content)
{
    fs::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << content;
    if (!out)
        throw std::runtime_error("cannot write " + file.string());
}

std::string Sandbox::ReadFile(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string Sandbox::Tree(const fs::path& dir)
{
    std::vector<std::string> entries;
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(dir, ec); !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
        std::string rel = fs::relative(it->path(), dir).generic_string();
        if (it->is_directory())
            rel += "/";
        entries.push_back(rel);
    }
    std::sort(entries.begin(), entries.end());
    std::string out;
    for (const auto& e : entries)
        out += e + "\n";
    return out;
}

void Sandbox::MakeCD()
{
    const fs::path cd = media / "Lumora";
    WriteFile(cd / "Themes" / "Lumora Blue.kth", "theme blue\n");
    WriteFile(cd / "Themes" / "Lumora Green.kth", "theme green\n");
    WriteFile(cd / "Themes" / "Extras" / "Lumora Grey.kth", "theme grey\n");
    WriteFile(cd / "Backgrounds" / "Dawn.jpg", "jpg dawn");
    WriteFile(cd / "Backgrounds" / "Dusk.jpg", "jpg dusk");
    WriteFile(cd / "Backgrounds" / "Noon.jpg", "jpg noon");
    WriteFile(cd / "PPA" / "Lumora Toolbar.ppa", "add-in");
    WriteFile(cd / "PPA" / "Lumora Toolbar Resources" / "icons.dat", "icons");
    WriteFile(cd / "Templates" / "Lumora Report.pot", "pot report");
    WriteFile(cd / "Templates" / "Lumora Pitch.pot", "pot pitch");
    WriteFile(cd / "KeynoteTemplates" / "Lumora Report.key", "key report");
    WriteFile(cd / "KeynoteTemplates" / "Lumora Pitch.key", "key pitch");
    WriteFile(cd / "LumoraFonts" / "Lumora Sans.ttf", "ttf sans");
    WriteFile(cd / "LumoraFonts" / "Lumora Serif.ttf", "ttf serif");
    WriteFile(cd / "LumoraWebUpdater" / "Lumora Web Updater.app", "updater");
}
