#include "platform/ErrorBox.h"

#include <QApplication>
#include <QMessageBox>

namespace {

void ShowCritical(QWidget* parent, const QString& message) {
    QMessageBox::critical(parent, QApplication::applicationDisplayName(), message);
}

ErrorBoxShower& CurrentShower() {
    static ErrorBoxShower shower = ShowCritical;
    return shower;
}

} // namespace

void ShowErrorBox(QWidget* parent, const QString& message) { CurrentShower()(parent, message); }

ErrorBoxShower SetErrorBoxShower(ErrorBoxShower shower) {
    ErrorBoxShower previous = std::move(CurrentShower());
    CurrentShower() = shower ? std::move(shower) : ErrorBoxShower(ShowCritical);
    return previous;
}
