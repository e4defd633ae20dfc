// The unattended mode, run as the built program in a process of its own on a
// sandbox machine: what it prints, its exit status and what it leaves on disk.
#include "Sandbox.h"

#include <QByteArray>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <ostream>
#include <vector>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace {

struct Outcome {
    int status = -1;
    QString out;
    QString err;
};

// The texts appear in this order in output, each after the one before.
::testing::AssertionResult InOrder(const QString& output, const QStringList& texts)
{
    qsizetype from = 0;
    for (const QString& text : texts) {
        const qsizetype at = output.indexOf(text, from);
        if (at < 0)
            return ::testing::AssertionFailure()
                << "\"" << text.toStdString() << "\" missing (in order) from:\n" << output.toStdString();
        from = at + text.size();
    }
    return ::testing::AssertionSuccess();
}

// One machine: a sandbox whose system volume has its Library and
// Preferences folders, and the program run on it.
class Machine {
public:
    Machine() { fs::create_directories(sandbox.volume / "Library" / "Preferences"); }

    // Runs lumora-installer with the sandbox's volume, home and CD, and
    // without any display or platform choice: the unattended mode must
    // need none.
    Outcome RunInstaller(const QStringList& arguments)
    {
        const char* bin = std::getenv("LUMORA_BUILD_BIN");
        if (!bin) {
            ADD_FAILURE() << "LUMORA_BUILD_BIN is not set (CTest sets it)";
            return {};
        }
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
            env.remove(QString::fromLatin1(name));
        env.insert("LUMORA_VOLUME", Path(sandbox.volume));
        env.insert("HOME", Path(sandbox.home));
        env.insert("LUMORA_MEDIA", Path(sandbox.media));
        QProcess process;
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(QString::fromStdString(sandbox.root.string()));
        process.start(QString::fromLocal8Bit(bin) + QStringLiteral("/lumora-installer"), arguments);
        // A guard against a run that waits for a person, not a time limit
        // on the installation.
        if (!process.waitForFinished(120000)) {
            process.kill();
            process.waitForFinished();
            ADD_FAILURE() << "lumora-installer did not end: " << arguments.join(' ').toStdString();
        }
        Outcome outcome;
        outcome.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        outcome.out = QString::fromUtf8(process.readAllStandardOutput());
        outcome.err = QString::fromUtf8(process.readAllStandardError());
        return outcome;
    }

    // The same on a terminal: stdout and stderr are a pseudo-terminal, whose
    // text (with its "\r\n" line ends) comes back as one string.
    Outcome RunInstallerOnTerminal(const QStringList& arguments)
    {
        const QByteArray program = qgetenv("LUMORA_BUILD_BIN") + "/lumora-installer";
        std::vector<QByteArray> args{program};
        for (const QString& argument : arguments)
            args.push_back(argument.toLocal8Bit());
        std::vector<char*> argv;
        for (QByteArray& a : args)
            argv.push_back(a.data());
        argv.push_back(nullptr);

        int master = -1;
        const pid_t pid = forkpty(&master, nullptr, nullptr, nullptr);
        if (pid < 0) {
            ADD_FAILURE() << "forkpty failed";
            return {};
        }
        if (pid == 0) {
            setenv("LUMORA_VOLUME", sandbox.volume.c_str(), 1);
            setenv("HOME", sandbox.home.c_str(), 1);
            setenv("LUMORA_MEDIA", sandbox.media.c_str(), 1);
            unsetenv("QT_QPA_PLATFORM");
            unsetenv("DISPLAY");
            unsetenv("WAYLAND_DISPLAY");
            if (chdir(sandbox.root.c_str()) == 0)
                execv(argv[0], argv.data());
            _exit(127);
        }
        QByteArray text;
        char buffer[4096];
        for (;;) {
            pollfd fd{master, POLLIN, 0};
            if (poll(&fd, 1, 120000) <= 0) {   // a guard against a run that waits
                kill(pid, SIGKILL);
                ADD_FAILURE() << "lumora-installer did not end on the terminal";
                break;
            }
            const ssize_t n = read(master, buffer, sizeof buffer);
            if (n <= 0)
                break;   // EIO once the program and its terminal are gone
            text.append(buffer, n);
        }
        close(master);
        int wstatus = 0;
        waitpid(pid, &wstatus, 0);
        Outcome outcome;
        outcome.status = WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : -1;
        outcome.out = QString::fromUtf8(text);
        return outcome;
    }

