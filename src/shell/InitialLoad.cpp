#include "shell/InitialLoad.h"

#include "reference/NavaidTable.h"
#include "runtime/RuntimeError.h"
#include "runtime/TextFiles.h"
#include "shell/ProgramFolders.h"
#include "shell/Registry.h"
#include "shell/Settings.h"

namespace shell {

namespace {

constexpr const char* TerminationTitle = "Program termination.";

void endWithMessage(ui::Form& form, const std::string& text) {
    form.MsgBox(text, ui::Buttons::OK, ui::Icon::Critical, ui::DefaultButton::First,
                TerminationTitle);
    form.End();
}

std::string unexpectedError(int number) {
    return "There was an unexpected error (" + std::to_string(number) +
           ").\r\nPlease report to author that an unknown error occured.\r\nThis program can "
           "not run with this fatal error and must now terminate.";
}

// A file the program cannot use, named with the line at fault, so the user
// knows what to mend.
std::string unreadableFile(const runtime::RuntimeError& e) {
    std::string where = e.file().string();
    if (e.line() > 0)
        where += ", line " + std::to_string(e.line()) + ": " + e.detail();
    return "There is a problem with the file " + where + " (error " + std::to_string(e.number()) +
           ").\r\nThis program can not run without its data files and must now terminate.";
}

std::string navaidFileMissing(const std::filesystem::path& referenceFolder) {
    return "I could not find the navaid file " +
           (referenceFolder / reference::NavaidFileName).string() +
           ".\r\nThis program can not run without the data files and must now terminate.";
}

} // namespace

InitialLoad::InitialLoad(ui::App& app, Module1& module) : ui::Form(app, "InitialLoad"), m(module) {
    setCaption("Vextrel");
    Label1.setCaption("   -- New Airport  --  Start with");
    CreateDP.setCaption("SIDs");
    CreateSTAR.setCaption("STARs");
    Label2.setCaption("-- Old Airport --     Modify/Add");
    ModifyDP.setCaption("SIDs");
    ModifySTAR.setCaption("STARs");
    ExitCommand.setCaption("EXIT");
    CreateDP.setAccessibleName("New airport: SIDs");
    CreateSTAR.setAccessibleName("New airport: STARs");
    ModifyDP.setAccessibleName("Old airport: SIDs");
    ModifySTAR.setAccessibleName("Old airport: STARs");

    CreateDP.Click = [this] { CreateProcedure(EditMode::CreateSIDs); };
    CreateSTAR.Click = [this] { CreateProcedure(EditMode::CreateSTARs); };
    ModifyDP.Click = [this] {
        ModifyProcedures(EditMode::ModifySIDs, "I could not find the 777 data files.");
    };
    ModifySTAR.Click = [this] {
        ModifyProcedures(EditMode::ModifySTARs, "I could not find the 777 STAR data files.");
    };
    ExitCommand.Click = [this] {
        unload();
        End();
    };
}

void InitialLoad::startWith(const std::filesystem::path& folderOrFile, bool stars) {
    std::error_code ec;
    startFolder_.clear();
    startFile_.clear();
    if (std::filesystem::is_directory(folderOrFile, ec))
        startFolder_ = folderOrFile.string();
    else
        startFile_ = folderOrFile;
    startStars_ = stars;
}

void InitialLoad::Form_Load() {
    hide();
    m.StepAngle = defaultStepAngle();
    try {
        placeUserFiles(app().folders());
    } catch (const runtime::RuntimeError& e) {
        failStartUp(e, Phase::Settings);
        return;
    }
    // A short settings file is completed once and read again.
    for (bool completed = false;;) {
        Phase phase = Phase::Settings;
        try {
            m.Store.FixCount = 0;
            m.SettingsPath = app().folders().settings / SettingsFileName;
            readSettings();
            if (!startFolder_.empty())
                m.FlyFolder = startFolder_;
            show();
            phase = Phase::ReferenceFiles;
            loadReferenceFiles(m, app().folders());
            openStartFile();
            return;
        } catch (const runtime::RuntimeError& e) {
            if (phase == Phase::Settings && e.number() == runtime::InputPastEndOfFile &&
                !completed) {
                completed = true;
                try {
                    writeSettings(m.SettingsPath, m.FlyFolder, m.AuthorName, m.StepAngle);
                    continue;
                } catch (const runtime::RuntimeError& writeError) {
                    failStartUp(writeError, phase);
                    return;
                }
            }
            if (phase == Phase::Settings && e.number() == runtime::FileNotFound) {
                recoverMissingSettings();
                return;
            }
            failStartUp(e, phase);
            return;
        }
    }
}

void InitialLoad::readSettings() {
    runtime::LineReader reader = runtime::LineReader::open(m.SettingsPath);
    m.FlyFolder = reader.readLine();
    m.AuthorName = reader.readLine();
    m.StepAngle = reader.readLine();
}

void InitialLoad::openStartFile() {
    if (startFile_.empty())
        return;
    m.DataFolder = startFile_.parent_path();
    m.AirportFileName = startFile_.filename().string();
    m.EditMode = startStars_ ? EditMode::ModifySTARs : EditMode::ModifySIDs;
    startFile_.clear();
    app().show("ModifyProcedure");
    if (m.BackToMenu) {
        app().unload("ModifyProcedure");
        show();
    }
}

void InitialLoad::recoverMissingSettings() {
    m.FlyFolder =
        startFolder_.empty() ? ReadSimulatorFolder(app().folders().settings) : startFolder_;
    if (m.FlyFolder.empty()) {
        hide();
        m.LocatorMode = 'F';
        app().show("FindFlyForm");
        return;
    }
    // The reference files are read here too: skipping them would leave every
    // name unresolvable until the next start. They are read first, so that a
    // file that cannot be read ends the program before anything is written.
    loadReferenceFilesOrEnd(*this, m);
    m.AuthorName.clear();
    m.SettingsPath = app().folders().settings / SettingsFileName;
    try {
        writeSettings(m.SettingsPath, storedFolder(m.FlyFolder), m.AuthorName, m.StepAngle, 1);
    } catch (const runtime::RuntimeError& e) {
        failStartUp(e, Phase::Settings);
        return;
    }
    app().show("UsersNameForm");
}

void InitialLoad::failStartUp(const runtime::RuntimeError& e, Phase phase) {
    if (phase == Phase::ReferenceFiles && e.number() == runtime::FileNotFound)
        endWithMessage(*this, navaidFileMissing(app().folders().reference));
    if (e.number() == runtime::PathNotFound) {
        endWithMessage(*this, "I could not find the PMDG 777 folder.\r\nPlease insure 777 files "
                              "are loaded.\r\nThis program can not convert without the data "
                              "files and must now terminate.");
    }
    if (!e.file().empty())
        endWithMessage(*this, unreadableFile(e));
    endWithMessage(*this, unexpectedError(e.number()));
}

void loadReferenceFilesOrEnd(ui::Form& form, Module1& m) {
    try {
        loadReferenceFiles(m, form.app().folders());
    } catch (const runtime::RuntimeError& e) {
        if (e.number() == runtime::FileNotFound)
            endWithMessage(form, navaidFileMissing(form.app().folders().reference));
        if (!e.file().empty())
            endWithMessage(form, unreadableFile(e));
        endWithMessage(form, unexpectedError(e.number()));
    }
}

void InitialLoad::Form_Unload() {
    End();
}

void InitialLoad::CreateProcedure(EditMode mode) {
    m.DataFolder = dataFolderOf(m.FlyFolder);
    m.EditMode = mode;
    // A new airport starts with no code in the editor's box.
    m.TypedICAO.clear();
    app().show("ModifyProcedure");
}

void InitialLoad::ModifyProcedures(EditMode mode, const char* missingFilesLine) {
    m.DataFolder = dataFolderOf(m.FlyFolder);
    try {
        ui::Form& pick = app().form("PickFile");
        if (pick.isLoaded())
            pick.unload();
        m.EditMode = mode;
        pick.show();
    } catch (const runtime::RuntimeError& e) {
        if (e.number() == runtime::FileNotFound) {
            hide();
            app().show("FindFlyForm");
        } else if (e.number() == runtime::PathNotFound) {
            endWithMessage(*this, std::string(missingFilesLine) +
                                      "\r\nThis program can not run without the data files and "
                                      "must now terminate.");
        }
    }
}

} // namespace shell
