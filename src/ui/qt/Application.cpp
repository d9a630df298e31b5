#include "ui/qt/Application.h"

#include "runtime/RuntimeError.h"
#include "ui/App.h"
#include "ui/Captioned.h"
#include "ui/Control.h"
#include "ui/Form.h"
#include "ui/qt/BindError.h"
#include "ui/qt/Binder.h"
#include "ui/qt/ButtonBinding.h"
#include "ui/qt/FormDesigns.h"
#include "ui/qt/MessageBoxes.h"
#include "ui/qt/Text.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDate>
#include <QLocale>
#include <QScreen>
#include <QTimer>

namespace ui::qt {

std::string unhandledErrorText(std::exception_ptr error) {
    try {
        std::rethrow_exception(error);
    } catch (const runtime::RuntimeError& e) {
        // what() starts with the number again; the box shows it once.
        std::string detail = e.what();
        const std::string prefix = "runtime error " + std::to_string(e.number());
        if (detail.rfind(prefix, 0) == 0)
            detail.erase(0, detail.compare(prefix.size(), 2, ": ") == 0 ? prefix.size() + 2
                                                                        : prefix.size());
        return "Run-time error '" + std::to_string(e.number()) + "':\r\n\r\n" + detail;
    } catch (const std::exception& e) {
        return std::string("Run-time error:\r\n\r\n") + e.what();
    } catch (...) {
        return "Run-time error.";
    }
}

Application::Application(ui::App& app) : app_(app) {
    QApplication::setQuitOnLastWindowClosed(false);
    // Folders the program chose (installed or portable) are kept.
    if (app_.folders().program.empty())
        app_.setProgramFolder(fromQt(QCoreApplication::applicationDirPath()));
    app_.setClock([] {
        return fromQt(QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat));
    });
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        app_.setScreenSize(screen->geometry().width(), screen->geometry().height());
    app_.onFocusChanged = [this](ui::Control*) { syncFocus(); };
    app_.onUnhandledError = [this](std::exception_ptr error) { showUnhandledError(error); };
    app_.onEnded = [this] { closeEverything(); };
}

Application::~Application() {
    app_.onFocusChanged = nullptr;
    app_.onUnhandledError = nullptr;
    app_.onEnded = nullptr;
    for (auto& screen : screens_) {
        screen->form->onChanged = nullptr;
        screen->window->onCloseRequested = nullptr;
    }
}

void Application::bind(ui::Form& form, std::unique_ptr<FormWindow> window) {
    if (window == nullptr)
        throw BindError(form.name(), "no design for the screen " + form.name());
    if (window->objectName() != QString::fromStdString(form.name()))
        throw BindError(form.name(), "the design of " + form.name() + " is named " +
                                         fromQt(window->objectName()));
    auto screen = std::make_unique<Screen>();
    screen->form = &form;
    // A helper kept from the screen reader has no widget at all.
    for (ui::Control* control : form.controls())
        if (control->exposed())
            screen->bindings.push_back(bindControl(*this, *control, *window));
    screen->window = std::move(window);

    Screen& s = *screen;
    for (auto& binding : s.bindings) {
        bindings_[&binding->control()] = binding.get();
        binding->applyAll();
    }
    QWidget* previous = nullptr;
    for (ui::Control* control : form.tabOrder()) {
        QWidget* w = widget(*control);
        if (previous != nullptr && w != nullptr && control->focusable())
            QWidget::setTabOrder(previous, w);
        if (w != nullptr && control->focusable())
            previous = w;
    }
    if (form.width() == 0 && form.height() == 0)
        form.setSize(s.window->width(), s.window->height());
    s.window->onCloseRequested = [this, &form] {
        if (!syncing())
            app_.userClose(form);
        quitWhenNothingIsLoaded();
    };
    form.onChanged = [this, &s](ui::FormProperty what) { applyForm(s, static_cast<int>(what)); };
    for (int what :
         {static_cast<int>(ui::FormProperty::Caption), static_cast<int>(ui::FormProperty::Visible)})
        applyForm(s, what);
    screens_.push_back(std::move(screen));
}

void Application::showMnemonics(const ui::Form& form) {
    for (const ui::Control* control : form.controls())
        if (const auto it = bindings_.find(control); it != bindings_.end())
            if (auto* button = dynamic_cast<ButtonBinding*>(it->second))
                button->showMnemonic();
}

void Application::bindAll() {
    for (ui::Form* form : app_.forms())
        bind(*form, createDesignedWindow(form->name()));
}

FormWindow* Application::window(const ui::Form& form) const {
    for (const auto& screen : screens_)
        if (screen->form == &form)
            return screen->window.get();
    return nullptr;
}

QWidget* Application::widget(const ui::Control& control) const {
    const auto it = bindings_.find(&control);
    return it == bindings_.end() ? nullptr : &it->second->widget();
}

void Application::applyForm(Screen& screen, int what) {
    const Sync sync(*this);
    FormWindow& window = *screen.window;
    switch (static_cast<ui::FormProperty>(what)) {
    case ui::FormProperty::Caption:
        window.setWindowTitle(toQt(ui::screenText(screen.form->caption())));
        window.setAccessibleName(window.windowTitle());
        break;
    case ui::FormProperty::Visible:
        if (screen.form->visible()) {
            window.setWindowModality(screen.form->modal() ? Qt::ApplicationModal : Qt::NonModal);
            window.show();
            window.raise();
            window.activateWindow();
            syncFocus();
        } else {
            window.hide();
        }
        break;
    case ui::FormProperty::Position:
        window.move(screen.form->left(), screen.form->top());
        break;
    case ui::FormProperty::Loaded:
        if (!screen.form->isLoaded())
            QTimer::singleShot(0, &context_, [this] { quitWhenNothingIsLoaded(); });
        break;
    }
}

void Application::syncFocus() {
    ui::Control* owner = app_.focusOwner();
    QWidget* w = owner != nullptr ? widget(*owner) : nullptr;
    if (w == nullptr || QApplication::focusWidget() == w)
        return;
    const Sync sync(*this);
    // Focus given in code brings its window to the front, as on the
    // platform; so does the end of a modal box.
    if (w->isVisible() && !w->isActiveWindow() && QApplication::activeModalWidget() == nullptr)
        w->activateWindow();
    w->setFocus(Qt::OtherFocusReason);
    if (auto it = bindings_.find(owner); it != bindings_.end())
        it->second->apply(ui::Property::Selection);
}

void Application::showUnhandledError(std::exception_ptr error) {
    ui::Message message;
    message.prompt = unhandledErrorText(error);
    message.icon = ui::Icon::Critical;
    makeMessageBox(message, QApplication::activeWindow())->exec();
}

// The platform ends a program whose screens are all unloaded.
void Application::quitWhenNothingIsLoaded() {
    if (app_.ended())
        return;
    for (const auto& screen : screens_)
        if (screen->form->isLoaded())
            return;
    app_.dispatch([this] { app_.End(); });
}

void Application::closeEverything() {
    const Sync sync(*this);
    for (auto& screen : screens_)
        screen->window->hide();
    // Only the loop run() started is left; an exit with no loop running
    // would make the next modal box return at once.
    if (running_)
        QCoreApplication::exit(0);
}

int Application::run(ui::Form& first, Start start) {
    app_.dispatch([&first, start] {
        if (start == Start::LoadOnly)
            first.load();
        else
            first.show();
    });
    if (app_.ended())
        return 0;
    running_ = true;
    const int code = QApplication::exec();
    running_ = false;
    return code;
}

} // namespace ui::qt
