#pragma once

#include "runtime/TextFiles.h"
#include "shell/FindFlyForm.h"
#include "shell/InitialLoad.h"
#include "shell/Module1.h"
#include "shell/PickFile.h"
#include "shell/Settings.h"
#include "shell/UsersNameForm.h"
#include "support/TestApp.h"

#include <gtest/gtest.h>

#include <memory>

namespace shelltest {

// Stands in for the procedure editor: records how it was opened.
class EditorDouble : public ui::Form {
public:
    EditorDouble(ui::App& app, shell::Module1& m) : ui::Form(app, "ModifyProcedure"), m_(m) {}
    std::vector<std::pair<shell::EditMode, std::string>> opened;
    bool declineOnLoad = false;

protected:
    void Form_Load() override {
        opened.emplace_back(m_.EditMode, m_.AirportFileName);
        if (declineOnLoad)
            m_.BackToMenu = store::True;
    }

private:
    shell::Module1& m_;
};

inline const char* const Navaids = "\"OLM\",-1.5,-78.2,0\r\n\"OLM\",46.97,-122.9,113.4\r\n"
                                   "\"SEA\",47.435,-122.309,116.8\r\n";
inline const char* const Airports = "\"KSEA\",\"Seattle Tacoma Intl\",47.449,-122.309\r\n";
inline const char* const UserFixes = "\"HAROB\",\"\",\"47\",\"14.60\",\"N\",\"123\",\"2.45\",\"W\","
                                     "\"\",0,0\r\n";

class ShellTest : public ::testing::Test {
protected:
    ShellTest() {
        auto& app = t.app;
        menu = &app.add<shell::InitialLoad>(*m);
        pick = &app.add<shell::PickFile>(*m);
        name = &app.add<shell::UsersNameForm>(*m);
        locator = &app.add<shell::FindFlyForm>(*m);
        editor = &app.add<EditorDouble>(*m);
    }

    // The program starts by loading its first screen, which shows itself
    // once the settings are read.
    void startProgram() {
        t.app.dispatch([this] { menu->load(); });
    }
    std::filesystem::path folder() const { return t.programFolder.path(); }
    // A simulator folder with two airport files and a matching settings file.
    void installSimulator() {
        t.programFolder.write("sim/PMDG/KSEA.txt", "FIXES\r\nENDFIXES\r\n");
        t.programFolder.write("sim/PMDG/KLAX.txt", "FIXES\r\nENDFIXES\r\n");
        t.programFolder.write("Vextrel.INI", sim.string() + "\r\nAnn Author\r\n 10 \r\n");
    }
    void installReferenceFiles(bool navaids = true) {
        if (navaids)
            t.programFolder.write("AllFlyNavaids.txt", Navaids);
        t.programFolder.write("AllFlyAirports.txt", Airports);
        t.programFolder.write("UserFixes.txt", UserFixes);
    }
    // The usual start: simulator, settings and reference files in place.
    void startInstalled() {
        installSimulator();
        installReferenceFiles();
        startProgram();
    }
    std::vector<std::string> listed() const {
        std::vector<std::string> names;
        for (int i = 0; i < pick->FileList.ListCount(); ++i)
            names.push_back(pick->FileList.List(i));
        return names;
    }
    std::string fileText(const std::string& name) const {
        return runtime::readWholeFile(folder() / name);
    }
    void expectTermination(const std::string& message) {
        t.messages.expect(message, ui::Buttons::OK, ui::Icon::Critical, ui::DefaultButton::First,
                          "Program termination.", ui::answers::OK);
    }

    support::TestApp t;
    const std::filesystem::path sim = folder() / "sim";
    std::unique_ptr<shell::Module1> m = std::make_unique<shell::Module1>();
    shell::InitialLoad* menu;
    shell::PickFile* pick;
    shell::UsersNameForm* name;
    shell::FindFlyForm* locator;
    EditorDouble* editor;
};

} // namespace shelltest