    // An Office folder as the Office location chooser expects it.
    fs::path MakeOffice()
    {
        const fs::path office = sandbox.root / "Microsoft Office 2004";
        fs::create_directories(office / "Office" / "StartUp" / "Powerpoint");
        return office;
    }

    static QString Path(const fs::path& path) { return QString::fromStdString(path.string()); }

    fs::path Lumora() const { return sandbox.volume / "Applications" / "Lumora"; }

    Sandbox sandbox;
};

class UnattendedRun : public ::testing::Test, protected Machine {};

TEST_F(UnattendedRun, KeynoteInstallsEverythingTheCDOffersIntoTheDefaultPlaces)
{
    sandbox.MakeCD();
    const Outcome run = RunInstaller({"--unattended", "keynote"});

    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(InOrder(run.out, {"Welcome to the Lumora™ Installer\n",
                                  "What presentation software do you use?\n",
                                  "Select Install/Uninstall Type\n",
                                  "  [x] Install Themes\n",
                                  "  [x] Install Backgrounds\n",
                                  "  [x] Install Templates\n",
                                  "  [x] Install Fonts\n",
                                  "Destination\n",
                                  "Installation in Progress\n",
                                  "  Installing Lumora Themes  100%  3 of 3 files\n",
                                  "  Installing Brenwick Backgrounds...  100%  3 of 3 files\n",
                                  "  Installing Keynote Templates  100%  2 of 2 files\n",
                                  "  Installing Lumora Fonts  100%  2 of 2 files\n",
                                  "Installation Successful\n",
                                  "Click Finish button to complete Installation. \n",
                                  "Lumora KeyNote® Themes will be present next time you open Keynote.\n"
                                  "Lumora Backgrounds are installed to \n"}));
    EXPECT_FALSE(run.out.contains('\r')) << "plain lines when the output is not a terminal";
    EXPECT_FALSE(run.err.contains("lumora-installer:")) << run.err.toStdString();

    const fs::path themes = sandbox.volume / "Library" / "Application Support" / "Keynote" / "Themes" / "Lumora";
    EXPECT_EQ(Sandbox::Tree(themes), Sandbox::Tree(sandbox.cd() / "Themes"));
    EXPECT_EQ(Sandbox::Tree(Lumora() / "Backgrounds"), Sandbox::Tree(sandbox.cd() / "Backgrounds"));
    EXPECT_EQ(Sandbox::Tree(Lumora() / "KeynoteTemplates"), Sandbox::Tree(sandbox.cd() / "KeynoteTemplates"));
    EXPECT_EQ(Sandbox::Tree(Lumora() / "LumoraFonts"), Sandbox::Tree(sandbox.cd() / "LumoraFonts"));
    const std::string log = Sandbox::ReadFile(sandbox.home / "Library" / "Preferences" / "Brenwick" / "ThemeInstallLog.log");
    EXPECT_NE(log.find("Themes=yes"), std::string::npos) << log;
    EXPECT_NE(log.find("Backgrounds=yes"), std::string::npos) << log;
}

