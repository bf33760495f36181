// How quickly the program shows its window, and one press of the start button on the shipped
// name database. Runs offscreen; the database is the one the build put beside this program.

#include "app/Random.h"
#include "app/Unit1.h"
#include "platform/FlatComboBox.h"
#include "platform/FlatEdit.h"
#include "platform/ErrorBox.h"
#include "platform/Fonts.h"
#include "platform/Shell.h"

#include <QApplication>
#include <QTest>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

// From construction of the main window to its first exposure on the screen, as the user waits
// for it after the application object exists.
void BM_StartToShownWindow(benchmark::State& state) {
    for (auto _ : state) {
        auto form = std::make_unique<TForm1>();
        form->show();
        if (!QTest::qWaitForWindowExposed(form.get()))
            state.SkipWithError("window not exposed");
        QApplication::processEvents();
        state.PauseTiming();
        form.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartToShownWindow)->Unit(benchmark::kMillisecond)->Iterations(20);

// One press: the query, the walk of 77 names and the list filled, on a connection that is
// already open (the first press also opens the file).
void BM_PressStartButton(benchmark::State& state) {
    TForm1 form;
    form.show();
    form.FlatEdit1->setText(QStringLiteral("李"));
    form.FlatComboBox2->setEditText(state.range(0) ? QStringLiteral("三字") : QStringLiteral("二字"));
    form.FlatButton1Click(); // opens the connection
    for (auto _ : state) {
        RandSeed = 0;
        form.FlatButton1Click();
    }
}
BENCHMARK(BM_PressStartButton)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The first press of a program run, which also opens the database file.
void BM_FirstPress(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto form = std::make_unique<TForm1>();
        form->FlatEdit1->setText(QStringLiteral("李"));
        RandSeed = 0;
        state.ResumeTiming();
        form->FlatButton1Click();
        state.PauseTiming();
        form.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FirstPress)->Unit(benchmark::kMicrosecond)->Iterations(50);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    InstallFontSubstitutions();
    SetUrlOpener([](QWidget*, const QString&) {});
    SetErrorBoxShower([](QWidget*, const QString& message) { qFatal("%s", qPrintable(message)); });
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
