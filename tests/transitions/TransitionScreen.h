#pragma once

#include "shell/Module1.h"
#include "store/AirportReader.h"
#include "support/BundledReference.h"
#include "support/TestApp.h"
#include "transitions/RunwayForm.h"
#include "ui/Forms.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

namespace transitionstest {

using support::bundled, support::bundledFile;

// Stands in for the procedure editor: what the transition editor reads or
// changes when it opens and closes.
class EditorDouble : public ui::Form, public shell::RunwayBoxAccess {
public:
    explicit EditorDouble(ui::App& app) : ui::Form(app, "ModifyProcedure") {
        for (ui::TextBox& box : RwText)
            box.setForeColor(ui::colors::Red);
    }
    ui::TextBox AptNameText{*this, "AptNameText"};
    ui::TextBox AddNavText{*this, "AddNavText"};
    ui::TextBox RwText[8] = {{*this, "RwText1"}, {*this, "RwText2"}, {*this, "RwText3"},
                             {*this, "RwText4"}, {*this, "RwText5"}, {*this, "RwText6"},
                             {*this, "RwText7"}, {*this, "RwText8"}};
    std::vector<std::pair<std::string, std::string>> renamed;

    void markRunwayDefined(int box) override {
        if (box >= 1 && box <= 8)
            RwText[box - 1].setForeColor(ui::colors::ButtonText);
    }
    std::string airportName() const override { return AptNameText.text(); }
    void showAgain(bool focusNavaidBox) override {
        show();
        if (focusNavaidBox)
            AddNavText.setFocus();
    }
    void fixRenamed(const std::string& from, const std::string& to) override {
        renamed.emplace_back(from, to);
    }
};

inline store::RunwayWaypoint navaidRow(std::string id, std::string navaid, std::string alt = "",
                                       store::Flag from = store::False,
                                       store::Flag eop = store::False) {
    return {std::move(id), "", std::move(navaid), std::move(alt), from, eop};
}

// The transition editor over the procedure editor's stand-in, modifying STARs,
// with the bundled reference tables and the reference position at Seattle.
class TransitionScreen : public ::testing::Test {
protected:
    TransitionScreen() {
        m->NavaidTable = bundled().navaids;
        m->UserFixTable = bundled().userFixes;
        m->EditMode = shell::EditMode::ModifySTARs;
        m->Reference = {47.449, -122.309};
        editor.AptNameText.setText("KSEA");
        user.start(editor);
    }

    void loadKSEA() {
        const store::ReadResult read =
            store::LoadDataFromFile(bundledFile("sample/PMDG/KSEA.txt"), m->Store, m->Counters);
        ASSERT_TRUE(read.ok) << read.message;
    }
    void setRunways(const std::vector<store::RunwayWaypoint>& rows) {
        m->Store.Runways.clear();
        m->Store.RunwayCount = 0;
        for (const store::RunwayWaypoint& row : rows)
            m->Store.Runways[m->Store.RunwayCount++ + 1] = row;
    }

    // The double click on runway box `box` of the procedure editor.
    void open(const std::string& runway, int box = 1) {
        m->TransitionRunway = runway;
        m->OpeningRunwayBox = static_cast<std::int16_t>(box);
        t.app.dispatch([&] {
            editor.hide();
            form.show();
        });
    }

    std::vector<std::string> entries() const {
        std::vector<std::string> out;
        for (int i = 0; i < form.RWWaypointList.ListCount(); ++i)
            out.push_back(form.RWWaypointList.List(i));
        return out;
    }
    template <class Table> static auto rows(const Table& table, int count) {
        std::vector<std::decay_t<decltype(table[1])>> out;
        for (int i = 1; i <= count; ++i)
            out.push_back(table[i]);
        return out;
    }
    auto workRows() const { return rows(m->WorkRunways, m->WorkRunwayCount); }
    auto workFixes() const { return rows(m->WorkFixes, m->WorkFixCount); }

    void addNavaid(const std::string& id, const std::string& alt = "") {
        user.typeInto(form.RWAddNavText, id);
        if (!alt.empty())
            user.typeInto(form.RWAlt1Text, alt);
        user.click(form.AddRWWaypointCommand);
    }
    // Answers the Yes/No question that names an already known fix.
    void answerKnownFix(const std::string& name, bool userFix, int answer) {
        messages.expect(
            name + (userFix ? " is already a user defined Fix." : " is already a defined Fix.") +
                "\r\nIt will automatically be added if you answer 'No' below.\r\n"
                "Do you want to add an altitude restriction?",
            ui::Buttons::YesNo, ui::Icon::None, ui::DefaultButton::First, ui::ProgramTitle, answer);
    }

    void answerDiscard(const std::string& runway, int answer) {
        messages.expect("Discard the changes to runway " + runway + "'s feeders?",
                        ui::Buttons::YesNo, ui::Icon::None, ui::DefaultButton::Second,
                        ui::ProgramTitle, answer);
    }

    support::TestApp t;
    support::ScriptedUser& user = t.user;
    support::ScriptedMessages& messages = t.messages;
    std::unique_ptr<shell::Module1> m = std::make_unique<shell::Module1>();
    EditorDouble& editor = t.app.add<EditorDouble>();
    transitions::RunwayForm& form = t.app.add<transitions::RunwayForm>(*m, editor);
};

} // namespace transitionstest
