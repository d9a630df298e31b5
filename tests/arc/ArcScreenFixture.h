#pragma once

#include "arc/AddARC.h"
#include "arc/FindWaypointForm.h"
#include "shell/Module1.h"
#include "support/NoProcedureEditor.h"
#include "support/TestApp.h"
#include "transitions/RunwayForm.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace arctest {

inline std::vector<std::string> entries(const ui::ListBox& list) {
    std::vector<std::string> out;
    for (int i = 0; i < list.ListCount(); ++i)
        out.push_back(list.List(i));
    return out;
}

// The arc generator over the real transition editor on runway 16C, whose
// one feeder is SEA then OLM; runway 34R's feeder follows it in the table.
struct ArcScreens : ::testing::Test {
    support::TestApp t;
    std::unique_ptr<shell::Module1> m = std::make_unique<shell::Module1>();
    support::NoProcedureEditor procedureEditor;
    transitions::RunwayForm& editor = t.app.add<transitions::RunwayForm>(*m, procedureEditor);
    arc::AddARC& arcForm = t.app.add<arc::AddARC>(*m);
    arc::FindWaypointForm& search = t.app.add<arc::FindWaypointForm>(*m);

    ArcScreens() {
        m->NavaidTable = reference::NavaidTable({{"ABC", 10, 20, 0},
                                                 {"ABC", -33.5f, 151.25f, 0},
                                                 {"ABC", 47.45f, -122.309611f, 0},
                                                 {"OLM", 46.971111f, -122.902222f, 113.4f},
                                                 {"SEA", 47.435361f, -122.309611f, 116.8f}});
        m->EditMode = shell::EditMode::ModifySTARs;
        m->TransitionRunway = "16C";
        addRow("16C", "SEA", store::True, store::False);
        addRow("16C", "OLM", store::False, store::True);
        addRow("34R", "SEA", store::True, store::True);
    }
    void addRow(std::string id, std::string navaid, store::Flag from, store::Flag eop) {
        m->Store.Runways[++m->Store.RunwayCount] = {std::move(id), "", std::move(navaid), "",
                                                    from,          eop};
    }
    // Single-row feeders of runway 09 up to `rows` rows, fixes up to `fixes`.
    void fill(int rows, int fixes) {
        while (m->Store.RunwayCount < rows)
            addRow("09", "OLM", store::True, store::True);
        while (m->Store.FixCount < fixes) {
            const int n = ++m->Store.FixCount;
            m->Store.Fixes[n] = {.Name = "F" + std::to_string(n), .VOR = "OLM", .VORDist = 1};
            m->Store.FixesDefined = store::True;
        }
    }

    // Create ARC on the transition editor, opening the editor first.
    void openArc() {
        if (!editor.isLoaded())
            t.user.start(editor);
        t.user.click(editor.AddArcCommand);
    }
    // "Select Navaid", search, pick the entry and hand it over.
    void chooseNavaid(const std::string& identifier) {
        t.user.click(arcForm.SelectNavaidCommand);
        t.user.replaceText(search.SearchText, identifier);
        t.user.click(search.SearchCommand);
        t.user.click(search.AddWaypoint);
    }

    struct Arc {
        Arc(std::string start, std::string end, std::string radius, char turn = 'R',
            std::string step = "10", bool turnIn = false)
            : start(start), end(end), radius(radius), turn(turn), step(step), turnIn(turnIn) {}
        std::string start, end, radius;
        char turn; // 0: no direction chosen
        std::string step;
        bool turnIn;
    };
    void fillIn(const Arc& a) {
        t.user.replaceText(arcForm.ArcStartText, a.start);
        t.user.replaceText(arcForm.ArcEndText, a.end);
        t.user.replaceText(arcForm.ArcRadiusText, a.radius);
        t.user.replaceText(arcForm.StepAngleText, a.step);
        if (a.turn != 0)
            t.user.click(a.turn == 'R' ? arcForm.RightOption : arcForm.LeftOption);
        t.user.click(a.turnIn ? arcForm.TurnInOptionYes : arcForm.TurnInOptionNo);
    }
    // A whole arc around SEA, from Create ARC to the transfer.
    void makeArc(const Arc& a) {
        openArc();
        chooseNavaid("SEA");
        fillIn(a);
        t.user.click(arcForm.TransferCommand);
    }
};

} // namespace arctest
