// Tolvane: suggests Chinese given names for a newborn.

#include "app/Unit1.h"
#include "platform/Fonts.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tolvane"));
    QApplication::setApplicationDisplayName(QStringLiteral("Tolvane"));
    InstallFontSubstitutions();

    TForm1 form;
    form.show();
    return QApplication::exec();
}
