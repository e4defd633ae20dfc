#pragma once
// Text files of the install log and pref.txt. Reading accepts LF, CR and CRLF
// line ends (logs written on older Macs end lines with CR); writing is UTF-8
// with LF.
#include "FolderItem.h"
#include <QString>

class TextInputStream {
public:
    virtual ~TextInputStream() = default;
    virtual QString ReadLine() = 0;   // next line without its terminator; "" at end
    // EOF in the framework's terms; named Eof here since EOF is a C macro.
    virtual bool Eof() const = 0;     // true once the last line has been read
    virtual void Close() = 0;
};

class TextOutputStream {
public:
    virtual ~TextOutputStream() = default;   // without a successful Close, nothing is replaced
    virtual void WriteLine(const QString& text) = 0;
    // Puts the written text in place of the old file. Fails, leaving the old
    // file as it was, when any write or the final replace failed.
    virtual FileResult Close() = 0;
};
