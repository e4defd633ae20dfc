// Developer tool: draws each of the wizard's ten pages to <outdir>/page-<n>.png
// (default outdir: "pages"), to look at the layout without a screen.
//
// Usage: QT_QPA_PLATFORM=offscreen render-pages [outdir]
//
// Each page is put in front the way the page panel shows it, without its
// entry actions: those would examine the CD and install. The heading, step
// markers and buttons therefore show the Welcome page's state on every page.
// The volume, home and CD folders point at a throwaway folder, so nothing of
// the machine is read or written besides the PNGs.
#include "mainWindow.h"
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPixmap>
#include <QTemporaryDir>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace {

bool PointEnvironmentAt(const QTemporaryDir& sandbox)
{
    const std::pair<const char*, const char*> folders[] = {
        {"LUMORA_VOLUME", "MacHD"}, {"HOME", "home"}, {"LUMORA_MEDIA", "media"}};
    for (const auto& [variable, folder] : folders) {
        const QString path = sandbox.filePath(folder);
        if (!QDir().mkpath(path)) {
            std::fprintf(stderr, "render-pages: cannot create the sandbox folder %s\n", qPrintable(path));
            return false;
        }
        setenv(variable, QFile::encodeName(path).constData(), 1);
    }
    return true;
}

bool RenderPage(mainWindow& w, int page, const QDir& out)
{
    auto change = std::exchange(w.Pages->Change, nullptr);
    w.Pages->SetValue(page);
    w.Pages->Change = std::move(change);
    QApplication::processEvents();

    const QString file = out.filePath(QStringLiteral("page-%1.png").arg(page));
    if (!w.ContainerWidget()->grab().save(file, "PNG")) {
        std::fprintf(stderr, "render-pages: cannot write %s: the PNG could not be encoded or the file opened\n",
                     qPrintable(file));
        return false;
    }
    std::printf("%s\n", qPrintable(file));
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);

    const QString outdir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("pages");
    if (!QDir().mkpath(outdir)) {
        std::fprintf(stderr, "render-pages: cannot create the output folder %s\n", qPrintable(outdir));
        return 1;
    }
    QTemporaryDir sandbox;
    if (!sandbox.isValid()) {
        std::fprintf(stderr, "render-pages: cannot create a temporary folder: %s\n",
                     qPrintable(sandbox.errorString()));
        return 1;
    }
    if (!PointEnvironmentAt(sandbox))
        return 1;

    mainWindow& w = mainWindow::instance();
    bool ok = true;
    for (int page = 0; page < w.Pages->PageCount(); ++page)
        ok = RenderPage(w, page, QDir(outdir)) && ok;
    w.Close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return ok ? 0 : 1;
}
