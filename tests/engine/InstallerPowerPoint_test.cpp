// Installing the PowerPoint content: backgrounds, templates, fonts and the
// web updater.
#include "EngineTestSupport.h"

#include <functional>

namespace {

class PowerPointTest : public EngineTest {
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        box.MakeCD();
        Global::osVolume = At(box.volume);
        Global::cdLMBackgroundPath = At(box.cd() / "Backgrounds");
        Global::cdLmTemplatePath = At(box.cd() / "Templates");
        Global::cdLMFonts = At(box.cd() / "LumoraFonts");
        Global::cdLMWebUpdater = At(box.cd() / "LumoraWebUpdater");
        Global::LmBackgroundPath = Folder(AppDir() / "Backgrounds");
        Global::LMTemplatePath = Folder(AppDir() / "Templates");
    }
    fs::path AppDir() const { return box.volume / "Applications" / "Lumora"; }
};

// One operation taking the bar, with the Global property it copies from.
struct Step {
    const char* name;
    bool (Installer::*run)(ProgressBar&);
    FolderItem* cd;
    const char* folder;   // below Applications:Lumora
    int files;
    bool copiesIntoAFilledFolder;
};

const Step kSteps[] = {
    {"Backgrounds", &Installer::InstallLMBackground, &Global::cdLMBackgroundPath, "Backgrounds", 3, false},
    {"Templates", &Installer::InstallLMTemplates, &Global::cdLmTemplatePath, "Templates", 2, true},
    {"Fonts", &Installer::InstallLMFonts, &Global::cdLMFonts, "LumoraFonts", 2, false},
};

class PowerPointStepTest : public PowerPointTest, public ::testing::WithParamInterface<Step> {
protected:
    bool Run() { return (installer.*GetParam().run)(bar); }
    fs::path Dest() const { return AppDir() / GetParam().folder; }
    fs::path Source() const { return GetParam().cd->NativePath(); }
};

TEST_P(PowerPointStepTest, CopiesIntoAnEmptyFolderContinuingTheBar)
{
    bar.SetValue(4);
    EXPECT_TRUE(Run());
    EXPECT_EQ(bar.Maximum(), GetParam().files);
    EXPECT_EQ(bar.Value(), 4 + GetParam().files);
    EXPECT_EQ(Sandbox::Tree(Dest()), Sandbox::Tree(Source()));
    for (const auto& e : fs::directory_iterator(Source()))
        EXPECT_EQ(Sandbox::ReadFile(Dest() / e.path().filename()), Sandbox::ReadFile(e.path()));
}

TEST_P(PowerPointStepTest, AFilledFolder)
{
    Sandbox::WriteFile(Dest() / "Mine", "mine");
    const fs::path first = fs::directory_iterator(Source())->path();
    Sandbox::WriteFile(Dest() / first.filename(), "older");
    bar.SetMaximum(30);
    bar.SetValue(4);
    EXPECT_TRUE(Run());
    EXPECT_EQ(Sandbox::ReadFile(Dest() / "Mine"), "mine");
    if (GetParam().copiesIntoAFilledFolder) {
        EXPECT_EQ(Sandbox::ReadFile(Dest() / first.filename()), Sandbox::ReadFile(first));
        EXPECT_EQ(bar.Value(), 4 + GetParam().files);
    } else {
        EXPECT_EQ(Sandbox::ReadFile(Dest() / first.filename()), "older");
        EXPECT_EQ(bar.Maximum(), 30);
        EXPECT_EQ(bar.Value(), 4);
    }
}

TEST_P(PowerPointStepTest, NothingOnTheCdFails)
{
    *GetParam().cd = FolderItem();
    bool result = true;
    EXPECT_NO_THROW(result = Run());
    EXPECT_FALSE(result);
    EXPECT_EQ(Sandbox::Tree(Dest()), "");
}

TEST_P(PowerPointStepTest, FullDiskOnTheSecondFileFails)
{
    bar.SetValue(0);
    BarRecorder copies(bar, FileOp::Write, Dest(), 2, ENOSPC);
    EXPECT_FALSE(Run());
    EXPECT_EQ(copies.values, Range(1, 2));
    EXPECT_EQ(Files(Dest()), 1);
}

