#pragma once
// A fresh temporary folder standing for one machine: volume/ (the system
// volume, named "MacHD" in colon paths), home/ (the user's home) and media/
// (the folder holding the CD's "Lumora" folder). LUMORA_VOLUME, HOME and
// LUMORA_MEDIA point at them while the Sandbox lives, and are restored after.
#include <QString>
#include <filesystem>
#include <string>

class Sandbox {
public:
    Sandbox();
    ~Sandbox();
    Sandbox(const Sandbox&) = delete;
    Sandbox& operator=(const Sandbox&) = delete;

    std::filesystem::path root;     // the temporary folder itself
    std::filesystem::path volume;   // root/MacHD
    std::filesystem::path home;     // root/home
    std::filesystem::path media;    // root/media (the installer folder)

    // Writes a file, creating its folders.
    static void WriteFile(const std::filesystem::path& file, const std::string& content);
    static std::string ReadFile(const std::filesystem::path& file);
    // Relative paths of every file and folder below dir ("a/", "a/b.txt"), sorted.
    static std::string Tree(const std::filesystem::path& dir);

    // A small CD in media/Lumora with the seven content folders:
    // Themes (2 files + a folder with 1), Backgrounds (3), PPA (a folder
    // holding 1 file, and 1 file), Templates (2), KeynoteTemplates (2),
    // LumoraFonts (2), LumoraWebUpdater (a folder with 1 file).
    void MakeCD();
    std::filesystem::path cd() const { return media / "Lumora"; }

private:
    struct Saved { const char* name; bool had; std::string value; };
    Saved m_saved[3];
};
