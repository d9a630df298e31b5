// Wires the shared state, the screens and the Qt adapter together.
#include "arc/AddARC.h"
#include "arc/FindWaypointForm.h"
#include "editor/ModifyProcedure.h"
#include "editor/UserFixForm.h"
#include "shell/FindFlyForm.h"
#include "shell/InitialLoad.h"
#include "shell/Module1.h"
#include "shell/PickFile.h"
#include "shell/ProgramFolders.h"
#include "shell/UsersNameForm.h"
#include "transitions/RunwayForm.h"
#include "ui/Forms.h"
#include "ui/qt/Application.h"
#include "ui/qt/BindError.h"
#include "ui/qt/MessageBoxes.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDate>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
#include <QScreen>
#include <QStandardPaths>

#include <filesystem>
#include <memory>
#include <string_view>

namespace {

// Help and version need no display, so they are answered without one.
bool onlyText(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "-h" || arg == "-?" || arg == "--help" || arg == "--help-all" || arg == "-v" ||
            arg == "--version")
            return true;
    }
    return false;
}

std::filesystem::path toPath(const QString& folder) {
    return std::filesystem::path(folder.toStdU16String()).lexically_normal();
}

ui::Folders programFolders() {
    const auto program = toPath(QCoreApplication::applicationDirPath());
    return shell::chooseFolders(
        program, {(program / VEXTREL_DATA_FROM_BIN).lexically_normal(),
                  toPath(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)),
                  toPath(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))});
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication::setApplicationName("Vextrel");
    QCoreApplication::setApplicationVersion(VEXTREL_VERSION);
    const std::unique_ptr<QCoreApplication> qtApp =
        onlyText(argc, argv) ? std::make_unique<QCoreApplication>(argc, argv)
                             : std::make_unique<QApplication>(argc, argv);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Edits the SIDs, STARs and runway transitions of an airport's procedure file.");
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption stars("stars", "Open the airport file's STARs instead of its SIDs.");
    const QCommandLineOption dumps(
        "debug-dumps", "Write the tables to the user's data folder when a leg is moved.");
    parser.addOption(stars);
    parser.addOption(dumps);
    parser.addPositionalArgument("file-or-folder",
                                 "An airport file to open, or the simulator folder to work in.",
                                 "[FILE|FOLDER]");
    parser.process(*qtApp);
    if (parser.positionalArguments().size() > 1)
        parser.showHelp(2);

    auto m = std::make_unique<shell::Module1>();
    ui::qt::MessageBoxes boxes;
    ui::App app(boxes);
    app.setFolders(programFolders());
    // Table dumps for debugging, only on request.
    if (parser.isSet(dumps))
        m->DumpFolder = app.folders().userData;
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
    if (!parser.positionalArguments().isEmpty())
        menu.startWith(toPath(QFileInfo(parser.positionalArguments().front()).absoluteFilePath()),
                       parser.isSet(stars));
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
