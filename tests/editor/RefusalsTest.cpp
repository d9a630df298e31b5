// Every command the editor refuses: the message, where the focus goes, and
// that the procedures and the files stay as they were.
#include "EditorScreen.h"
#include "Invariant.h"

#include "store/AirportWriter.h"

#include <functional>

namespace editortest {
namespace {

using editor::ModifyProcedure;

class Refusals;
using Action = std::function<void(Refusals&)>;

struct Refusal {
    const char* name;
    Action setUp;
    Action command;
    std::string message;
    ui::TextBox ModifyProcedure::*focus; // null: not checked
    bool question = false;               // Yes/No, critical, No by default; answered No
};

std::ostream& operator<<(std::ostream& out, const Refusal& r) {
    return out << r.name;
}

class Refusals : public EditorScreen, public ::testing::WithParamInterface<Refusal> {
public:
    using EditorScreen::addNavaid, EditorScreen::expectQuestion, EditorScreen::sampleKSEA,
        EditorScreen::nameProcedure, EditorScreen::openCreate, EditorScreen::openModify,
        EditorScreen::setText;
    using EditorScreen::ed, EditorScreen::files, EditorScreen::m, EditorScreen::t,
        EditorScreen::user;

    // The procedures as the airport file would hold them, fixes aside (a
    // lookup may copy a known fix in before refusing).
    std::string procedures() const {
        store::ProcedureStore copy = m->Store;
        store::ProcedureCounters counters = m->Counters;
        const std::string text = store::PrintTheSidStarFile(copy, counters, {});
        return text.substr(text.find("SIDS"));
    }
};

TEST_P(Refusals, ShowTheMessageAndChangeNothing) {
    const Refusal& r = GetParam();
    // A set-up may leave a question for the command to raise first.
    r.setUp(*this);
    const std::string procedures = this->procedures();
    const std::string files = this->files();
    if (r.question)
        expectQuestion(r.message, ui::answers::No, ui::Icon::Critical, ui::DefaultButton::Second);
    else
        expectNotice(r.message);
    r.command(*this);
    t.messages.verify();

    if (r.focus) {
        EXPECT_EQ(focus(), &(ed->*r.focus));
    }
    EXPECT_EQ(this->procedures(), procedures);
    EXPECT_EQ(this->files(), files);
    EXPECT_EQ(checkLayout(*m), "");
}

Action click(ui::CommandButton ModifyProcedure::*button) {
    return [button](Refusals& f) { f.user.click(f.ed->*button); };
}
Action fill(std::vector<std::pair<ui::TextBox ModifyProcedure::*, const char*>> boxes,
            Action before) {
    return [=](Refusals& f) {
        before(f);
        for (const auto& [box, text] : boxes)
            f.setText(f.ed->*box, text);
    };
}
Action create(shell::EditMode mode, const std::string& icao = "KSEA") {
    return [=](Refusals& f) { f.openCreate(mode, icao); };
}
void createSID(Refusals& f) {
    f.openCreate(CreateSIDs);
    f.nameProcedure("DEP1", "16L");
}
Action modifyKSEA(shell::EditMode mode) {
    return [=](Refusals& f) { f.openModify(mode, Refusals::sampleKSEA()); };
}
// A first STAR, or SID, of an airport that had none.
void newSTAR(Refusals& f) {
    f.expectQuestion("KSEA has no STARs to modify.\r\nDo you wish to add new STARs?",
                     ui::answers::Yes);
    f.openModify(ModifySTARs, SidOnlyAirport);
    f.nameProcedure("ARR1", "09");
    f.addNavaid("SEA");
}
void newSID(Refusals& f) {
    f.expectQuestion("KSEA has no SIDs to modify.\r\nDo you wish to add new SIDs?",
                     ui::answers::Yes);
    f.openModify(ModifySIDs, StarOnlyAirport);
    f.nameProcedure("DEP1", "09");
    f.addNavaid("SEA");
}
// Airports whose tables are full: 40 STARs, or STARs of 600 rows, or SIDs
// of 600 rows.
Action fullSTARs(int legs) {
    return [=](Refusals& f) {
        std::string stars = SidOnlyAirport.substr(0, SidOnlyAirport.find("STARS")) + "STARS\r\n";
        for (int i = 1; i <= store::STARLimit; ++i) {
            stars += "STAR S" + std::to_string(i);
            for (int leg = 0; leg < legs; ++leg)
                stars += " NAVAID SEA";
            stars += " RNW 09\r\n";
        }
        f.openModify(ModifySTARs, stars + "ENDSTARS\r\n");
    };
}
void fullSIDs(Refusals& f) {
    std::string sids = "SIDS\r\n";
    for (int i = 1; i <= store::SIDCapacity / 2; ++i)
        sids += "SID D" + std::to_string(i) + " RNW 09 NAVAID SEA NAVAID OLM\r\n";
    f.openModify(ModifySIDs, sids + "ENDSIDS\r\nSTARS\r\nENDSTARS\r\n");
}

using P = ModifyProcedure;

INSTANTIATE_TEST_SUITE_P(
    Commands, Refusals,
    ::testing::Values(
        // View Next Procedure, on a new STAR and on a new SID.
        Refusal{"NextSTARNoRunway", fill({{&P::RwText1, ""}}, newSTAR),
                click(&P::NextProcedureCommand),
                "There are no runways designated for this STAR.\r\n"
                "Please add at least one runway approach.",
                &P::RwText1},
        Refusal{"NextSTARNoICAO", fill({{&P::AptNameText, ""}}, newSTAR),
                click(&P::NextProcedureCommand), "There is no ICAO designated for this STAR.",
                nullptr},
        Refusal{"NextSTARNoName", fill({{&P::ProcedureNameText, ""}}, newSTAR),
                click(&P::NextProcedureCommand), "There is no Basic name designated for this STAR.",
                &P::ProcedureNameText},
        Refusal{"NextSTARRedRunway", fill({{&P::RwText2, "27"}}, newSTAR),
                click(&P::NextProcedureCommand),
                "At least one runway approach procedure\r\nneeds to be designed for this STAR.",
                &P::RwText1},
        Refusal{"NextSIDNoRunway", fill({{&P::RwText1, ""}}, newSID),
                click(&P::NextProcedureCommand),
                "There is no runway designated for this SID.\r\nPlease add runway approach number.",
                &P::RwText1},
        Refusal{"NextSIDNoICAO", fill({{&P::AptNameText, ""}}, newSID),
                click(&P::NextProcedureCommand), "There is no ICAO designated for this SID.",
                nullptr},
        Refusal{"NextSIDNoName", fill({{&P::ProcedureNameText, ""}}, newSID),
                click(&P::NextProcedureCommand), "There is no Basic name designated for this SID.",
                &P::ProcedureNameText},

        // Add Another Procedure.
        Refusal{"AnotherNoName", create(CreateSIDs), click(&P::AddAnotherProcedureCommand),
                "The procedure basic name is missing", &P::ProcedureNameText},
        Refusal{"AnotherNoRunway", fill({{&P::ProcedureNameText, "DEP1"}}, create(CreateSIDs)),
                click(&P::AddAnotherProcedureCommand), "The runway number is missing", &P::RwText1},
        Refusal{"AnotherNoWaypoint", createSID, click(&P::AddAnotherProcedureCommand),
                "You must provide at least waypoint first.", &P::AddNavText},
        Refusal{"AnotherRedRunway", fill({{&P::RwText3, "16C"}}, modifyKSEA(ModifySTARs)),
                click(&P::AddAnotherProcedureCommand),
                "At least one runway feeder has not yet been defined.", &P::RwText1},
        Refusal{"AnotherWith40STARs", fullSTARs(1), click(&P::AddAnotherProcedureCommand),
                "The STARs table is full.\r\nIt holds at most 40 STARs.", nullptr},
        Refusal{"AnotherWith600SIDRows", fullSIDs, click(&P::AddAnotherProcedureCommand),
                "The SIDs table is full.\r\nIt holds at most 600 rows.", nullptr},

        // Neighbouring SIDs of one name would be written as one SID.
        Refusal{"SIDNamedAsItsNeighbour",
                [](Refusals& f) {
                    createSID(f);
                    f.addNavaid("SEA");
                    f.user.click(f.ed->AddAnotherProcedureCommand);
                    f.user.typeInto(f.ed->ProcedureNameText, "dep1");
                },
                [](Refusals& f) { f.user.click(f.ed->AddNavText); },
                "The SID next to this one is also named DEP1.\r\nPlease choose another name.",
                &P::ProcedureNameText},
        Refusal{"DeletingJoinsTwoSIDs",
                [](Refusals& f) {
                    f.openModify(
                        ModifySIDs,
                        "SIDS\r\nSID A RNW 09 NAVAID SEA\r\nSID B RNW 09 NAVAID "
                        "OLM\r\nSID A RNW 27 NAVAID HQM\r\nENDSIDS\r\nSTARS\r\nENDSTARS\r\n");
                    f.user.click(f.ed->NextProcedureCommand);
                },
                click(&P::DeleteProcedureCommand),
                "Deleting this SID would put the two SIDs named A side by side,\r\n"
                "and the airport file would join them into one SID.",
                nullptr},

        // Add To Waypoint List, and the waypoint commands.
        Refusal{"AddOverSelectedLine",
                [](Refusals& f) {
                    createSID(f);
                    f.addNavaid("SEA");
                    f.user.select(f.ed->WaypointList, 0);
                },
                click(&P::AddWaypointCommand),
                "You have a waypoint already selected.\r\nDo you really want to write over this "
                "waypoint?\r\nIf yes, the older values will be erase.",
                nullptr, true},
        Refusal{"AddNoName", fill({{&P::AddNavText, "SEA"}}, create(CreateSIDs)),
                click(&P::AddWaypointCommand), "The basic name is missing.", &P::ProcedureNameText},
        Refusal{
            "AddNoRunway",
            fill({{&P::ProcedureNameText, "DEP1"}, {&P::AddNavText, "SEA"}}, create(CreateSIDs)),
            click(&P::AddWaypointCommand), "The runway number is missing.", &P::RwText1},
        Refusal{"AddNoWaypoint", createSID, click(&P::AddWaypointCommand),
                "There is no Fix or Fly2 Nav ID.", &P::AddNavText},
        Refusal{"AddRadialWithoutDistance",
                fill({{&P::FixNameText, "NEWFX"}, {&P::VORFIXText, "SEA"}, {&P::HeadingText, "90"}},
                     createSID),
                click(&P::AddWaypointCommand), "The User defined VOR is missing data.",
                &P::VORFIXText},
        Refusal{"AddNoLatitude",
                fill({{&P::FixNameText, "NEWFX"}, {&P::DDMLongText, "122"}}, createSID),
                click(&P::AddWaypointCommand), "There is no Latitude data.", &P::DDMLatText},
        Refusal{"AddNoLongitude",
                fill({{&P::FixNameText, "NEWFX"}, {&P::DMMLatText, "5.00"}}, createSID),
                click(&P::AddWaypointCommand), "There is no Longitude data.", &P::DDMLongText},
        // A known fix added at once makes the add command's checks: a row
        // without a name would end the table early.
        Refusal{"KnownFixAddedAtOnceWithoutName",
                [](Refusals& f) {
                    f.openCreate(CreateSIDs);
                    f.expectQuestion("OLM270 is already a user defined Fix.\r\nIt will "
                                     "automatically be added if you answer 'No' below.\r\nDo you "
                                     "want to add an altitude restriction or intercept?",
                                     ui::answers::No);
                    f.user.typeInto(f.ed->AddNavText, "OLM270");
                },
                [](Refusals& f) { f.user.click(f.ed->Alt1Text); }, "The basic name is missing.",
                &P::ProcedureNameText},
        Refusal{"STARInsertionWithoutWaypoint",
                [](Refusals& f) {
                    f.openCreate(CreateSTARs);
                    f.nameProcedure("ARR1", "16L");
                },
                [](Refusals& f) { f.t.app.dispatch([&] { f.ed->AddSTARWaypoint(); }); },
                "The waypoint Navaid or Fix is missing.", &P::AddNavText},
        Refusal{"DeleteNothingSelected", modifyKSEA(ModifySIDs),
                [](Refusals& f) { f.t.app.dispatch([&] { f.ed->DeleteWaypointCommand_Click(); }); },
                "There is no waypoint selected.", nullptr},
        Refusal{"AddTo600SIDRows", fill({{&P::AddNavText, "OLM"}}, fullSIDs),
                click(&P::AddWaypointCommand),
                "The SIDs table is full.\r\nIt holds at most 600 rows.", nullptr},
        Refusal{"AddTo600STARRows", fill({{&P::AddNavText, "OLM"}}, fullSTARs(15)),
                click(&P::AddWaypointCommand),
                "The STARs table is full.\r\nIt holds at most 600 rows.", nullptr},

        // Runway boxes, checked on every key.
        Refusal{"RunwayOutOfRange", create(CreateSIDs),
                [](Refusals& f) { f.user.typeInto(f.ed->RwText1, "37"); },
                "Incorrect Runway Number", &P::RwText1},

        // Save All Procedures.
        Refusal{"SaveNoName", create(CreateSIDs, ""), click(&P::SaveCommand),
                "The procedure basic name is missing", &P::ProcedureNameText},
        Refusal{"SaveNoICAO", fill({{&P::ProcedureNameText, "DEP1"}}, create(CreateSIDs, "")),
                click(&P::SaveCommand), "The ICAO is missing.", &P::AptNameText},
        // The code names a file: nothing that could reach another folder.
        Refusal{
            "SaveICAONotLettersAndDigits",
            fill({{&P::ProcedureNameText, "DEP1"}, {&P::AptNameText, "K.1"}}, create(CreateSIDs)),
            click(&P::SaveCommand),
            "The ICAO code K.1 names the airport file.\r\nPlease use letters and digits only.",
            &P::AptNameText},
        Refusal{"SaveNoWaypoints", createSID, click(&P::SaveCommand), "There are no waypoints.",
                &P::AddNavText},
        Refusal{"SaveOverAnExistingFile",
                [](Refusals& f) {
                    f.t.programFolder.write("PMDG/KSEA.txt", "old");
                    createSID(f);
                    f.addNavaid("SEA");
                },
                click(&P::SaveCommand),
                "There is already a file by the same\r\nICAO code as the one you want to "
                "save.\r\nClick Yes to overwrite that file.\r\nClick No to change your filename.",
                &P::AptNameText, true}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace editortest
