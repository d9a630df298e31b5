#include "transitions/RunwayBoxAccess.h"

#include "ui/Forms.h"

namespace transitions {

namespace {

template <class Control> Control* editorControl(const ui::App& app, const std::string& name) {
    ui::Form* editor = app.findForm("ModifyProcedure");
    return editor ? dynamic_cast<Control*>(editor->find(name)) : nullptr;
}

} // namespace

void DesignedRunwayBoxes::markRunwayDefined(int box) {
    if (box < 1 || box > 8)
        return;
    if (auto* text = editorControl<ui::TextBox>(app_, "RwText" + std::to_string(box)))
        text->setForeColor(ui::colors::ButtonText);
}

std::string DesignedRunwayBoxes::airportName() const {
    const auto* box = editorControl<ui::TextBox>(app_, "AptNameText");
    return box ? box->text() : std::string();
}

void DesignedRunwayBoxes::focusNavaidBox() {
    if (auto* box = editorControl<ui::Control>(app_, "AddNavText"))
        box->setFocus();
}

void DesignedRunwayBoxes::fixRenamed(const std::string& from, const std::string& to) {
    // The STAR on the editor's screen lists its fix names.
    auto* list = editorControl<ui::ListBox>(app_, "WaypointList");
    if (list == nullptr)
        return;
    for (int line = 0; line < list->ListCount(); ++line) {
        const int row = m_.ProcedureStart + line;
        if (!store::STARTable::fits(row))
            break;
        if (list->List(line) == from && m_.Store.STARs[row].Fix == to)
            list->setList(line, to);
    }
}

} // namespace transitions
