// tolvane-cal: see CalTool.h and docs/tolvane-cal.md.
#include "CalTool.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char* argv[]) {
    const QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    std::string out, err;
    const int status = TolvaneCal::Main(args, Dates::Now(), out, err);
    // One write each: a range of many thousand days goes out in one piece.
    if (!err.empty())
        std::fwrite(err.data(), 1, err.size(), stderr);
    if (!out.empty() && std::fwrite(out.data(), 1, out.size(), stdout) != out.size())
        return 1;
    return std::fflush(stdout) == 0 ? status : 1;
}
