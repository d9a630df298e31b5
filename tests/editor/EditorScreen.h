#pragma once

#include "editor/ModifyProcedure.h"
#include "editor/UserFixForm.h"
#include "runtime/TextFiles.h"
#include "support/BundledReference.h"
#include "support/TestApp.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace editortest {

using enum shell::EditMode;

using support::bundled, support::bundledFile;

// A screen of another folder (main menu, transition editor) that the editor
// only shows or hides.
class StandInScreen : public ui::Form {
public:
    StandInScreen(ui::App& app, std::string name) : ui::Form(app, std::move(name)) {}
};

// Airports small enough to know every row. Runway 09 has a transition, 27
// none. The first has one SID and no STAR, the second no SID.
inline const std::string SidOnlyAirport =
    "FIXES\r\nFIX ALPHA LATLON N 47 10.00 W 122 10.00\r\nENDFIXES\r\n"
    "RNWS\r\nRNW 09 FIX ALPHA 3000 NAVAID SEA \r\nENDRNWS\r\n"
    "SIDS\r\nSID DEP1 RNW 09 NAVAID SEA FIX ALPHA 5000\r\nENDSIDS\r\nSTARS\r\nENDSTARS\r\n";
inline const std::string StarOnlyAirport =
    "FIXES\r\nFIX ALPHA LATLON N 47 10.00 W 122 10.00\r\nENDFIXES\r\n"
    "RNWS\r\nRNW 09 FIX ALPHA 3000 NAVAID SEA \r\nENDRNWS\r\nSIDS\r\nENDSIDS\r\n"
    "STARS\r\nSTAR ARR1 NAVAID SEA FIX ALPHA 4000\r\nSTAR ARR2 FIX ALPHA NAVAID SEA RNW 09\r\n"
    "ENDSTARS\r\n";

// The procedure editor and its user-fix picker on a scripted application,
// with the bundled reference tables and a temporary data folder.
class EditorScreen : public ::testing::Test {
protected:
    EditorScreen() {
        m->NavaidTable = bundled().navaids;
        m->AirportTable = bundled().airports;
        m->UserFixTable = bundled().userFixes;
        m->DataFolder = t.programFolder.path() / "PMDG";
        std::filesystem::create_directories(m->DataFolder);
        ed = &t.app.add<editor::ModifyProcedure>(*m);
        picker = &t.app.add<editor::UserFixForm>(*m);
    }

    // A new airport in a create mode: the ICAO box is visited, as a user
    // does, so the airport gives the reference position.
    void openCreate(shell::EditMode mode, const std::string& icao = "KSEA") {
        m->EditMode = mode;
        m->TypedICAO = icao;
        t.app.dispatch([this] { ed->show(); });
        user.click(ed->AptNameText);
    }
    // An existing airport file in a modify mode.
    void openModify(shell::EditMode mode, const std::string& content,
                    const std::string& icao = "KSEA") {
        t.programFolder.write("PMDG/" + icao + ".txt", content);
        m->EditMode = mode;
        m->AirportFileName = icao + ".txt";
        t.app.dispatch([this] { ed->show(); });
    }
    static std::string sampleKSEA() {
        return runtime::readWholeFile(bundledFile("sample/PMDG/KSEA.txt"));
    }

    void nameProcedure(const std::string& name, const std::string& runway) {
        user.typeInto(ed->ProcedureNameText, name);
        user.typeInto(ed->RwText1, runway);
    }
    void addNavaid(const std::string& id) {
        user.typeInto(ed->AddNavText, id);
        user.click(ed->AddWaypointCommand);
    }
    // A new fix by latitude and longitude, north and west.
    void addLatLongFix(const std::string& name, const std::string& latDeg,
                       const std::string& latMin, const std::string& longDeg,
                       const std::string& longMin) {
        user.typeInto(ed->FixNameText, name);
        user.typeInto(ed->DDMLatText, latDeg);
        user.typeInto(ed->DMMLatText, latMin);
        user.typeInto(ed->DDMLongText, longDeg);
        user.typeInto(ed->DMMLongText, longMin);
        user.click(ed->AddWaypointCommand);
    }
    // Sets a box as code does, outside any user action.
    void setText(ui::TextBox& box, const std::string& text) {
        t.app.dispatch([&] { box.setText(text); });
    }

    std::vector<std::string> lines() const {
        std::vector<std::string> out;
        for (int i = 0; i < ed->WaypointList.ListCount(); ++i)
            out.push_back(ed->WaypointList.List(i));
        return out;
    }
    // Every file of the program folder with its content, to see that
    // nothing was written.
    std::string files() const {
        std::string out;
        for (const auto& e : std::filesystem::recursive_directory_iterator(t.programFolder.path()))
            if (e.is_regular_file())
                out += e.path().string() + "\n" + runtime::readWholeFile(e.path()) + "\n";
        return out;
    }
    const ui::Control* focus() const { return t.app.focusOwner(); }
    void expectNotice(const std::string& text) { t.messages.expectNotice(text); }
    void expectQuestion(const std::string& text, int answer, ui::Icon icon = ui::Icon::None,
                        ui::DefaultButton defaultButton = ui::DefaultButton::First) {
        t.messages.expect(text, ui::Buttons::YesNo, icon, defaultButton, ui::ProgramTitle, answer);
    }

    support::TestApp t;
    support::ScriptedUser& user = t.user;
    std::unique_ptr<shell::Module1> m = std::make_unique<shell::Module1>();
    editor::ModifyProcedure* ed;
    editor::UserFixForm* picker;
};

} // namespace editortest
