// tolvane-cal: see CalTool.h and docs/tolvane-cal.md.
#include "CalTool.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {

// Colour only for a terminal that takes it: standard output is a terminal, TERM names one that
// is not "dumb", and NO_COLOR is not set. 24-bit colours where COLORTERM says so.
TolvaneCal::Colour StdoutColour() {
#ifdef _WIN32
    const bool terminal = _isatty(_fileno(stdout)) != 0;
#else
    const bool terminal = isatty(STDOUT_FILENO) != 0;
#endif
    const char* noColour = std::getenv("NO_COLOR");
    const char* term = std::getenv("TERM");
    if (!terminal || (noColour && *noColour) || !term || !*term || std::strcmp(term, "dumb") == 0)
        return TolvaneCal::Colour::None;
    const char* colourTerm = std::getenv("COLORTERM");
    if (colourTerm && (std::strcmp(colourTerm, "truecolor") == 0 || std::strcmp(colourTerm, "24bit") == 0))
        return TolvaneCal::Colour::Direct;
    return TolvaneCal::Colour::Palette;
}

} // namespace

int main(int argc, char* argv[]) {
    const QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    std::string out, err;
    const int status = TolvaneCal::Main(args, Dates::Now(), out, err, StdoutColour());
    // One write each: a range of many thousand days goes out in one piece.
    if (!err.empty())
        std::fwrite(err.data(), 1, err.size(), stderr);
    if (!out.empty() && std::fwrite(out.data(), 1, out.size(), stdout) != out.size())
        return 1;
    return std::fflush(stdout) == 0 ? status : 1;
}
