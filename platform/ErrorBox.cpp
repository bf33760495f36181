#include "platform/ErrorBox.h"

#include "platform/Hook.h"

#include <QApplication>
#include <QMessageBox>

namespace {

Hook<void(QWidget*, const QString&)>& Shower() {
    static Hook<void(QWidget*, const QString&)> shower([](QWidget* parent, const QString& message) {
        QMessageBox::critical(parent, QApplication::applicationDisplayName(), message);
    });
    return shower;
}

} // namespace

void ShowErrorBox(QWidget* parent, const QString& message) { Shower()(parent, message); }

ErrorBoxShower SetErrorBoxShower(ErrorBoxShower shower) { return Shower().Replace(std::move(shower)); }