TEST_P(PowerPointStepTest, ARefusingFolderFails)
{
    ScopedFileFault refuse([&](FileOp op, const fs::path& target) {
        return op == FileOp::Write && IsInside(target, AppDir()) ? EROFS : 0;
    });
    EXPECT_FALSE(Run());
    EXPECT_EQ(Files(AppDir()), 0);
}

INSTANTIATE_TEST_SUITE_P(Steps, PowerPointStepTest, ::testing::ValuesIn(kSteps),
                         [](const auto& info) { return std::string(info.param.name); });

// The chosen folders must exist: nothing is made for them.
struct MissingCase {
    const char* name;
    std::function<void(const fs::path& app)> prepare;
};

class MissingDestinationTest : public PowerPointTest, public ::testing::WithParamInterface<MissingCase> {};

TEST_P(MissingDestinationTest, BackgroundsAndTemplatesFailAndCreateNothing)
{
    GetParam().prepare(AppDir());
    const std::string before = Sandbox::Tree(box.root);
    bool background = true, templates = true;
    EXPECT_NO_THROW(background = installer.InstallLMBackground(bar));
    EXPECT_NO_THROW(templates = installer.InstallLMTemplates(bar));
    EXPECT_FALSE(background);
    EXPECT_FALSE(templates);
    EXPECT_EQ(Sandbox::Tree(box.root), before);
}

INSTANTIATE_TEST_SUITE_P(Destinations, MissingDestinationTest, ::testing::Values(
    MissingCase{"RemovedAfterTheChoice", [](const fs::path& app) { fs::remove_all(app); }},
    MissingCase{"Nil", [](const fs::path&) {
        Global::LmBackgroundPath = FolderItem();
        Global::LMTemplatePath = FolderItem(); }},
    MissingCase{"AFileNotAFolder", [](const fs::path& app) {
        fs::remove_all(app);
        Sandbox::WriteFile(app / "Backgrounds", "file");
        Sandbox::WriteFile(app / "Templates", "file"); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PowerPointTest, FontsTwiceCopyOnlyOnce)
{
    fs::remove_all(box.volume / "Applications");
    ASSERT_TRUE(installer.InstallLMFonts(bar));
    Sandbox::WriteFile(AppDir() / "LumoraFonts" / "Lumora Sans.ttf", "kept");
    bar.SetMaximum(9);
    EXPECT_TRUE(installer.InstallLMFonts(bar));
    EXPECT_EQ(bar.Maximum(), 9);
    EXPECT_EQ(Sandbox::ReadFile(AppDir() / "LumoraFonts" / "Lumora Sans.ttf"), "kept");
}

TEST_F(PowerPointTest, FontsWithoutAVolumeFail)
{
    Global::osVolume = FolderItem();
    bool result = true;
    EXPECT_NO_THROW(result = installer.InstallLMFonts(bar));
    EXPECT_FALSE(result);
}

TEST_F(PowerPointTest, WebUpdaterArrivesWhole)
{
    fs::remove_all(box.volume / "Applications");
    EXPECT_TRUE(installer.InstallLMWebUpdater());
    EXPECT_EQ(Sandbox::Tree(AppDir()), "LumoraWebUpdater/\nLumoraWebUpdater/Lumora Web Updater.app\n");
    EXPECT_EQ(Sandbox::ReadFile(AppDir() / "LumoraWebUpdater" / "Lumora Web Updater.app"), "updater");
}

TEST_F(PowerPointTest, NoWebUpdaterOnTheCdStillMakesTheFolder)
{
    fs::remove_all(box.volume / "Applications");
    for (FolderItem updater : {FolderItem(), At(box.cd() / "Nowhere")}) {
        Global::cdLMWebUpdater = updater;
        EXPECT_TRUE(installer.InstallLMWebUpdater());
        EXPECT_TRUE(fs::is_directory(AppDir()));
        EXPECT_EQ(Sandbox::Tree(AppDir()), "");
    }
}

TEST_F(PowerPointTest, WebUpdaterThatCannotBeCopiedFails)
{
    ScopedFileFault full([&](FileOp op, const fs::path& target) {
        return op != FileOp::Delete && IsInside(target, AppDir() / "LumoraWebUpdater") ? ENOSPC : 0;
    });
    EXPECT_FALSE(installer.InstallLMWebUpdater());
}

TEST_F(PowerPointTest, WebUpdaterWithoutAVolumeFails)
{
    Global::osVolume = FolderItem();
    EXPECT_FALSE(installer.InstallLMWebUpdater());
}

} // namespace
