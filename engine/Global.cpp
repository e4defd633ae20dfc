#include "Global.h"

namespace Global {

void Reset()
{
    themeInstalled = false;
    bgInstalled = false;
    osVolume = {};
    cdThemeFolder = {};
    cdBgFolder = {};
    bgInstallFolder = {};
    LmBackgroundPath = {};
    LMTemplatePath = {};
    alternatLoc = {};
    ppaFolder = {};
    cdPPA = {};
    cdLmTemplatePath = {};
    cdLMBackgroundPath = {};
    cdKeynoteTemplates = {};
    cdLMFonts = {};
    cdLMWebUpdater = {};
    themeInstalledFolder = {};
    bgInstalledFolder = {};
    themeInstallFolder = {};
}

}
