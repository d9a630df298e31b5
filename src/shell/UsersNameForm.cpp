#include "shell/UsersNameForm.h"

#include "runtime/RuntimeError.h"
#include "shell/Settings.h"

namespace shell {

UsersNameForm::UsersNameForm(ui::App& app, Module1& module)
    : ui::Form(app, "UsersNameForm"), m(module) {
    setCaption("Project Designer");
    Label1.setCaption("If you would like your name printed in the output file as the author "
                      "please type in your name here.");
    NextCommand.setCaption("Next");
    AuthorText.setAccessibleName("Author's name");
    AuthorText.Change = [this] { typedName_ = AuthorText.text(); };
    AuthorText.KeyPress = [this](int& key) {
        if (key == ui::KeyEnter)
            NextCommand.setFocus();
    };
    NextCommand.Click = [this] { NextCommand_Click(); };
    setTabOrder({&AuthorText, &NextCommand});
}

void UsersNameForm::NextCommand_Click() {
    try {
        writeSettings(m.SettingsPath, storedFolder(m.FlyFolder), typedName_, m.StepAngle);
    } catch (const runtime::RuntimeError& e) {
        MsgBox("I could not write the settings file " + m.SettingsPath.string() + " (error " +
               std::to_string(e.number()) +
               ").\r\nYour name is used until the program ends but will be asked for again.");
    }
    m.AuthorName = typedName_;
    app().show("InitialLoad");
    unload();
}

} // namespace shell
