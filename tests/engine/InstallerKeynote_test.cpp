// Installing and removing the Keynote content, and what an uninstall refuses
// to touch.
#include "EngineTestSupport.h"
#include "Folders.h"

#include <cstdlib>
#include <functional>

namespace {

class KeynoteTest : public EngineTest {
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        box.MakeCD();
        fs::create_directories(box.volume / "Library");
        Global::osVolume = At(box.volume);
        Global::cdThemeFolder = At(box.cd() / "Themes");
        Global::cdBgFolder = At(box.cd() / "Backgrounds");
        Global::cdKeynoteTemplates = At(box.cd() / "KeynoteTemplates");
    }
    fs::path ThemesDir() const { return box.volume / "Library" / "Application Support" / "Keynote" / "Themes" / "Lumora"; }
    fs::path AppDir() const { return box.volume / "Applications" / "Lumora"; }
};

TEST_F(KeynoteTest, InstallThemesMakesTheThemeFolderAndCopies)
{
    bar.SetValue(0);
    EXPECT_TRUE(installer.InstallThemes(bar));
    EXPECT_EQ(Global::themeInstallFolder, At(ThemesDir()));
    EXPECT_EQ(bar.Maximum(), 3);
    EXPECT_EQ(bar.Value(), 3);
    EXPECT_EQ(Sandbox::Tree(ThemesDir()), Sandbox::Tree(box.cd() / "Themes"));
    EXPECT_EQ(Sandbox::ReadFile(ThemesDir() / "Extras" / "Lumora Grey.kth"), "theme grey\n");
}

TEST_F(KeynoteTest, InstallThemesWithoutThemesOnTheCdStillMakesTheFolder)
{
    fs::remove_all(box.cd() / "Themes");
    Global::cdThemeFolder = FolderItem();
    bar.SetMaximum(50);
    EXPECT_FALSE(installer.InstallThemes(bar));
    EXPECT_TRUE(fs::is_directory(ThemesDir()));
    EXPECT_EQ(Sandbox::Tree(ThemesDir()), "");
    EXPECT_EQ(Global::themeInstallFolder, At(ThemesDir()));
    EXPECT_EQ(bar.Maximum(), 50);
}

TEST_F(KeynoteTest, ReinstallOfThemesCopiesAgain)
{
    ASSERT_TRUE(installer.InstallThemes(bar));
    Sandbox::WriteFile(ThemesDir() / "Lumora Blue.kth", "damaged");
    Sandbox::WriteFile(ThemesDir() / "User Theme.kth", "the user's");
    bar.SetValue(0);
    EXPECT_TRUE(installer.InstallThemes(bar));
    EXPECT_EQ(bar.Value(), 3);
    EXPECT_EQ(Sandbox::ReadFile(ThemesDir() / "Lumora Blue.kth"), "theme blue\n");
    EXPECT_EQ(Sandbox::ReadFile(ThemesDir() / "User Theme.kth"), "the user's");
}

TEST_F(KeynoteTest, InstallThemesOnAFullDiskFails)
{
    BarRecorder copies(bar, FileOp::Write, ThemesDir(), 2, ENOSPC);
    EXPECT_FALSE(installer.InstallThemes(bar));
    EXPECT_EQ(Files(ThemesDir()), 1);
}

struct BackgroundsCase {
    const char* name;
    std::function<void(const Sandbox&)> prepare;   // sets Global::bgInstallFolder and the disk
    bool result;
    std::string tree;                              // of root/dest afterwards
    bool barMoves;
};

class InstallBackgroundsTest : public KeynoteTest, public ::testing::WithParamInterface<BackgroundsCase> {};

TEST_P(InstallBackgroundsTest, Installs)
{
    const BackgroundsCase& c = GetParam();
    fs::create_directories(box.root / "dest");
    c.prepare(box);
    bar.SetMaximum(40);
    bar.SetValue(0);
    bool result = !c.result;
    EXPECT_NO_THROW(result = installer.InstallBackgrounds(bar));
    EXPECT_EQ(result, c.result);
    EXPECT_EQ(Sandbox::Tree(box.root / "dest"), c.tree);
    EXPECT_EQ(bar.Maximum(), c.barMoves ? 3 : 40);
    EXPECT_EQ(bar.Value(), c.barMoves ? 3 : 0);
}

