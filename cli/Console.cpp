#include "Console.h"

#include <QtGlobal>

#include <cstdio>

#ifdef Q_OS_WIN
#include <io.h>
#define isatty _isatty
#define STDERR_FILENO 2
#else
#include <unistd.h>
#endif

namespace {

bool progressShown = false;

void write(FILE *stream, const QByteArray &bytes)
{
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

} // namespace

void Console::out(const QString &line)
{
    write(stdout, line.toUtf8() + '\n');
}

void Console::outBytes(const QByteArray &bytes)
{
    write(stdout, bytes);
}

void Console::err(const QString &line)
{
    endProgress();
    write(stderr, line.toUtf8() + '\n');
}

void Console::progress(const QString &text)
{
    if (!errorIsTerminal()) {
        write(stderr, text.toUtf8() + '\n');
        return;
    }
    // Clear to the end of the line: the new text may be shorter.
    write(stderr, "\r" + text.toUtf8() + "\033[K");
    progressShown = true;
}

void Console::endProgress()
{
    if (!progressShown)
        return;
    progressShown = false;
    write(stderr, "\n");
}

bool Console::errorIsTerminal()
{
    return isatty(STDERR_FILENO) == 1;
}
