#pragma once

#include "../editor/Invariant.h"

#include "editor/ModifyProcedure.h"
#include "editor/UserFixForm.h"
#include "reference/UserFixFile.h"
#include "runtime/TextFiles.h"
#include "shell/FindFlyForm.h"
#include "shell/InitialLoad.h"
#include "shell/Module1.h"
#include "shell/PickFile.h"
#include "shell/UsersNameForm.h"
#include "support/TestApp.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace flows {

inline std::filesystem::path bundled(const std::string& relative) {
    return std::filesystem::path(VEXTREL_DATA_DIR) / relative;
}

// The program as a user starts it: a program folder with the settings file
// and the bundled reference files, a simulator folder with its PMDG folder,
// every screen the editor works with, and the main menu in front.
class Flow : public ::testing::Test {
protected:
    Flow() {
        const auto program = t.programFolder.path();
        simulator = program / "Fly2";
        std::filesystem::create_directories(simulator / "PMDG");
        t.programFolder.write("Vextrel.INI",
                              simulator.string() + "\r\nVextrel Examples\r\n 10 \r\n");
        // The large files are read where they are (copied where links are
        // for administrators only, as on Windows); the user fixes, which a
        // save rewrites, are copied.
        for (const char* name : {"AllFlyNavaids.txt", "AllFlyAirports.txt"}) {
            const auto file = bundled(std::string("reference/") + name);
            std::error_code noLink;
            std::filesystem::create_symlink(file, program / name, noLink);
            if (noLink)
                std::filesystem::copy_file(file, program / name);
        }
        std::filesystem::copy_file(bundled("reference/UserFixes.txt"), program / "UserFixes.txt");

        menu = &t.app.add<shell::InitialLoad>(*m);
        pick = &t.app.add<shell::PickFile>(*m);
        t.app.add<shell::UsersNameForm>(*m);
        t.app.add<shell::FindFlyForm>(*m);
        ed = &t.app.add<editor::ModifyProcedure>(*m);
        t.app.add<editor::UserFixForm>(*m);
        t.app.dispatch([this] { menu->load(); });
    }

    std::filesystem::path airportFile(const std::string& icao) const {
        return simulator / "PMDG" / (icao + ".txt");
    }
    // The airport selection: narrowed by the code, then the file clicked.
    void pickAirport(const std::string& typed, const std::string& icao) {
        user.typeInto(pick->PickICAO, typed);
        for (int i = 0; i < pick->FileList.ListCount(); ++i)
            if (pick->FileList.List(i) == icao + ".txt") {
                user.select(pick->FileList, i);
                return;
            }
        FAIL() << icao << ".txt is not listed";
    }
    std::vector<std::string> lines() const {
        std::vector<std::string> out;
        for (int i = 0; i < ed->WaypointList.ListCount(); ++i)
            out.push_back(ed->WaypointList.List(i));
        return out;
    }
    void addNavaid(const std::string& id, const std::string& altitude = "") {
        user.typeInto(ed->AddNavText, id);
        if (!altitude.empty())
            user.typeInto(ed->Alt1Text, altitude);
        user.click(ed->AddWaypointCommand);
        expectLayout();
    }
    void expectLayout() { EXPECT_EQ(editortest::checkInvariant(*m), ""); }

    support::TestApp t;
    support::ScriptedUser& user = t.user;
    std::unique_ptr<shell::Module1> m = std::make_unique<shell::Module1>();
    std::filesystem::path simulator;
    shell::InitialLoad* menu;
    shell::PickFile* pick;
    editor::ModifyProcedure* ed;
};

} // namespace flows
