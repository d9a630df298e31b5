#include "Pictures.h"

#include "checks/AirportChecks.h"
#include "map/MapBuilder.h"
#include "map/SvgCanvas.h"
#include "runtime/Text.h"
#include "runtime/TextFiles.h"
#include "store/ProcedureSpans.h"

#ifdef VEXTREL_PNG_PICTURES
#include "ui/qt/MapPicture.h"
#endif

#include <map>

namespace check {

namespace fs = std::filesystem;

namespace {

constexpr int Width = 1000;
constexpr int Height = 800;

std::string extension(const fs::path& out) {
    return runtime::toUpper(out.extension().string());
}

// Names that are safe in a file name on every system.
std::string fileWord(const std::string& name) {
    std::string out;
    for (const char c : name)
        out += (std::isalnum(static_cast<unsigned char>(c)) || c == '-') ? c : '_';
    return out;
}

} // namespace

bool canDraw(const fs::path& out, std::string& why) {
    const std::string ext = extension(out);
    if (ext == ".SVG")
        return true;
#ifdef VEXTREL_PNG_PICTURES
    if (ext == ".PNG")
        return true;
#else
    if (ext == ".PNG") {
        why = "PNG pictures need the checker built with Qt; write .svg";
        return false;
    }
#endif
    why = "--draw writes .svg or .png files, not " + out.filename().string();
    return false;
}

std::vector<fs::path> drawProcedures(const store::ProcedureStore& store,
                                     const reference::ReferenceTables& tables,
                                     const std::string& airport, const fs::path& out) {
    map::MapRequest request;
    request.tables.store = &store;
    request.tables.navaids = &tables.navaids;
    request.tables.userFixes = &tables.userFixes;
    request.airport = checks::findAirport(tables.airports, airport);
    const auto nearby = request.airport ? map::nearbyNavaids(tables.navaids, *request.airport)
                                        : std::vector<map::MapPoint>{};
    request.nearby = &nearby;
    std::vector<fs::path> written;
    std::map<std::string, int> used;
    const auto drawOne = [&](map::RouteKind kind, int firstRow, const std::string& name) {
        request.focus = {kind, firstRow, "", -1};
        map::Drawing drawing = map::buildMap(request);
        const std::string word = kind == map::RouteKind::SID ? "SID" : "STAR";
        drawing.title += " - " + word + " " + name;
        std::string stem =
            out.stem().string() + "-" + fileWord(airport) + "-" + word + "-" + fileWord(name);
        if (const int n = ++used[stem]; n > 1)
            stem += "-" + std::to_string(n);
        const fs::path file = out.parent_path() / (stem + out.extension().string());
        if (extension(out) == ".SVG")
            runtime::writeFileReplacing(file, map::svgPicture(drawing, Width, Height));
#ifdef VEXTREL_PNG_PICTURES
        else
            ui::qt::writeMapPng(drawing, Width, Height, file);
#endif
        written.push_back(file);
    };
    for (const store::RowSpan& span : store::sidSpans(store.SIDs))
        drawOne(map::RouteKind::SID, span.first, store.SIDs[span.first].Name);
    for (const store::RowSpan& span : store::starSpans(store.STARs))
        drawOne(map::RouteKind::STAR, span.first, store.STARs[span.first].Name);
    return written;
}

} // namespace check