TEST_F(UnattendedRun, PowerPointCopiesTheAddInIntoTheOfficeFolderAndInstallsTheRest)
{
    sandbox.MakeCD();
    const fs::path office = MakeOffice();
    const Outcome run = RunInstaller({"--unattended", "powerpoint", "--office", Path(office)});

    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(InOrder(run.out, {"Welcome to the Lumora™ Installer\n",
                                  "What presentation software do you use?\n",
                                  "Lumora\n",
                                  "Choose your Microsoft Office location\n",
                                  "Installation in Progress\n",
                                  "Installation completed sucessfully\n",
                                  "Lumora Toolbar will be available the next time you open PowerPoint®\n"}));
    EXPECT_FALSE(run.err.contains("lumora-installer:")) << run.err.toStdString();
    // One finished line per copying step, backgrounds, templates and fonts;
    // the web updater's copy moves no bar and makes none.
    QStringList finished;
    for (const QString& line : run.out.split('\n'))
        if (line.startsWith("  Installing") && line.contains("100%"))
            finished << line;
    EXPECT_EQ(finished, QStringList({"  Installing PowerPoint content  100%  3 of 3 files",
                                     "  Installing PowerPoint content  100%  2 of 2 files",
                                     "  Installing PowerPoint content  100%  2 of 2 files"}));

    EXPECT_EQ(Sandbox::Tree(office / "Office" / "StartUp" / "Powerpoint"), Sandbox::Tree(sandbox.cd() / "PPA"));
    EXPECT_EQ(Sandbox::Tree(Lumora() / "Backgrounds"), Sandbox::Tree(sandbox.cd() / "Backgrounds"));
    EXPECT_EQ(Sandbox::Tree(Lumora() / "Templates"), Sandbox::Tree(sandbox.cd() / "Templates"));
    EXPECT_EQ(Sandbox::Tree(Lumora() / "LumoraFonts"), Sandbox::Tree(sandbox.cd() / "LumoraFonts"));
    EXPECT_EQ(Sandbox::Tree(Lumora() / "LumoraWebUpdater"), Sandbox::Tree(sandbox.cd() / "LumoraWebUpdater"));
    EXPECT_TRUE(fs::exists(sandbox.volume / "Library" / "Preferences" / "Brenwick" / "pref.txt"));
}

TEST_F(UnattendedRun, OnATerminalEachStepIsOneLineRedrawnInPlace)
{
    sandbox.MakeCD();
    const Outcome run = RunInstallerOnTerminal({"--unattended", "keynote"});

    EXPECT_EQ(run.status, 0) << run.out.toStdString();
    EXPECT_TRUE(InOrder(run.out, {"Installation in Progress\r\n",
                                  "\r  Installing Brenwick Backgrounds...  100%  3 of 3 files\x1b[K\r\n",
                                  "Installation Successful\r\n"}));
}

// A CD without themes: the Keynote options page clears and greys out
// "Install Themes", so the default choices install the rest, as a person
// pressing Continue would, and the output says the themes were not offered.
TEST_F(UnattendedRun, ACDWithoutThemesInstallsTheRestAndSaysSo)
{
    sandbox.MakeCD();
    fs::remove_all(sandbox.cd() / "Themes");
    const Outcome run = RunInstaller({"--unattended", "keynote"});

    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(InOrder(run.out, {"Select Install/Uninstall Type\n",
                                  "  [ ] Install Themes (not offered)\n",
                                  "  [x] Install Backgrounds\n",
                                  "Installation Successful\n"}));
    EXPECT_FALSE(fs::exists(sandbox.volume / "Library" / "Application Support" / "Keynote"));
    EXPECT_EQ(Sandbox::Tree(Lumora() / "Backgrounds"), Sandbox::Tree(sandbox.cd() / "Backgrounds"));
    const std::string log = Sandbox::ReadFile(sandbox.home / "Library" / "Preferences" / "Brenwick" / "ThemeInstallLog.log");
    EXPECT_NE(log.find("Themes=no"), std::string::npos) << log;
}

