#pragma once
// What the program was asked to do, read from its arguments before the
// framework starts: a usage error or --help must be answered on a machine
// without a display, and --unattended must choose the offscreen platform
// before the application object exists.
//
//   lumora-installer                                 the wizard window
//   lumora-installer --help | -h                     the usage
//   lumora-installer --unattended keynote
//   lumora-installer --unattended powerpoint --office DIR
//
// Options may also be written --unattended=keynote and --office=DIR; the
// program name is matched ignoring letter case. Anything else is a usage
// error, except the "-psn_..." argument that macOS's Finder may add.
#include <QString>
#include <QStringList>

struct CommandLine {
    enum class Mode { Window, Help, Unattended, UsageError };
    enum class Program { Keynote, PowerPoint };

    Mode mode = Mode::Window;
    Program program = Program::Keynote;
    QString officeFolder;   // --office, as an absolute native path
    QString error;          // the one-line reason of a usage error

    // arguments: the process's arguments without the program's own name.
    static CommandLine Parse(const QStringList& arguments);
    static CommandLine Parse(int argc, char** argv);
    static QString Usage();
};
