// Rules 6 and 8: loading, showing, unloading, the application object and
// the end of the program.
#include "TestScreen.h"

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
    }
    void Form_Load() override { ran.push_back("Menu Form_Load"); }
    void Form_Unload() override {
        ran.push_back("Menu Form_Unload");
        End();
    }

    ui::CommandButton EditCommand{*this, "EditCommand"};
    ui::CommandButton ExitCommand{*this, "ExitCommand"};
    std::vector<std::string> ran;
};

struct FormTest : testing::Test {
    support::TestApp h;
    Menu& menu = h.app.add<Menu>();
    TestScreen& screen = h.app.add<TestScreen>();
};

TEST_F(FormTest, UnloadRunsFormUnloadAndPutsBackTheDesignState) {
    screen.unload();
    EXPECT_TRUE(screen.log.empty()) << "not loaded: nothing runs";
    screen.show();
    screen.setCaption("Changed");
    screen.IdentText.setText("KSEA");
    screen.IdentText.setForeColor(ui::colors::Red);
    screen.IdentText.setMaxLength(2);
    screen.NameText.setEnabled(false);
    screen.SouthOption.setValue(true);
    screen.FloatCheck.setValue(1);
    screen.WaypointList.AddItem("SEA");
    screen.WaypointList.setListIndex(0);
    screen.OtherText.setVisible(false);
    screen.unloadAgain = true; // from inside Form_Unload: no second run
    screen.log.clear();

    screen.unload();

    EXPECT_FALSE(screen.isLoaded());
    EXPECT_FALSE(screen.visible());
    EXPECT_EQ(screen.caption(), "Test Screen");
    EXPECT_EQ(screen.IdentText.text(), "");
    EXPECT_EQ(screen.IdentText.foreColor(), ui::colors::ButtonText);
    EXPECT_EQ(screen.IdentText.maxLength(), 4);
    EXPECT_TRUE(screen.NameText.enabled());
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

TEST_F(FormTest, ShowLoadsOnceAndScreensReachEachOtherThroughTheApp) {
    EXPECT_EQ(&h.app.get<TestScreen>(), &screen);
    EXPECT_THROW(h.app.form("Nowhere"), std::out_of_range);
    screen.load();
    EXPECT_FALSE(screen.visible());
    h.user.start(menu);
    h.user.click(menu.EditCommand);
    EXPECT_FALSE(menu.visible());
    EXPECT_TRUE(screen.visible());
    EXPECT_TRUE(screen.IdentText.hasFocus());
    screen.hide();
    screen.show();
    EXPECT_THAT(screen.log, ElementsAre("Form_Load"));
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
    menu.EditCommand.Click = [] { throw runtime::RuntimeError(53); };
    h.user.start(menu);
    EXPECT_THROW(h.user.click(menu.EditCommand), runtime::RuntimeError) << "no hook";
    EXPECT_FALSE(h.app.ended());
    bool hooked = false;
    h.app.onUnhandledError = [&](std::exception_ptr e) {
        EXPECT_THROW(std::rethrow_exception(e), runtime::RuntimeError);
        hooked = true;
    };
    h.user.click(menu.EditCommand);
    EXPECT_TRUE(hooked);
    EXPECT_TRUE(h.app.ended());
}

} // namespace
