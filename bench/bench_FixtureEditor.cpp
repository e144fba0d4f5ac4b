// The fixture editor on the largest season (30 positions, 199 players listed
// in every box): opening it, and one keystroke in a score field (the row
// update and the match scoring it sets off).
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <benchmark/benchmark.h>

#include "gui/Shell.h"
#include "gui/dialogs/FixtureEditorDialog.h"
#include "model/Recalculate.h"
#include "support/FakeHost.h"
#include "support/SeasonBuilder.h"

namespace {

struct Maximal {
    FakeHost host;
    Shell shell;
    SeasonPtr season;

    Maximal()
    {
        season = BuildSeason(MaximalSeasonShape(), host);
        Recalculate(*season, host, false);
    }
};

void BM_OpenFixtureEditor(benchmark::State& state)
{
    Maximal m;
    for (auto _ : state) {
        FixtureEditorDialog dialog(m.shell, *m.season, 0, {});
        dialog.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(dialog.IsOpen());
    }
}
BENCHMARK(BM_OpenFixtureEditor)->Unit(benchmark::kMillisecond);

void BM_ScoreKeystroke(benchmark::State& state)
{
    Maximal m;
    FixtureEditorDialog dialog(m.shell, *m.season, 0, {});
    dialog.show();
    QApplication::processEvents();
    auto* field = static_cast<QLineEdit*>(dialog.Control(512 + 16 * 14 + 2));
    field->setFocus();
    int i = 0;
    for (auto _ : state) {
        // Alternately a digit and its removal: each is one keystroke.
        QTest::keyClick(field, (i++ % 2) ? Qt::Key_Backspace : Qt::Key_7);
    }
}
BENCHMARK(BM_ScoreKeystroke)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
