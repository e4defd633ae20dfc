// Reading the program's arguments.
#include "CommandLine.h"
#include "FolderItem.h"

#include <filesystem>
#include <optional>

namespace {

// The value of "--name VALUE" or "--name=VALUE" at arguments[i]; i moves past
// what was used. nullopt when arguments[i] is another option; an empty
// string when the value is missing.
std::optional<QString> OptionValue(const QStringList& arguments, qsizetype& i, const QString& name)
{
    const QString& argument = arguments[i];
    if (argument.startsWith(name + QLatin1Char('=')))
        return argument.mid(name.size() + 1);
    if (argument != name)
        return std::nullopt;
    if (i + 1 < arguments.size() && !arguments[i + 1].startsWith(QLatin1Char('-')))
        return arguments[++i];
    return QString();
}

CommandLine UsageError(const QString& reason)
{
    CommandLine command;
    command.mode = CommandLine::Mode::UsageError;
    command.error = reason;
    return command;
}

} // namespace

CommandLine CommandLine::Parse(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return Parse(arguments);
}

CommandLine CommandLine::Parse(const QStringList& arguments)
{
    std::optional<QString> program;
    std::optional<QString> office;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            CommandLine help;
            help.mode = Mode::Help;
            return help;
        }
        if (auto value = OptionValue(arguments, i, QStringLiteral("--unattended"))) {
            program = *value;
            continue;
        }
        if (auto value = OptionValue(arguments, i, QStringLiteral("--office"))) {
            office = *value;
            continue;
        }
        // The process serial number the Finder passes to an application it launches.
        if (argument.startsWith(QLatin1String("-psn_")))
            continue;
        if (argument.startsWith(QLatin1Char('-')))
            return UsageError(QStringLiteral("unknown option %1").arg(argument));
        return UsageError(QStringLiteral("unexpected argument \"%1\"").arg(argument));
    }

    CommandLine command;
    if (!program) {
        if (office)
            return UsageError(QStringLiteral("--office is only used with --unattended powerpoint"));
        return command;
    }
    if (program->isEmpty())
        return UsageError(QStringLiteral("--unattended needs a program: keynote or powerpoint"));
    if (program->compare(QLatin1String("keynote"), Qt::CaseInsensitive) == 0)
        command.program = Program::Keynote;
    else if (program->compare(QLatin1String("powerpoint"), Qt::CaseInsensitive) == 0)
        command.program = Program::PowerPoint;
    else
        return UsageError(QStringLiteral("unknown program \"%1\" for --unattended (keynote or powerpoint)").arg(*program));
    command.mode = Mode::Unattended;

    if (command.program == Program::Keynote) {
        if (office)
            return UsageError(QStringLiteral("--office is only used with --unattended powerpoint"));
        return command;
    }
    if (!office || office->isEmpty())
        return UsageError(QStringLiteral("--unattended powerpoint needs --office DIR, the Microsoft Office folder"));
    std::error_code ec;
    const std::filesystem::path folder = std::filesystem::absolute(office->toStdString(), ec);
    if (ec || !FolderItem(folder).Directory())
        return UsageError(QStringLiteral("--office %1 is not a folder").arg(*office));
    command.officeFolder = QString::fromStdString(folder.lexically_normal().string());
    return command;
}

QString CommandLine::Usage()
{
    return QStringLiteral(
        "Usage: lumora-installer [--unattended keynote | --unattended powerpoint --office DIR]\n"
        "\n"
        "Installs the Lumora content from the installation CD. Without options the\n"
        "installer opens its window.\n"
        "\n"
        "  --unattended keynote      install for Keynote with no one at the screen: the\n"
        "                            wizard runs without a window, keeps its default\n"
        "                            choices (all the content the CD offers, the default\n"
        "                            locations) and presses Continue page by page\n"
        "  --unattended powerpoint   the same for PowerPoint; needs --office\n"
        "  --office DIR              the Microsoft Office folder to give the Office\n"
        "                            location chooser; the add-in goes into its\n"
        "                            Office/StartUp/Powerpoint folder\n"
        "  -h, --help                show this help\n"
        "\n"
        "An unattended run prints each page's heading, the progress of each copying\n"
        "step and the outcome. Exit status: 0 installed; 1 the installation ended in\n"
        "error, or the wizard asked something only a person can answer (the message\n"
        "is printed on stderr); 2 a usage error.\n"
        "\n"
        "Environment:\n"
        "  LUMORA_VOLUME   the folder standing for the system volume (default /)\n"
        "  HOME            the user's home folder; the install log goes into its\n"
        "                  Library/Preferences/Brenwick folder\n"
        "  LUMORA_MEDIA    the folder holding the CD's Lumora folder (default: the\n"
        "                  folder of the program)\n");
}