const std::string kAllBackgrounds = "Backgrounds/\nBackgrounds/Dawn.jpg\nBackgrounds/Dusk.jpg\nBackgrounds/Noon.jpg\n";

INSTANTIATE_TEST_SUITE_P(Destinations, InstallBackgroundsTest, ::testing::Values(
    BackgroundsCase{"EmptyFolder", [](const Sandbox& b) {
        fs::create_directories(b.root / "dest" / "Backgrounds");
        Global::bgInstallFolder = FolderItem(b.root / "dest" / "Backgrounds"); }, true, kAllBackgrounds, true},
    BackgroundsCase{"NotYetThere", [](const Sandbox& b) {
        Global::bgInstallFolder = FolderItem(b.root / "dest" / "Backgrounds"); }, true, kAllBackgrounds, true},
    BackgroundsCase{"AlternateBrenwickBackgrounds", [](const Sandbox& b) {
        Global::alternatLoc = FolderItem(b.root / "dest");
        Global::bgInstallFolder = Global::alternatLoc.Child("BrenwickBackgrounds"); }, true,
        "BrenwickBackgrounds/\nBrenwickBackgrounds/Dawn.jpg\nBrenwickBackgrounds/Dusk.jpg\nBrenwickBackgrounds/Noon.jpg\n", true},
    BackgroundsCase{"HoldsAFile", [](const Sandbox& b) {
        Sandbox::WriteFile(b.root / "dest" / "Backgrounds" / "Mine.jpg", "mine");
        Global::bgInstallFolder = FolderItem(b.root / "dest" / "Backgrounds"); }, true, "Backgrounds/\nBackgrounds/Mine.jpg\n", false},
    BackgroundsCase{"HoldsAnEmptyFolder", [](const Sandbox& b) {
        fs::create_directories(b.root / "dest" / "Backgrounds" / "Old");
        Global::bgInstallFolder = FolderItem(b.root / "dest" / "Backgrounds"); }, true, "Backgrounds/\nBackgrounds/Old/\n", false},
    BackgroundsCase{"NilDestination", [](const Sandbox&) {}, false, "", false},
    BackgroundsCase{"ParentMissing", [](const Sandbox& b) {
        Global::bgInstallFolder = FolderItem(b.root / "dest" / "gone" / "Backgrounds"); }, false, "", false},
    BackgroundsCase{"NoBackgroundsOnTheCd", [](const Sandbox& b) {
        Global::cdBgFolder = FolderItem();
        Global::bgInstallFolder = FolderItem(b.root / "dest" / "Backgrounds"); }, false, "", false},
    BackgroundsCase{"CdFolderRemoved", [](const Sandbox& b) {
        fs::remove_all(b.cd() / "Backgrounds");
        Global::bgInstallFolder = FolderItem(b.root / "dest" / "Backgrounds"); }, false, "", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(KeynoteTest, SecondInstallOfBackgroundsCopiesNothing)
{
    Global::bgInstallFolder = Folder(AppDir() / "Backgrounds");
    ASSERT_TRUE(installer.InstallBackgrounds(bar));
    Sandbox::WriteFile(AppDir() / "Backgrounds" / "Dawn.jpg", "edited");
    EXPECT_TRUE(installer.InstallBackgrounds(bar));
    EXPECT_EQ(Sandbox::ReadFile(AppDir() / "Backgrounds" / "Dawn.jpg"), "edited");
}

TEST_F(KeynoteTest, InstallBackgroundsIntoARefusingFolderFails)
{
    Global::bgInstallFolder = Folder(box.root / "dest" / "Backgrounds");
    ScopedFileFault refuse([&](FileOp op, const fs::path& target) {
        return op == FileOp::Write && IsInside(target, box.root / "dest") ? EACCES : 0;
    });
    EXPECT_FALSE(installer.InstallBackgrounds(bar));
    EXPECT_EQ(Sandbox::Tree(box.root / "dest"), "Backgrounds/\n");
}

TEST_F(KeynoteTest, InstallKeynoteTemplatesMakesTheFoldersAndCopies)
{
    bar.SetValue(0);
    EXPECT_TRUE(installer.InstallKeynoteTemplates(bar));
    EXPECT_EQ(bar.Maximum(), 2);
    EXPECT_EQ(bar.Value(), 2);
    EXPECT_EQ(Sandbox::Tree(AppDir() / "KeynoteTemplates"), "Lumora Pitch.key\nLumora Report.key\n");
    EXPECT_EQ(Sandbox::ReadFile(AppDir() / "KeynoteTemplates" / "Lumora Pitch.key"), "key pitch");
}

TEST_F(KeynoteTest, InstallKeynoteTemplatesLeavesAFilledFolderAndTheBar)
{
    Sandbox::WriteFile(AppDir() / "KeynoteTemplates" / "Old.key", "old");
    bar.SetMaximum(42);
    bar.SetValue(17);
    EXPECT_TRUE(installer.InstallKeynoteTemplates(bar));
    EXPECT_EQ(bar.Maximum(), 42);
    EXPECT_EQ(bar.Value(), 17);
    EXPECT_EQ(Sandbox::Tree(AppDir() / "KeynoteTemplates"), "Old.key\n");
}

TEST_F(KeynoteTest, InstallKeynoteTemplatesWithoutThemOnTheCdFails)
{
    Global::cdKeynoteTemplates = FolderItem();
    bool result = true;
    EXPECT_NO_THROW(result = installer.InstallKeynoteTemplates(bar));
    EXPECT_FALSE(result);
    EXPECT_TRUE(fs::is_directory(AppDir() / "KeynoteTemplates"));
}

TEST_F(KeynoteTest, InstallKeynoteTemplatesWithoutAVolumeFails)
{
    Global::osVolume = FolderItem();
    bool result = true;
    EXPECT_NO_THROW(result = installer.InstallKeynoteTemplates(bar));
    EXPECT_FALSE(result);
    EXPECT_FALSE(fs::exists(box.volume / "Applications"));
}

TEST_F(KeynoteTest, UninstallThemesRunsTheBarDownAndKeepsTheFoldersAbove)
{
    ASSERT_TRUE(installer.InstallThemes(bar));
    Global::themeInstalledFolder = Global::themeInstallFolder;
    bar.SetValue(100);
    BarRecorder steps(bar, FileOp::Delete, ThemesDir());

    EXPECT_TRUE(installer.UninstallThemes(bar));

    EXPECT_EQ(bar.Maximum(), 3);
    EXPECT_EQ(steps.values, Range(2, 0));
    EXPECT_FALSE(fs::exists(ThemesDir()));
    EXPECT_TRUE(fs::is_directory(ThemesDir().parent_path()));
}

TEST_F(KeynoteTest, UninstallBackgroundsRemovesTheRecordedFolder)
{
    Global::bgInstallFolder = Folder(AppDir() / "Backgrounds");
    ASSERT_TRUE(installer.InstallBackgrounds(bar));
    Global::bgInstalledFolder = Global::bgInstallFolder;
    bar.SetValue(100);
    BarRecorder steps(bar, FileOp::Delete, AppDir() / "Backgrounds");
    EXPECT_TRUE(installer.UninstallBackgrounds(bar));
    EXPECT_EQ(bar.Maximum(), 3);
    EXPECT_EQ(steps.values, Range(2, 0));
    EXPECT_FALSE(fs::exists(AppDir() / "Backgrounds"));
    EXPECT_TRUE(fs::is_directory(AppDir()));
}

TEST_F(KeynoteTest, UninstallBackgroundsRemovesAnAlternateBrenwickBackgrounds)
{
    Sandbox::WriteFile(box.home / "Pictures" / "BrenwickBackgrounds" / "Dawn.jpg", "jpg");
    Sandbox::WriteFile(box.home / "Pictures" / "Holiday.jpg", "mine");
    Global::bgInstalledFolder = At(box.home / "Pictures" / "BrenwickBackgrounds");
    EXPECT_TRUE(installer.UninstallBackgrounds(bar));
    EXPECT_EQ(Sandbox::Tree(box.home / "Pictures"), "Holiday.jpg\n");
}

TEST_F(KeynoteTest, UninstallWithNothingRecordedOrRemovedByHandFails)
{
    EXPECT_FALSE(installer.UninstallThemes(bar));
    EXPECT_FALSE(installer.UninstallBackgrounds(bar));
    Global::themeInstalledFolder = At(ThemesDir());
    Global::bgInstalledFolder = At(AppDir() / "Backgrounds");
    bar.SetMaximum(9);
    bar.SetValue(100);
    EXPECT_FALSE(installer.UninstallThemes(bar));
    EXPECT_FALSE(installer.UninstallBackgrounds(bar));
    EXPECT_EQ(bar.Maximum(), 9);
    EXPECT_EQ(bar.Value(), 100);
}

TEST_F(KeynoteTest, UninstallWithAnUndeletableFileRemovesTheRestAndFails)
{
    Global::bgInstallFolder = Folder(AppDir() / "Backgrounds");
    ASSERT_TRUE(installer.InstallBackgrounds(bar));
    Global::bgInstalledFolder = Global::bgInstallFolder;
    ScopedFileFault stuck([&](FileOp op, const fs::path& target) {
        return op == FileOp::Delete && target.filename() == "Dawn.jpg" ? EBUSY : 0;
    });
    EXPECT_FALSE(installer.UninstallBackgrounds(bar));
    EXPECT_EQ(Sandbox::Tree(AppDir() / "Backgrounds"), "Dawn.jpg\n");
    EXPECT_EQ(Sandbox::ReadFile(AppDir() / "Backgrounds" / "Dawn.jpg"), "jpg dawn");
}

TEST_F(KeynoteTest, UninstallKeynoteTemplatesCountsDownFromTheCallersValue)
{
    for (int i = 0; i < 10; ++i)
        Sandbox::WriteFile(AppDir() / "KeynoteTemplates" / ("T" + std::to_string(i) + ".key"), "t");
    bar.SetValue(100);
    EXPECT_TRUE(installer.uninstallKeynoteTemplates(bar));
    EXPECT_EQ(bar.Maximum(), 10);
    EXPECT_EQ(bar.Value(), 90);
    EXPECT_FALSE(fs::exists(AppDir() / "KeynoteTemplates"));
    EXPECT_TRUE(fs::is_directory(AppDir()));
}

TEST_F(KeynoteTest, UninstallKeynoteTemplatesWithoutThemFails)
{
    bar.SetMaximum(5);
    EXPECT_FALSE(installer.uninstallKeynoteTemplates(bar));
    EXPECT_EQ(bar.Maximum(), 5);
    EXPECT_FALSE(fs::exists(AppDir()));
    Global::osVolume = FolderItem();
    EXPECT_FALSE(installer.uninstallKeynoteTemplates(bar));
}

TEST_F(KeynoteTest, UninstallKeynoteTemplatesDoesNotFollowALinkAway)
{
    Sandbox::WriteFile(box.root / "elsewhere" / "Lumora" / "KeynoteTemplates" / "Precious.key", "precious");
    fs::create_directories(box.volume / "Applications");
    fs::create_directory_symlink(box.root / "elsewhere" / "Lumora", AppDir());
    EXPECT_FALSE(installer.uninstallKeynoteTemplates(bar));
    EXPECT_EQ(Sandbox::ReadFile(box.root / "elsewhere" / "Lumora" / "KeynoteTemplates" / "Precious.key"), "precious");
}

// A log is a file the user can edit: the folder it names is deleted only when
// it is shaped like the one the install made, and never when it is or holds
// the volume, the home folder or the installer.
enum class Kind { Themes, Backgrounds };

struct TamperedCase {
    const char* name;
    Kind kind;
    std::function<fs::path(Sandbox&)> recorded;   // prepares the disk; gives the folder the log names
};

class TamperedLogTest : public KeynoteTest, public ::testing::WithParamInterface<TamperedCase> {};

TEST_P(TamperedLogTest, DeletesNothing)
{
    const TamperedCase& c = GetParam();
    Sandbox::WriteFile(box.home / "Documents" / "Letter.txt", "dear");
    Sandbox::WriteFile(box.volume / "Applications" / "Lumora" / "Backgrounds" / "Dawn.jpg", "jpg");
    const FolderItem recorded = At(c.recorded(box));
    (c.kind == Kind::Themes ? Global::themeInstalledFolder : Global::bgInstalledFolder) = recorded;
    const std::string before = Sandbox::Tree(box.root);
    // Every deletion is reported and stopped, so a fault here harms nothing.
    ScopedFileFault watch([](FileOp op, const fs::path& target) {
        if (op != FileOp::Delete)
            return 0;
        ADD_FAILURE() << "tried to delete " << target;
        return EPERM;
    });
    bar.SetMaximum(7);
    bar.SetValue(100);

    const bool result = c.kind == Kind::Themes ? installer.UninstallThemes(bar) : installer.UninstallBackgrounds(bar);

    EXPECT_FALSE(result);
    EXPECT_EQ(Sandbox::Tree(box.root), before);
    EXPECT_EQ(bar.Maximum(), 7);
    EXPECT_EQ(bar.Value(), 100);
}

// Points an environment variable somewhere new; the Sandbox restores it.
fs::path Repoint(const char* variable, const fs::path& to)
{
    fs::create_directories(to);
    setenv(variable, to.c_str(), 1);
    return to;
}

INSTANTIATE_TEST_SUITE_P(Paths, TamperedLogTest, ::testing::Values(
    TamperedCase{"ThemesAtHome", Kind::Themes, [](Sandbox& b) { return b.home; }},
    TamperedCase{"ThemesAtTheVolume", Kind::Themes, [](Sandbox& b) { return b.volume; }},
    TamperedCase{"ThemesAtStuff", Kind::Themes, [](Sandbox& b) {
        Sandbox::WriteFile(b.root / "Stuff" / "x.txt", "x");
        return b.root / "Stuff"; }},
    TamperedCase{"ThemesAtTheLumoraApplicationFolder", Kind::Themes, [](Sandbox& b) { return b.volume / "Applications" / "Lumora"; }},
    TamperedCase{"ThemesAtTheLibrary", Kind::Themes, [](Sandbox& b) {
        fs::create_directories(b.volume / "Library");
        return b.volume / "Library"; }},
    TamperedCase{"ThemesAtTheInstallerFolder", Kind::Themes, [](Sandbox& b) {
        return Repoint("LUMORA_MEDIA", b.root / "Themes" / "Lumora"); }},
    TamperedCase{"ThemesLinkedToHome", Kind::Themes, [](Sandbox& b) {
        fs::create_directories(b.root / "Themes");
        fs::create_directory_symlink(b.home, b.root / "Themes" / "Lumora");
        return b.root / "Themes" / "Lumora"; }},
    TamperedCase{"ThemesThroughDotDot", Kind::Themes, [](Sandbox& b) {
        fs::create_directories(b.home / "Themes" / "Lumora");
        return b.home / "Themes" / "Lumora" / ".." / ".."; }},
    TamperedCase{"BackgroundsAtStuff", Kind::Backgrounds, [](Sandbox& b) {
        Sandbox::WriteFile(b.root / "Stuff" / "x.txt", "x");
        return b.root / "Stuff"; }},
    TamperedCase{"BackgroundsAtHome", Kind::Backgrounds, [](Sandbox& b) { return b.home; }},
    TamperedCase{"BackgroundsAtAHomeNamedBackgrounds", Kind::Backgrounds, [](Sandbox& b) {
        Sandbox::WriteFile(b.root / "Backgrounds" / "diary.txt", "mine");
        return Repoint("HOME", b.root / "Backgrounds"); }},
    TamperedCase{"BackgroundsAtTheInstallerFolder", Kind::Backgrounds, [](Sandbox& b) {
        Sandbox::WriteFile(b.root / "cd" / "Backgrounds" / "Lumora" / "x", "x");
        return Repoint("LUMORA_MEDIA", b.root / "cd" / "Backgrounds"); }},
    TamperedCase{"BackgroundsHoldingTheInstallerFolder", Kind::Backgrounds, [](Sandbox& b) {
        Sandbox::WriteFile(b.root / "Backgrounds" / "cd" / "Lumora" / "x", "x");
        Repoint("LUMORA_MEDIA", b.root / "Backgrounds" / "cd");
        return b.root / "Backgrounds"; }},
    TamperedCase{"BackgroundsHoldingTheVolume", Kind::Backgrounds, [](Sandbox& b) {
        Sandbox::WriteFile(b.root / "Backgrounds" / "MacHD" / "Library" / "x", "x");
        Global::osVolume = FolderItem(Repoint("LUMORA_VOLUME", b.root / "Backgrounds" / "MacHD"));
        return b.root / "Backgrounds"; }},
    TamperedCase{"BackgroundsLinkedToHome", Kind::Backgrounds, [](Sandbox& b) {
        fs::create_directory_symlink(b.home, b.root / "Backgrounds");
        return b.root / "Backgrounds"; }},
    TamperedCase{"BackgroundsAtTheFileSystemRoot", Kind::Backgrounds, [](Sandbox&) { return fs::path("/"); }}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
