#pragma once

#include "runtime/RuntimeError.h"
#include "shell/Module1.h"
#include "ui/Forms.h"

#include <filesystem>
#include <string>

namespace shell {

// The first screen: start-up (settings file, reference files) and the main
// menu. Unloading it ends the program.
class InitialLoad : public ui::Form {
public:
    InitialLoad(ui::App& app, Module1& m);

    // What the command line names, used once the program has started: a
    // simulator folder to work in for this run (written to the settings only
    // when there are none yet), or an airport file to open in the editor,
    // its SIDs or, with `stars`, its STARs.
    void startWith(const std::filesystem::path& folderOrFile, bool stars);

    ui::Label Label1{*this, "Label1"};
    ui::CommandButton CreateDP{*this, "CreateDP"};
    ui::CommandButton CreateSTAR{*this, "CreateSTAR"};
    ui::Label Label2{*this, "Label2"};
    ui::CommandButton ModifyDP{*this, "ModifyDP"};
    ui::CommandButton ModifySTAR{*this, "ModifySTAR"};
    ui::CommandButton ExitCommand{*this, "ExitCommand"};

protected:
    void Form_Load() override;
    void Form_Unload() override;

private:
    enum class Phase { Settings, ReferenceFiles };

    void readSettings();
    void openStartFile();
    void recoverMissingSettings();
    void failStartUp(const runtime::RuntimeError& e, Phase phase);
    void CreateProcedure(EditMode mode);
    void ModifyProcedures(EditMode mode, const char* missingFilesLine);

    Module1& m;
    std::string startFolder_;
    std::filesystem::path startFile_;
    bool startStars_ = false;
};

// Loads the reference files, ending the program with a message when they
// cannot be read. Serves start-up and the recovery paths that skip it.
void loadReferenceFilesOrEnd(ui::Form& form, Module1& m);

} // namespace shell
