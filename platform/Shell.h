#pragma once
// The desktop shell: open a web address with the user's default browser. Tests install their
// own opener so that no browser starts.

#include <QString>
#include <functional>

class QWidget;

using UrlOpener = std::function<void(QWidget* owner, const QString& url)>;

// Opens the address; a failure (no browser set up) is ignored, as the shell's caller does.
void ShellOpenUrl(QWidget* owner, const QString& url);

// Replaces the opener and returns the one before; an empty function restores the default.
UrlOpener SetUrlOpener(UrlOpener opener);
