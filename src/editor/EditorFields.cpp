// Entry boxes of a leg: the checks made when a box is left, and the routines
// that empty groups of boxes. The fix boxes' own rules are the fix panel's.
#include "editor/ModifyProcedure.h"

#include "procedures/EntryRules.h"

namespace editor {

namespace {

// Refuses the box when its check gave a message; true when the text passed.
bool passes(ModifyProcedure& form, ui::TextBox& box, const std::string& refusal) {
    if (refusal.empty())
        return true;
    form.refuse(box, refusal);
    return false;
}

} // namespace

void ModifyProcedure::Alt1Text_LostFocus() {
    passes(*this, Alt1Text, procedures::checkNumber(Alt1Text.text()));
}

void ModifyProcedure::OnHeadAltText_LostFocus() {
    passes(*this, OnHeadAltText, procedures::checkNumber(OnHeadAltText.text()));
}

void ModifyProcedure::OnHeadDistText_LostFocus() {
    const std::string& text = OnHeadDistText.text();
    if (text.empty() || !passes(*this, OnHeadDistText, procedures::checkNumber(text)))
        return;
    if (OnHeadAltText.text().empty()) {
        MsgBox("There must be an ONHDG Altitude if there is an ONHDG Distance.");
        OnHeadAltText.setFocus();
    }
}

void ModifyProcedure::InterceptHeadingText_LostFocus() {
    const std::string& text = InterceptHeadingText.text();
    if (text.empty() || !passes(*this, InterceptHeadingText, procedures::checkHeading(text)))
        return;
    if (AddNavText.text().empty() && FixNameText.text().empty()) {
        MsgBox(
            "Entering an Intercept Heading requires\r\na Fly2 Navaid ID or Fix be entered also.");
        AddNavText.setFocus();
    }
}

void ModifyProcedure::ClearLatLongs() {
    fixPanel_.clear();
}

void ModifyProcedure::BlankAltVorBoxes() {
    for (ui::TextBox* box : {&Alt1Text, &VORFIXText, &HeadingText, &DistText})
        box->setText("");
    FloatAltOption.setValue(0);
}

std::string ModifyProcedure::StripParentheses(const std::string& text) {
    return procedures::StripParentheses(text);
}

} // namespace editor
