// Wires the shared state, the screens and the Qt adapter together.
#include "arc/AddARC.h"
#include "arc/FindWaypointForm.h"
#include "editor/ModifyProcedure.h"
#include "editor/UserFixForm.h"
#include "shell/FindFlyForm.h"
#include "shell/InitialLoad.h"
#include "shell/Module1.h"
#include "shell/PickFile.h"
#include "shell/UsersNameForm.h"
#include "transitions/RunwayForm.h"
#include "ui/Forms.h"
#include "ui/qt/Application.h"
#include "ui/qt/BindError.h"
#include "ui/qt/MessageBoxes.h"

#include <QApplication>
#include <QDate>
#include <QLocale>
#include <QMessageBox>
#include <QScreen>

#include <memory>

int main(int argc, char** argv) {
    QApplication qtApp(argc, argv);
    QApplication::setApplicationName("Vextrel");

    auto m = std::make_unique<shell::Module1>();
    ui::qt::MessageBoxes boxes;
    ui::App app(boxes);
    app.setProgramFolder(QCoreApplication::applicationDirPath().toStdString());
    // Table dumps for debugging go to the program folder, and only on request.
    if (QCoreApplication::arguments().contains("--debug-dumps"))
        m->DumpFolder = app.programFolder();
    app.setClock([] {
        return QDate::currentDate()
            .toString(QLocale::system().dateFormat(QLocale::ShortFormat))
            .toLocal8Bit()
            .toStdString();
    });
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        app.setScreenSize(area.width(), area.height());
    }

    auto& menu = app.add<shell::InitialLoad>(*m);
    app.add<shell::PickFile>(*m);
    app.add<shell::UsersNameForm>(*m);
    app.add<shell::FindFlyForm>(*m);
    auto& procedureEditor = app.add<editor::ModifyProcedure>(*m);
    app.add<editor::UserFixForm>(*m);
    app.add<transitions::RunwayForm>(*m, procedureEditor);
    app.add<arc::AddARC>(*m);
    app.add<arc::FindWaypointForm>(*m);

    ui::qt::Application adapter(app);
    try {
        adapter.bindAll();
    } catch (const ui::qt::BindError& e) {
        QMessageBox::critical(nullptr, "Vextrel", QString::fromStdString(e.what()));
        return 1;
    }
    return adapter.run(menu, ui::qt::Application::Start::LoadOnly);
}
