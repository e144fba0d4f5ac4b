// Drawing the results grid of the largest season into a 1920x1080 image: one
// screen paint of the results window, and the whole grid (every fixture and
// every player) in one go.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

#include "model/Recalculate.h"
#include "platform/PainterSurface.h"
#include "render/ResultsGrid.h"
#include "render/ResultsScreen.h"
#include "support/FakeHost.h"
#include "support/SeasonBuilder.h"

namespace {

struct Fixture1080 {
    FakeHost host;
    SeasonPtr season;
    QImage image{1920, 1080, QImage::Format_RGB32};

    Fixture1080()
    {
        season = BuildSeason(MaximalSeasonShape(), host);
        Recalculate(*season, host, false);
    }
};

void BM_PaintResultsWindow1080p(benchmark::State& state)
{
    Fixture1080 f;
    ScreenArea area;
    area.width = 1920 - 17;
    area.height = 1080 - 17;
    area.horizontalBarHeight = 17;
    area.verticalBarWidth = 17;
    for (auto _ : state) {
        f.image.fill(Qt::white);
        QPainter painter(&f.image);
        PainterSurface surface(&painter, GridFontDescription{});
        const ScreenLayout layout =
            PaintResultsWindow(surface, *f.season, f.host, area, GridPreferences{});
        benchmark::DoNotOptimize(layout.visiblePlayers);
    }
}
BENCHMARK(BM_PaintResultsWindow1080p)->Unit(benchmark::kMillisecond);

// Every fixture and every player, squeezed into the image.
void BM_DrawWholeGrid1080p(benchmark::State& state)
{
    Fixture1080 f;
    for (auto _ : state) {
        f.image.fill(Qt::white);
        QPainter painter(&f.image);
        PainterSurface surface(&painter, GridFontDescription{});
        GridMetrics metrics;
        const std::uint16_t anchor = MeasureResultsGrid(surface, *f.season, true, metrics);
        GridRequest request;
        request.fixturesShown = f.season->fixtureCount;
        request.rowCount = static_cast<int>(f.season->players.size());
        request.width = GridWidth(metrics, request.fixturesShown);
        request.height = GridHeight(metrics, request.rowCount);
        request.nameAnchor = anchor;
        const double scale = std::min(1920.0 / (request.width * surface.DevicePerLogicalX()),
                                      1080.0 / (request.height * surface.DevicePerLogicalY()));
        surface.SetScale(scale, scale);
        surface.SetOrigin(0, request.height);
        DrawResultsGrid(surface, *f.season, f.host, request, metrics);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_DrawWholeGrid1080p)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
