// The shared install state starts false and nil, and Reset brings it back.
#include "Global.h"
#include "Sandbox.h"

#include <gtest/gtest.h>

namespace {

struct Property {
    const char* name;
    FolderItem* item;
};

const Property kFolders[] = {
    {"osVolume", &Global::osVolume},
    {"cdThemeFolder", &Global::cdThemeFolder},
    {"cdBgFolder", &Global::cdBgFolder},
    {"bgInstallFolder", &Global::bgInstallFolder},
    {"LmBackgroundPath", &Global::LmBackgroundPath},
    {"LMTemplatePath", &Global::LMTemplatePath},
    {"alternatLoc", &Global::alternatLoc},
    {"ppaFolder", &Global::ppaFolder},
    {"cdPPA", &Global::cdPPA},
    {"cdLmTemplatePath", &Global::cdLmTemplatePath},
    {"cdLMBackgroundPath", &Global::cdLMBackgroundPath},
    {"cdKeynoteTemplates", &Global::cdKeynoteTemplates},
    {"cdLMFonts", &Global::cdLMFonts},
    {"cdLMWebUpdater", &Global::cdLMWebUpdater},
    {"themeInstalledFolder", &Global::themeInstalledFolder},
    {"bgInstalledFolder", &Global::bgInstalledFolder},
    {"themeInstallFolder", &Global::themeInstallFolder},
};

void ExpectStartState()
{
    EXPECT_FALSE(Global::themeInstalled);
    EXPECT_FALSE(Global::bgInstalled);
    for (const Property& p : kFolders)
        EXPECT_TRUE(p.item->IsNil()) << p.name;
}

TEST(Global, StartsFalseAndNil)
{
    ExpectStartState();
}

TEST(Global, ResetClearsEveryProperty)
{
    Sandbox box;
    Global::themeInstalled = true;
    Global::bgInstalled = true;
    for (const Property& p : kFolders)
        *p.item = FolderItem(box.volume);
    Global::Reset();
    ExpectStartState();
}

} // namespace
