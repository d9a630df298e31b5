// Building the map of an airport filled to every capacity, and painting it:
// what every keystroke in an editor costs.
#include "map/MapBuilder.h"
#include "map/SvgCanvas.h"
#include "store/AirportReader.h"
#include "store/FullAirport.h" // tests/store

#ifdef VEXTREL_BENCH_QT
#include "ui/qt/QtCanvas.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#endif

#include <benchmark/benchmark.h>

#include <memory>

namespace {

struct FullMap {
    FullMap() {
        store::ProcedureCounters counters;
        store::LoadData(fullairport::fullAirportFile(), *store, counters);
        std::vector<reference::NavaidRecord> rows;
        for (int n = 0; n < 97; ++n)
            rows.push_back({fullairport::detail::numbered("NV", n), 44.0f + n % 5 * 0.3f,
                            -115.0f + n % 7 * 0.3f, 110.0f});
        navaids = reference::NavaidTable(rows);
        request.tables.store = store.get();
        request.tables.navaids = &navaids;
        request.airport = reference::AirportRecord{"ZFUL", "Full", 44.5f, -114.0f};
        nearby = map::nearbyNavaids(navaids, *request.airport);
        request.nearby = &nearby;
        request.focus = {map::RouteKind::SID, 1, "", 3};
    }
    std::unique_ptr<store::ProcedureStore> store = std::make_unique<store::ProcedureStore>();
    reference::NavaidTable navaids;
    std::vector<map::MapPoint> nearby;
    map::MapRequest request;
};

FullMap& full() {
    static FullMap m;
    return m;
}

void BuildFullAirportMap(benchmark::State& state) {
    for (auto _ : state) {
        const map::Drawing d = map::buildMap(full().request);
        benchmark::DoNotOptimize(d.points.data());
    }
    const map::Drawing d = map::buildMap(full().request);
    state.counters["points"] = static_cast<double>(d.points.size());
    state.counters["lines"] = static_cast<double>(d.lines.size());
}
BENCHMARK(BuildFullAirportMap)->Unit(benchmark::kMillisecond);

void BuildAndPaintFullAirportMapAsSvg(benchmark::State& state) {
    for (auto _ : state) {
        const std::string svg = map::svgPicture(map::buildMap(full().request), 600, 600);
        benchmark::DoNotOptimize(svg.data());
    }
}
BENCHMARK(BuildAndPaintFullAirportMapAsSvg)->Unit(benchmark::kMillisecond);

#ifdef VEXTREL_BENCH_QT
void BuildAndPaintFullAirportMapWithQt(benchmark::State& state) {
    static int argc = 1;
    static char name[] = "bench";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(argc, argv);
    QImage image(600, 600, QImage::Format_RGB32);
    for (auto _ : state) {
        const map::Drawing d = map::buildMap(full().request);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        ui::qt::QtCanvas canvas(painter);
        map::paint(d, map::fitView(d, 600, 600), canvas);
    }
}
BENCHMARK(BuildAndPaintFullAirportMapWithQt)->Unit(benchmark::kMillisecond);
#endif

} // namespace
