#pragma once

#include "ui/qt/ControlBinding.h"
#include "ui/qt/FormWindow.h"

#include <QObject>

#include <exception>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace ui {
class App;
class Form;
} // namespace ui

namespace ui::qt {

// The Qt side of the application object: binds each screen to its window,
// keeps the widgets' focus in step with the model's, and is the event
// boundary's Qt end. ProgramEnd closes every window and quits; an error
// nobody handled is shown in a message box and ends the program, as the
// platform's own runtime does, instead of crashing. Needs a QApplication.
class Application {
public:
    explicit Application(ui::App& app);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Binds the screen to a window made from its Designer form: the window
    // is named after the screen and holds a widget for every control.
    // Throws BindError naming what is missing.
    void bind(ui::Form& form, std::unique_ptr<FormWindow> window);
    // Binds every screen of the app to its design (FormDesigns).
    void bindAll();

    FormWindow* window(const ui::Form& form) const;
    QWidget* widget(const ui::Control& control) const;

    // Shows the first screen and runs until the program ends; 0. A first
    // screen that decides itself whether to show (the start-up screen) is
    // only loaded.
    enum class Start { Show, LoadOnly };
    int run(ui::Form& first, Start start = Start::Show);

    ui::App& app() const { return app_; }

    // While the adapter pushes model state to widgets, the widgets' own
    // signals and focus events are not the user's.
    bool syncing() const { return syncDepth_ > 0; }
    class Sync {
    public:
        explicit Sync(Application& owner) : owner_(owner) { ++owner_.syncDepth_; }
        ~Sync() { --owner_.syncDepth_; }
        Sync(const Sync&) = delete;
        Sync& operator=(const Sync&) = delete;

    private:
        Application& owner_;
    };
    // Gives the keyboard focus to the widget of the model's focus owner.
    void syncFocus();
    // Underlines the Alt letter of each button of `form`.
    void showMnemonics(const ui::Form& form);

private:
    struct Screen {
        ui::Form* form;
        std::unique_ptr<FormWindow> window;
        std::vector<std::unique_ptr<ControlBinding>> bindings;
    };
    void applyForm(Screen& screen, int what);
    void showUnhandledError(std::exception_ptr error);
    void quitWhenNothingIsLoaded();
    void closeEverything();

    ui::App& app_;
    // Owns the queued calls, so none outlives this object.
    QObject context_;
    std::vector<std::unique_ptr<Screen>> screens_;
    std::map<const ui::Control*, ControlBinding*> bindings_;
    int syncDepth_ = 0;
    bool running_ = false;
};

// The text of the message for an error nobody handled.
std::string unhandledErrorText(std::exception_ptr error);

} // namespace ui::qt
