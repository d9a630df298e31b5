#include "arc/FindWaypointForm.h"

#include "arc/AddARC.h"
#include "arc/NavaidSearch.h"
#include "runtime/Numbers.h"
#include "runtime/Text.h"

#include <filesystem>
#include <string>

namespace arc {

FindWaypointForm::FindWaypointForm(ui::App& app, shell::Module1& m)
    : ui::Form(app, "FindWaypointForm"), Label1(*this, "Label1"), SearchText(*this, "SearchText"),
      SearchCommand(*this, "SearchCommand"), WaypointListBox(*this, "WaypointListBox"),
      PointerListBox(*this, "PointerListBox"), LatText(*this, "LatText"),
      LongText(*this, "LongText"), Label2(*this, "Label2"), FreqText(*this, "FreqText"),
      AddWaypoint(*this, "AddWaypoint"), GoBackCommand(*this, "GoBackCommand"), m_(m) {
    setCaption("Navaid");
    SearchCommand.setCaption("Start Search");
    PointerListBox.setVisible(false);
    PointerListBox.setExposed(false);
    SearchText.setAccessibleName("Navaid to search for");
    WaypointListBox.setAccessibleName("Navaids found");
    FreqText.setAccessibleName("Frequency");
    LatText.setVisible(false);
    LongText.setVisible(false);
    Label2.setCaption("Frequency");
    AddWaypoint.setCaption("Transfer Waypoint Data");
    GoBackCommand.setCaption("   Oops    Go Back");
    GoBackCommand.makeLeaveButton();

    SearchCommand.Click = [this] { SearchCommand_Click(); };
    // Enter in the search box searches, as the button beside it does.
    SearchText.KeyPress = [this](int& key) {
        if (key == ui::KeyEnter) {
            key = 0;
            SearchCommand_Click();
        }
    };
    WaypointListBox.Click = [this] { WaypointListBox_Click(); };
    AddWaypoint.Click = [this] { AddWaypoint_Click(); };
    GoBackCommand.Click = [this] { GoBackCommand_Click(); };
}

void FindWaypointForm::Form_Load() {
    AddWaypoint.setEnabled(false);
    Label1.setCaption("Search for Navaid");
    WaypointListBox.Clear();
}

void FindWaypointForm::Form_Unload() {
    selectedNavaidIndex_ = 0;
}

void FindWaypointForm::SearchCommand_Click() {
    SearchText.setFocus();
    AddWaypoint.setEnabled(false);
    LatText.setVisible(false);
    LongText.setVisible(false);
    SearchCommand.setCaption("Searching");
    WaypointListBox.Clear();
    PointerListBox.Clear();
    SearchText.setText(runtime::toUpper(SearchText.text()));

    const auto rows = searchNavaids(m_.NavaidTable, SearchText.text());
    // The airport typed for a new one, else the one of the file opened.
    std::string code = m_.TypedICAO;
    if (code.empty())
        code = runtime::toUpper(std::filesystem::path(m_.AirportFileName).stem().string())
                   .substr(0, 4);
    const auto* airport = m_.AirportTable.findAirport(code);
    const auto lines = searchLines(m_.NavaidTable, rows, airport);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        WaypointListBox.AddItem(lines[i]);
        PointerListBox.AddItem(std::to_string(rows[i]));
    }
    SearchCommand.setCaption("Start Search");
    if (WaypointListBox.ListCount() == 1) {
        WaypointListBox.setListIndex(0);
        WaypointListBox_Click();
    }
}

void FindWaypointForm::WaypointListBox_Click() {
    AddWaypoint.setEnabled(true);
    const int index = WaypointListBox.listIndex();
    if (index < 0)
        return;
    PointerListBox.setListIndex(index);
    selectedNavaidIndex_ = static_cast<std::int32_t>(runtime::val(PointerListBox.List(index)));
    if (!m_.NavaidTable.fits(selectedNavaidIndex_))
        return;
    const reference::NavaidRecord& navaid = m_.NavaidTable[selectedNavaidIndex_];
    LatText.setCaption(coordinateCaption(navaid.NavaidLat, 'N', 'S', " Latitude"));
    LongText.setCaption(coordinateCaption(navaid.NavaidLong, 'E', 'W', " Longitude"));
    LatText.setVisible(true);
    LongText.setVisible(true);
    FreqText.setText(
        navaid.NavaidFreq == 0 ? "" : runtime::trim(runtime::printedNumber(navaid.NavaidFreq)));
}

void FindWaypointForm::AddWaypoint_Click() {
    // The selected navaid itself: the search box may have been edited since
    // the search.
    if (WaypointListBox.listIndex() >= 0 && m_.NavaidTable.fits(selectedNavaidIndex_))
        app().get<AddARC>().chooseCentre(m_.NavaidTable[selectedNavaidIndex_]);
    unload();
}

void FindWaypointForm::GoBackCommand_Click() {
    unload();
}

} // namespace arc
