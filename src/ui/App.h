#pragma once

#include "ui/Folders.h"
#include "ui/Form.h"
#include "ui/Messages.h"

#include <exception>
#include <filesystem>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

class Control;
class DirListBox;
class DriveListBox;
class ListControl;
class TextBox;

// The application object: owns one instance of each screen, holds the
// focus, the message port, the clock and the folders, and is the
// event boundary every user action passes through.
class App {
public:
    explicit App(Messages& messages);
    ~App();
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    // Makes the screen F(app, args...) and keeps it for the whole run.
    template <class F, class... Args> F& add(Args&&... args) {
        auto form = std::make_unique<F>(*this, std::forward<Args>(args)...);
        F& ref = *form;
        owned_.push_back(std::move(form));
        return ref;
    }
    // Every screen made with this app, owned or not, in the order made.
    const std::vector<Form*>& forms() const { return forms_; }
    Form* findForm(std::string_view name) const;
    // Throws std::out_of_range naming the screen when there is none.
    Form& form(std::string_view name) const;
    template <class F> F& get() const {
        for (Form* f : forms_)
            if (auto* found = dynamic_cast<F*>(f))
                return *found;
        throw std::out_of_range("no screen of the requested type");
    }
    void show(std::string_view name) { form(name).show(); }
    void hide(std::string_view name) { form(name).hide(); }
    void unload(std::string_view name) { form(name).unload(); }

    // Ends the program (rule 8): throws ProgramEnd to the event boundary.
    [[noreturn]] void End();
    bool ended() const { return ended_; }

    Control* focusOwner() const { return focus_; }

    Messages& messages() const;
    void setMessages(Messages& messages) { messages_ = &messages; }
    // Today's date as the "Generated" line prints it.
    std::string today() const;
    void setClock(std::function<std::string()> clock) { clock_ = std::move(clock); }
    const std::filesystem::path& programFolder() const { return folders_.program; }
    // Keeps every file in one folder, as a portable program does.
    void setProgramFolder(const std::filesystem::path& folder) {
        folders_ = Folders::portable(folder);
    }
    const Folders& folders() const { return folders_; }
    void setFolders(Folders folders) { folders_ = std::move(folders); }
    int screenWidth() const { return screenWidth_; }
    int screenHeight() const { return screenHeight_; }
    void setScreenSize(int width, int height);

    // The event boundary: runs one event. Around the outermost one, every
    // loaded form hears that it begins and that it ended (not when the
    // program ended in it). ProgramEnd ends the program
    // (every form hidden, onEnded called). Any other exception goes to
    // onUnhandledError, or is rethrown when there is none. After the end
    // nothing runs.
    void dispatch(const std::function<void()>& event);
    std::function<void(std::exception_ptr)> onUnhandledError;
    std::function<void()> onEnded;
    // Called after each focus move, with the new owner (or none).
    std::function<void(Control*)> onFocusChanged;

    // Input from the user, for the adapter and the scripted user; screens
    // never call these. Each is one event through dispatch().
    //
    // Mouse press: moves the focus there (rule 3). True when the control
    // holds the focus afterwards and is enabled, so the click may go on.
    bool userPress(Control& control);
    // Mouse release: delivers the click only when the control still has
    // the focus and is enabled (rule 4).
    void userRelease(Control& control);
    // Press and release.
    void userClick(Control& control);
    // A click on entry index of a list.
    void userSelect(ListControl& list, int index);
    // The arrow keys moved a list's selection to index; Enter on a list.
    void userSelectByKeys(ListControl& list, int index);
    void userEnter(ListControl& list);
    // A double click: on a list, the click on the entry first.
    void userDoubleClick(Control& control);
    void userDoubleClick(ListControl& list, int index);
    // One keystroke into the box that has the focus.
    void userKey(TextBox& box, int keyAscii);
    // An edit that is no keystroke (paste, Delete, cut).
    void userEdit(TextBox& box, std::string text, int caret);
    // Tab / Shift+Tab in the form that holds the focus.
    void userTab(bool forward = true);
    // Picking a drive in a drive list.
    void userChangeDrive(DriveListBox& drives, const std::string& drive);
    // Keys pressed in `form` (see CommandButton::shortcuts): a click on the
    // button they name, with the focus moving there first (rule 4). False
    // when no button of the form has them.
    bool userShortcut(Form& form, std::string_view keys);
    // The window's close box: unloads the screen.
    void userClose(Form& form);

private:
    friend class Control;
    friend class Form;
    void addForm(Form& form);
    void removeForm(Form& form);
    // A focus move (rule 3): the old owner's LostFocus runs after it,
    // unless the move happens inside a LostFocus.
    void moveFocus(Control* to);
    // The control leaves without LostFocus (hidden, disabled, unloaded).
    void dropFocus(const Control& control);
    void dropFocus(const Form& form);
    void endProgram();
    void eachLoadedForm(void (Form::*hook)());

    Messages* messages_;
    std::vector<std::unique_ptr<Form>> owned_;
    std::vector<Form*> forms_;
    Control* focus_ = nullptr;
    bool inLostFocus_ = false;
    // Another shown screen waits for an answer.
    bool blockedByModal(const Form& form) const;
    // The control whose check waits: the focus left it for a control that
    // does not cause validation.
    Control* unchecked_ = nullptr;
    int depth_ = 0;
    bool ended_ = false;
    std::function<std::string()> clock_;
    Folders folders_;
    int screenWidth_ = 1024;
    int screenHeight_ = 768;
};

} // namespace ui
