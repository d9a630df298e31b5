// Rules 6 and 8: loading, showing, unloading, the application object and
// the end of the program.
#include "TestScreen.h"

#include "support/TestApp.h"

#include "runtime/RuntimeError.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using testing::ElementsAre;

namespace {

class Menu : public ui::Form {
public:
    explicit Menu(ui::App& app) : Form(app, "Menu") {
        ExitCommand.Click = [this] {
            ran.push_back("ExitCommand_Click");
            End();
            ran.push_back("after End");
        };
        EditCommand.Click = [this] {
            hide();
            this->app().show("TestScreen");
        };
        FailCommand.Click = [] { throw runtime::RuntimeError(53); };
    }
    void Form_Load() override { ran.push_back("Menu Form_Load"); }
    void Form_Unload() override {
        ran.push_back("Menu Form_Unload");
        End();
    }

    ui::CommandButton EditCommand{*this, "EditCommand"};
    ui::CommandButton ExitCommand{*this, "ExitCommand"};
    ui::CommandButton FailCommand{*this, "FailCommand"};
    std::vector<std::string> ran;
};

struct FormTest : testing::Test {
    support::TestApp h;
    Menu& menu = h.app.add<Menu>();
    TestScreen& screen = h.app.add<TestScreen>();
};

TEST_F(FormTest, ShowLoadsOnceThenShows) {
    EXPECT_FALSE(screen.isLoaded());
    screen.show();
    screen.hide();
    screen.show();
    EXPECT_TRUE(screen.isLoaded());
    EXPECT_TRUE(screen.visible());
    EXPECT_THAT(screen.log, ElementsAre("Form_Load"));
}

TEST_F(FormTest, LoadRunsFormLoadWithoutShowing) {
    screen.load();
    EXPECT_TRUE(screen.isLoaded());
    EXPECT_FALSE(screen.visible());
    EXPECT_THAT(screen.log, ElementsAre("Form_Load"));
}

TEST_F(FormTest, UnloadRunsFormUnloadAndPutsBackTheDesignState) {
    screen.show();
    screen.setCaption("Changed");
    screen.IdentText.setText("KSEA");
    screen.IdentText.setForeColor(ui::colors::Red);
    screen.IdentText.setMaxLength(2);
    screen.NameText.setEnabled(false);
    screen.OkCommand.setCaption("Save");
    screen.SouthOption.setValue(true);
    screen.FloatCheck.setValue(1);
    screen.WaypointList.AddItem("SEA");
    screen.WaypointList.setListIndex(0);
    screen.OtherText.setVisible(false);
    screen.log.clear();

    screen.unload();

    EXPECT_THAT(screen.log, ElementsAre("Form_Unload"));
    EXPECT_FALSE(screen.isLoaded());
    EXPECT_FALSE(screen.visible());
    EXPECT_EQ(screen.caption(), "Test Screen");
    EXPECT_EQ(screen.IdentText.text(), "");
    EXPECT_EQ(screen.IdentText.foreColor(), ui::colors::ButtonText);
    EXPECT_EQ(screen.IdentText.maxLength(), 4);
    EXPECT_TRUE(screen.NameText.enabled());
    EXPECT_EQ(screen.OkCommand.caption(), "OK");
    EXPECT_TRUE(screen.NorthOption.value());
    EXPECT_FALSE(screen.SouthOption.value());
    EXPECT_EQ(screen.FloatCheck.value(), 0);
    EXPECT_EQ(screen.WaypointList.ListCount(), 0);
    EXPECT_EQ(screen.WaypointList.listIndex(), -1);
    EXPECT_TRUE(screen.OtherText.visible());
    EXPECT_EQ(h.app.focusOwner(), nullptr);

    screen.show();
    EXPECT_THAT(screen.log, ElementsAre("Form_Unload", "Form_Load"));
}

TEST_F(FormTest, UnloadFromInsideFormUnloadDoesNotRecurse) {
    screen.show();
    screen.log.clear();
    int calls = 0;
    struct Reentrant : TestScreen {
        using TestScreen::TestScreen;
        int* calls = nullptr;
        void Form_Unload() override {
            ++*calls;
            unload();
        }
    } reentrant(h.app, "Reentrant");
    reentrant.calls = &calls;
    reentrant.show();
    reentrant.unload();
    EXPECT_EQ(calls, 1);
    EXPECT_FALSE(reentrant.isLoaded());
}

TEST_F(FormTest, UnloadOfAFormNotLoadedDoesNothing) {
    screen.unload();
    EXPECT_TRUE(screen.log.empty());
}

TEST_F(FormTest, ScreensAreFoundByNameAndType) {
    EXPECT_EQ(&h.app.form("Menu"), &menu);
    EXPECT_EQ(&h.app.get<TestScreen>(), &screen);
    EXPECT_EQ(h.app.findForm("Nowhere"), nullptr);
    EXPECT_THROW(h.app.form("Nowhere"), std::out_of_range);
    EXPECT_EQ(screen.find("OkCommand"), &screen.OkCommand);
    EXPECT_EQ(screen.find("Nothing"), nullptr);
}

TEST_F(FormTest, ScreensReachEachOtherThroughTheApp) {
    h.user.start(menu);
    h.user.click(menu.EditCommand);
    EXPECT_FALSE(menu.visible());
    EXPECT_TRUE(screen.visible());
    EXPECT_TRUE(screen.IdentText.hasFocus());
}

TEST_F(FormTest, EndStopsTheHandlerAndClosesEveryWindowWithoutUnloadEvents) {
    bool endedSeen = false;
    h.app.onEnded = [&] { endedSeen = true; };
    h.user.start(menu);
    screen.show();
    h.user.click(menu.ExitCommand);

    EXPECT_TRUE(h.app.ended());
    EXPECT_TRUE(endedSeen);
    EXPECT_THAT(menu.ran, ElementsAre("Menu Form_Load", "ExitCommand_Click"));
    EXPECT_FALSE(menu.visible());
    EXPECT_FALSE(screen.visible());
    EXPECT_THAT(screen.log, ElementsAre("Form_Load", "IdentText_LostFocus, focus in ExitCommand"));

    // The program is gone: nothing the user does runs any more.
    h.user.click(menu.EditCommand);
    h.user.typeInto(screen.IdentText, "K");
    EXPECT_EQ(screen.IdentText.text(), "");
}

TEST_F(FormTest, ClosingTheWindowUnloadsTheScreenAndItsUnloadMayEndTheProgram) {
    h.user.start(menu);
    h.user.close(menu);
    EXPECT_THAT(menu.ran, ElementsAre("Menu Form_Load", "Menu Form_Unload"));
    EXPECT_TRUE(h.app.ended());
}

TEST_F(FormTest, AMessageAnsweredAfterTheEndRunsNoMoreHandlerCode) {
    // A nested event loop (a modal box) can end the program; the handler
    // that opened the box must not go on.
    struct EndingMessages : ui::Messages {
        ui::App* app = nullptr;
        int show(const ui::Message&) override {
            app->dispatch([this] { app->End(); });
            return ui::answers::OK;
        }
    } ending;
    ending.app = &h.app;
    h.app.setMessages(ending);
    bool after = false;
    menu.EditCommand.Click = [&] {
        menu.MsgBox("Bye");
        after = true;
    };
    h.user.start(menu);
    h.user.click(menu.EditCommand);
    EXPECT_TRUE(h.app.ended());
    EXPECT_FALSE(after);
}

TEST_F(FormTest, AnUnhandledErrorGoesToTheHookAndEndsTheProgram) {
    int number = 0;
    h.app.onUnhandledError = [&](std::exception_ptr e) {
        try {
            std::rethrow_exception(e);
        } catch (const runtime::RuntimeError& error) {
            number = error.number();
        }
    };
    h.user.start(menu);
    h.user.click(menu.FailCommand);
    EXPECT_EQ(number, 53);
    EXPECT_TRUE(h.app.ended());
}

TEST_F(FormTest, WithoutAHookAnUnhandledErrorReachesTheTest) {
    h.user.start(menu);
    EXPECT_THROW(h.user.click(menu.FailCommand), runtime::RuntimeError);
    EXPECT_FALSE(h.app.ended());
}

TEST_F(FormTest, ClockAndProgramFolderAreInjected) {
    EXPECT_EQ(h.app.today(), "12/6/2026");
    EXPECT_EQ(h.app.programFolder(), h.programFolder.path());
}

} // namespace