// A run the wizard ends in error, or that would wait for a person (a message
// sheet, a message box, another folder chooser), prints the texts on stderr
// and ends with status 1 at once.
TEST_F(UnattendedRun, RunsThatStopEndWithStatus1AndTheirTextsOnStderr)
{
    struct Case {
        const char* name;
        std::function<QStringList(Machine&)> setUp;   // gives the arguments
        QStringList errors;
    };
    const auto keynote = [](Machine&) { return QStringList{"--unattended", "keynote"}; };
    const Case cases[] = {
        {"the volume has no Library for the themes",
         [&](Machine& t) { fs::remove_all(t.sandbox.volume / "Library"); return keynote(t); },
         {"lumora-installer: Error occured during Installation\n",
          "lumora-installer: Click Close button to exit installation. \n"}},
        {"the CD has neither themes nor backgrounds (message sheet)",
         [&](Machine& t) {
             fs::remove_all(t.sandbox.cd() / "Themes");
             fs::remove_all(t.sandbox.cd() / "Backgrounds");
             return keynote(t);
         },
         {"lumora-installer: Select items to Install.\n"}},
        {"PowerPoint: the CD has no backgrounds",
         [](Machine& t) {
             fs::remove_all(t.sandbox.cd() / "Backgrounds");
             return QStringList{"--unattended", "powerpoint", "--office", Path(t.MakeOffice())};
         },
         {"lumora-installer: Error occured during Installation\n"}},
        {"PowerPoint: no Office folder inside --office (message box)",
         [](Machine& t) {
             fs::create_directories(t.sandbox.root / "Documents");
             return QStringList{"--unattended", "powerpoint", "--office", Path(t.sandbox.root / "Documents")};
         },
         {"lumora-installer: Select Microsoft Office folder\n"}},
        {"PowerPoint: no StartUp folder (a second folder chooser)",
         [](Machine& t) {
             fs::create_directories(t.sandbox.root / "Office X" / "Office");
             return QStringList{"--unattended", "powerpoint", "--office", Path(t.sandbox.root / "Office X")};
         },
         {"lumora-installer: the installer asks for another folder after "}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Machine t;   // a machine of its own for each case
        t.sandbox.MakeCD();
        const Outcome run = t.RunInstaller(c.setUp(t));
        EXPECT_EQ(run.status, 1);
        EXPECT_TRUE(InOrder(run.err, c.errors)) << run.out.toStdString();
        EXPECT_FALSE(run.out.contains("Installation Successful")) << run.out.toStdString();
        EXPECT_FALSE(run.out.contains("Lumora Toolbar will be available")) << run.out.toStdString();
        EXPECT_FALSE(fs::exists(t.sandbox.home / "Library" / "Preferences" / "Brenwick" / "ThemeInstallLog.log"));
    }
}

// Neither a refused Office folder nor one without its start-up folder may
// receive the add-in, and nothing is installed.
TEST_F(UnattendedRun, AnOfficeFolderThatIsNotAcceptedGetsNothing)
{
    sandbox.MakeCD();
    const fs::path office = sandbox.root / "Microsoft Office X";
    fs::create_directories(office / "Office");
    const Outcome run = RunInstaller({"--unattended", "powerpoint", "--office", Path(office)});

    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(InOrder(run.out, {"Choose your Microsoft Office location\n"}));
    EXPECT_FALSE(run.out.contains("Installation in Progress")) << run.out.toStdString();
    EXPECT_EQ(Sandbox::Tree(office), "Office/\n");
    EXPECT_FALSE(fs::exists(Lumora()));
}

TEST_F(UnattendedRun, UsageErrorsGiveStatus2AndOneLineWithoutInstalling)
{
    sandbox.MakeCD();
    const fs::path office = MakeOffice();
    const fs::path file = sandbox.root / "Office.txt";
    Sandbox::WriteFile(file, "not a folder");
    struct Case {
        const char* name;
        QStringList arguments;
        const char* reason;
    };
    const Case cases[] = {
        {"unknown option", {"--unattended", "keynote", "--silent"}, "unknown option --silent"},
        {"unknown program", {"--unattended", "word"}, "unknown program \"word\""},
        {"no program", {"--unattended"}, "--unattended needs a program"},
        {"--office missing", {"--unattended", "powerpoint"}, "needs --office"},
        {"--office not a folder", {"--unattended", "powerpoint", "--office", Path(file)}, "is not a folder"},
        {"--office missing folder", {"--unattended", "powerpoint", "--office", Path(sandbox.root / "Nowhere")}, "is not a folder"},
        {"--office for Keynote", {"--unattended", "keynote", "--office", Path(office)}, "--office is only used with"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Outcome run = RunInstaller(c.arguments);
        EXPECT_EQ(run.status, 2);
        EXPECT_TRUE(run.err.startsWith("lumora-installer: ")) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(c.reason)) << run.err.toStdString();
        EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty()) << run.out.toStdString();
    }
    EXPECT_EQ(Sandbox::Tree(sandbox.volume), "Library/\nLibrary/Preferences/\n");
}

TEST_F(UnattendedRun, HelpNamesTheModesAndTheEnvironmentWithoutADisplay)
{
    const Outcome run = RunInstaller({"--help"});

    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(InOrder(run.out, {"--unattended keynote", "--unattended powerpoint", "--office DIR",
                                  "LUMORA_VOLUME", "HOME", "LUMORA_MEDIA"}))
        << run.out.toStdString();
    EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
}

} // namespace
