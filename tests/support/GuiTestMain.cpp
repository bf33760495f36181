// Entry point of the widget tests: an offscreen application with the program's font faces, and
// a browser and an error box that only record what they were asked to do.

#include "support/GuiTestHooks.h"

#include "platform/ErrorBox.h"
#include "platform/Fonts.h"
#include "platform/Shell.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace {
QStringList gOpenedUrls;
QStringList gErrorMessages;
} // namespace

QStringList& OpenedUrls() { return gOpenedUrls; }
QStringList& ErrorMessages() { return gErrorMessages; }

void ClearRecorded() {
    gOpenedUrls.clear();
    gErrorMessages.clear();
}

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Tolvane"));
    InstallFontSubstitutions();
    SetUrlOpener([](QWidget*, const QString& url) { gOpenedUrls << url; });
    SetErrorBoxShower([](QWidget*, const QString& message) { gErrorMessages << message; });
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
