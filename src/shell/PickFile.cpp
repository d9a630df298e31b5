#include "shell/PickFile.h"

#include "runtime/RuntimeError.h"

namespace shell {

PickFile::PickFile(ui::App& app, Module1& module) : ui::Form(app, "PickFile"), m(module) {
    setCaption("Airport Select");
    // The menu behind waits until a file is chosen or the list is left.
    setModal(true);
    Label1.setCaption("Type in ICAO    to search");
    DoneCommand.setCaption(" Oops!  Start Over");
    PickICAO.setAccessibleName("Airport ICAO");
    FileList.setAccessibleName("Airport files");
    DoneCommand.makeLeaveButton();
    // File names match the typed code whatever its case, as they do on
    // Windows, where the airport files come from.
    FileList.setCaseSensitive(false);
    // A click opens the file: the arrow keys only walk the list.
    FileList.setClickOnEnter(true);

    PickICAO.Change = [this] { PickICAO_Change(); };
    PickICAO.KeyPress = [this](int& key) {
        if (key == ui::KeyEnter) {
            key = 0;
            PickICAO_Enter();
        }
    };
    FileList.Click = [this] { FileList_Click(); };
    DoneCommand.Click = [this] { unload(); };
    setTabOrder({&PickICAO, &FileList, &DoneCommand});
}

void PickFile::Form_Load() {
    try {
        FileList.setPath(m.DataFolder.string());
        m.AirportFileName.clear();
    } catch (const runtime::RuntimeError& e) {
        if (e.number() == runtime::FileNotFound) {
            app().hide("InitialLoad");
            app().show("FindFlyForm");
        } else if (e.number() == runtime::PathNotFound) {
            MsgBox("I could not find the PMDG 777 data files in " + m.FlyFolder +
                       ".\r\nPlease insure the 777 PMDG folder has been created within the Fly2 "
                       "folder.\r\nThis program can not run without the data files and must now "
                       "terminate.",
                   ui::Buttons::OK, ui::Icon::Critical, ui::DefaultButton::First,
                   "Program termination.");
            End();
        }
    }
}

void PickFile::PickICAO_Change() {
    PickICAO.setFocus();
    FileList.setPattern(PickICAO.text() + "*");
}

void PickFile::PickICAO_Enter() {
    // The one file the typed code names opens; among several, the choice
    // goes on in the list.
    if (FileList.ListCount() == 1) {
        FileList.setListIndex(0);
        FileList_Click();
    } else if (FileList.ListCount() > 1) {
        FileList.setListIndex(0);
        FileList.setFocus();
    }
}

void PickFile::FileList_Click() {
    m.AirportFileName = FileList.FileName();
    hide();
    app().show("ModifyProcedure");
    if (m.BackToMenu) {
        app().unload("ModifyProcedure");
        app().show("InitialLoad");
    }
    unload();
}

} // namespace shell
