#pragma once
// The application's standard error box. An exception must not leave a Qt slot, so every
// handler that may fail runs through RunGuarded: the error's message is shown and the program
// goes on. Tests install their own box so that no modal dialog blocks them.

#include <QString>
#include <exception>
#include <functional>

class QWidget;

using ErrorBoxShower = std::function<void(QWidget* parent, const QString& message)>;

void ShowErrorBox(QWidget* parent, const QString& message);

// Replaces the box and returns the one before; an empty function restores the default.
ErrorBoxShower SetErrorBoxShower(ErrorBoxShower shower);

template <typename Handler> void RunGuarded(QWidget* parent, Handler&& handler) {
    try {
        handler();
    } catch (const std::exception& e) {
        ShowErrorBox(parent, QString::fromUtf8(e.what()));
    } catch (...) {
        ShowErrorBox(parent, QStringLiteral("An unknown error occurred."));
    }
}
