// Developer tool: renders the main window to a PNG for the documentation, after a press of the
// start button with the family name, sex and name length given on the command line.
//
//   QT_QPA_PLATFORM=offscreen tolvane-snapshot OUTPUT.png [FAMILY SEX LENGTH]

#include "app/Unit1.h"
#include "platform/FlatButton.h"
#include "platform/FlatComboBox.h"
#include "platform/FlatEdit.h"
#include "platform/ErrorBox.h"
#include "platform/Fonts.h"
#include "platform/Shell.h"

#include <QApplication>
#include <QPixmap>
#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Tolvane"));
    InstallFontSubstitutions();
    SetUrlOpener([](QWidget*, const QString&) {});
    bool failed = false;
    SetErrorBoxShower([&failed](QWidget*, const QString& message) {
        std::fprintf(stderr, "tolvane-snapshot: %s\n", qPrintable(message));
        failed = true;
    });
    const QStringList args = QApplication::arguments();
    if (args.size() != 2 && args.size() != 5) {
        std::fprintf(stderr, "usage: tolvane-snapshot OUTPUT.png [FAMILY SEX LENGTH]\n");
        return 2;
    }
    TForm1 form;
    form.show();
    if (args.size() == 5) {
        form.FlatEdit1->SetText(args[2]);
        form.FlatComboBox1->SetText(args[3]);
        form.FlatComboBox2->SetText(args[4]);
        form.FlatButton1->click();
    }
    QApplication::processEvents();
    if (failed)
        return 1;
    if (!form.grab().save(args[1])) {
        std::fprintf(stderr, "tolvane-snapshot: cannot write %s\n", qPrintable(args[1]));
        return 1;
    }
    return 0;
}
