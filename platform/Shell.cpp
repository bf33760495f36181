#include "platform/Shell.h"

#include "platform/Hook.h"

#include <QDesktopServices>
#include <QUrl>

namespace {

Hook<void(QWidget*, const QString&)>& Opener() {
    static Hook<void(QWidget*, const QString&)> opener([](QWidget*, const QString& url) {
        QDesktopServices::openUrl(QUrl(url));
    });
    return opener;
}

} // namespace

void ShellOpenUrl(QWidget* owner, const QString& url) { Opener()(owner, url); }

UrlOpener SetUrlOpener(UrlOpener opener) { return Opener().Replace(std::move(opener)); }
