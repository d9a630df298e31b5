#pragma once

#include "reference/AirportTable.h"
#include "reference/NavaidLookup.h"
#include "reference/NavaidTable.h"
#include "reference/UserFixTable.h"
#include "shell/EditMode.h"
#include "store/ProcedureStore.h"

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>

namespace shell {

// The process-wide state every screen shares: the airport being edited, the
// reference tables, the settings and the values screens hand each other.
// One instance lives for the whole run; screens get it by reference.
struct Module1 {
    // The airport in memory (Fixes, Runways, STARRunways, SIDs, STARs and
    // their counts) and the editor's counters that the reader and writer use.
    store::ProcedureStore Store;
    store::ProcedureCounters Counters;

    reference::NavaidTable NavaidTable;
    reference::AirportTable AirportTable;
    reference::UserFixTable UserFixTable;
    // The magnetic variation the user set for each airport's map, read once
    // from the program's folder.
    std::map<std::string, double> MapVariations;
    bool MapVariationsRead = false;
    // ReferenceLat / ReferenceLong: decides among navaids sharing a name.
    reference::ReferencePosition Reference;

    // Settings file: simulator folder, author, arc step angle (as read).
    std::string FlyFolder;
    std::string AuthorName;
    std::string StepAngle = "10";
    std::filesystem::path SettingsPath;
    // Where the folder locator was opened from: "F" by start-up.
    std::string LocatorMode;

    // Chosen on the main menu and the airport selection.
    shell::EditMode EditMode = shell::EditMode::CreateSIDs;
    // The simulator folder's PMDG folder, which holds the airport files.
    std::filesystem::path DataFolder;
    std::string AirportFileName;
    store::Flag BackToMenu = store::False;

    // Editor values shared with the save command.
    std::string TypedICAO;
    std::string LastAnswer;
    std::int16_t ProcedureStart = 1;

    // The runway transition editor's working copies and hand-over values.
    store::FixTable WorkFixes;
    std::int32_t WorkFixCount = 0;
    store::RunwayTable WorkRunways;
    std::int16_t WorkRunwayCount = 0;
    store::Flag UseWorkFixes = store::False;
    std::string TransitionRunway;
    std::int16_t OpeningRunwayBox = 0;
    // Row of WorkRunways where the feeder on screen begins.
    std::int16_t FeederStart = 0;
    // Row of WorkRunways inserted last by a waypoint or arc point.
    std::int16_t LastInsertedRow = 0;

    // Where Move Up writes its table dumps: the user's data folder when the
    // user asked for them (--debug-dumps), else empty and nothing is written.
    // Never the data folder, whose every .txt the airport list offers.
    std::filesystem::path DumpFolder;

    // The DME arc generator's name counter and chosen centre navaid.
    std::int16_t ArcCounter = 1;
    std::string ArcNavaid;
};

} // namespace shell
