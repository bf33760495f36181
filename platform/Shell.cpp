#include "platform/Shell.h"

#include <QDesktopServices>
#include <QUrl>

namespace {

void OpenWithDesktop(QWidget*, const QString& url) { QDesktopServices::openUrl(QUrl(url)); }

UrlOpener& CurrentOpener() {
    static UrlOpener opener = OpenWithDesktop;
    return opener;
}

} // namespace

void ShellOpenUrl(QWidget* owner, const QString& url) { CurrentOpener()(owner, url); }

UrlOpener SetUrlOpener(UrlOpener opener) {
    UrlOpener previous = std::move(CurrentOpener());
    CurrentOpener() = opener ? std::move(opener) : UrlOpener(OpenWithDesktop);
    return previous;
}
