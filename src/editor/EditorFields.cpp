// Entry boxes of a waypoint: the Enter-key chains, the checks made when a
// box is left, and the routines that empty groups of boxes.
#include "editor/ModifyProcedure.h"

#include "procedures/EntryRules.h"
#include "runtime/Text.h"

namespace editor {

namespace {

constexpr int Enter = 13;

void onEnter(int keyAscii, ui::TextBox& next) {
    if (keyAscii == Enter)
        next.setFocus();
}

void upperCase(ui::TextBox& box) {
    if (!box.text().empty())
        box.setText(runtime::toUpper(box.text()));
}

// Refuses the box when its check gave a message; true when the text passed.
bool passes(ModifyProcedure& form, ui::TextBox& box, const std::string& refusal) {
    if (refusal.empty())
        return true;
    form.refuse(box, refusal);
    return false;
}

// The minutes box keeps its rewritten text whether or not it is refused.
void checkMinutes(ModifyProcedure& form, ui::TextBox& minutes,
                  const procedures::MinutesCheck& check) {
    if (minutes.text().empty())
        return;
    minutes.setText(check.text);
    passes(form, minutes, check.message);
}

} // namespace

void ModifyProcedure::FixIDText_KeyPress(int& KeyAscii) {
    onEnter(KeyAscii, DDMLatText);
}

void ModifyProcedure::DDMLatText_KeyPress(int& KeyAscii) {
    onEnter(KeyAscii, DMMLatText);
}

void ModifyProcedure::DMMLatText_KeyPress(int& KeyAscii) {
    onEnter(KeyAscii, DDMLongText);
}

void ModifyProcedure::DDMLongText_KeyPress(int& KeyAscii) {
    onEnter(KeyAscii, DMMLongText);
}

void ModifyProcedure::VORFIXText_KeyPress(int& KeyAscii) {
    onEnter(KeyAscii, HeadingText);
}

void ModifyProcedure::HeadingText_KeyPress(int& KeyAscii) {
    onEnter(KeyAscii, DistText);
}

void ModifyProcedure::FixIDText_LostFocus() {
    if (!passes(*this, FixIDText, procedures::checkName(FixIDText.text())))
        return;
    upperCase(FixIDText);
}

void ModifyProcedure::VORFIXText_LostFocus() {
    if (!passes(*this, VORFIXText, procedures::checkName(VORFIXText.text())))
        return;
    upperCase(VORFIXText);
}

void ModifyProcedure::Alt1Text_LostFocus() {
    passes(*this, Alt1Text, procedures::checkNumber(Alt1Text.text()));
}

void ModifyProcedure::DistText_LostFocus() {
    passes(*this, DistText, procedures::checkNumber(DistText.text()));
}

void ModifyProcedure::OnHeadAltText_LostFocus() {
    passes(*this, OnHeadAltText, procedures::checkNumber(OnHeadAltText.text()));
}

void ModifyProcedure::HeadingText_LostFocus() {
    passes(*this, HeadingText, procedures::checkHeading(HeadingText.text()));
}

void ModifyProcedure::DDMLatText_LostFocus() {
    passes(*this, DDMLatText, procedures::checkLatitudeDegrees(DDMLatText.text()));
}

void ModifyProcedure::DDMLongText_LostFocus() {
    passes(*this, DDMLongText, procedures::checkLongitudeDegrees(DDMLongText.text()));
}

void ModifyProcedure::DMMLatText_LostFocus() {
    checkMinutes(*this, DMMLatText,
                 procedures::checkLatitudeMinutes(DMMLatText.text(), DDMLatText.text()));
}

void ModifyProcedure::DMMLongText_LostFocus() {
    checkMinutes(*this, DMMLongText,
                 procedures::checkLongitudeMinutes(DMMLongText.text(), DDMLongText.text()));
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
    for (ui::TextBox* box : {&FixNameText, &FixIDText, &DDMLatText, &DMMLatText, &DDMLongText,
                             &DMMLongText, &VORFIXText, &HeadingText, &DistText}) {
        box->setText("");
        box->setEnabled(true);
    }
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
