#include "ui/qt/FormDesigns.h"

// Each screen's design: include its generated header here and add a line
// to the table below.
#include "ui_AddARC.h"
#include "ui_FindFlyForm.h"
#include "ui_FindWaypointForm.h"
#include "ui_InitialLoad.h"
#include "ui_ModifyProcedure.h"
#include "ui_PickFile.h"
#include "ui_RunwayForm.h"
#include "ui_UserFixForm.h"
#include "ui_UsersNameForm.h"

#include <map>
#include <string>

namespace ui::qt {

namespace {

using Setup = void (*)(QWidget& window);

template <class Design> void setUp(QWidget& window) {
    Design design;
    design.setupUi(&window);
}

const std::map<std::string, Setup, std::less<>>& designs() {
    static const std::map<std::string, Setup, std::less<>> table = {
        {"InitialLoad", &setUp<Ui::InitialLoad>},
        {"PickFile", &setUp<Ui::PickFile>},
        {"UsersNameForm", &setUp<Ui::UsersNameForm>},
        {"FindFlyForm", &setUp<Ui::FindFlyForm>},
        {"AddARC", &setUp<Ui::AddARC>},
        {"FindWaypointForm", &setUp<Ui::FindWaypointForm>},
        {"RunwayForm", &setUp<Ui::RunwayForm>},
        {"UserFixForm", &setUp<Ui::UserFixForm>},
        {"ModifyProcedure", &setUp<Ui::ModifyProcedure>},
    };
    return table;
}

} // namespace

std::unique_ptr<FormWindow> createDesignedWindow(std::string_view formName) {
    const auto it = designs().find(formName);
    if (it == designs().end())
        return nullptr;
    auto window = std::make_unique<FormWindow>();
    it->second(*window);
    return window;
}

} // namespace ui::qt
