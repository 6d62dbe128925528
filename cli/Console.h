#pragma once

#include <QByteArray>
#include <QString>

// Standard output carries results only; messages and progress go to standard
// error. Both are written as UTF-8 whatever the locale, and flushed at once so
// that a script reading a pipe sees each line when it is complete.
class Console
{
public:
    Console() = delete;

    static void out(const QString &line);
    static void outBytes(const QByteArray &bytes);
    static void err(const QString &line);
    // Progress that replaces itself on a terminal; a line of its own elsewhere.
    static void progress(const QString &text);
    static void endProgress();
    [[nodiscard]] static bool errorIsTerminal();
};
