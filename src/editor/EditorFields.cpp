// Entry boxes of a waypoint: the Enter-key chains, the checks made when a
// box is left, and the routines that empty groups of boxes.
#include "editor/ModifyProcedure.h"

#include "runtime/Numbers.h"
#include "runtime/Text.h"

namespace editor {

namespace {

constexpr int Enter = 13;

const char* const OnlyNumbers = "Enter only numbers please.";
const char* const HeadingRange = "Only numbers between 0 and 360 please.";
const std::string NoLatitudeAbove90 = "There are no Latitude values greater than 90.\r\n"
                                      "                       Please correct.";
const std::string NoLongitudeAbove180 = "There are no Longitude values greater than 180.\r\n"
                                        "                       Please correct.";
const std::string LatitudeMinutesZero = "Latitude degrees is 90. Minutes must be zero.\r\n"
                                        "                         Please correct.";
const std::string LongitudeMinutesZero = "Longitude degrees is 180. Minutes must be zero.\r\n"
                                         "                         Please correct.";
const std::string MinutesBelow60 = "Minutes must be less than 60.\r\n"
                                   "            Please correct.";

void onEnter(int keyAscii, ui::TextBox& next) {
    if (keyAscii == Enter)
        next.setFocus();
}

void upperCase(ui::TextBox& box) {
    if (!box.text().empty())
        box.setText(runtime::toUpper(box.text()));
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
    upperCase(FixIDText);
}

void ModifyProcedure::VORFIXText_LostFocus() {
    upperCase(VORFIXText);
}

void ModifyProcedure::Alt1Text_LostFocus() {
    if (!Alt1Text.text().empty() && !runtime::isNumeric(Alt1Text.text()))
        refuse(Alt1Text, OnlyNumbers);
}

void ModifyProcedure::DistText_LostFocus() {
    if (!DistText.text().empty() && !runtime::isNumeric(DistText.text()))
        refuse(DistText, OnlyNumbers);
}

void ModifyProcedure::OnHeadAltText_LostFocus() {
    if (!OnHeadAltText.text().empty() && !runtime::isNumeric(OnHeadAltText.text()))
        refuse(OnHeadAltText, OnlyNumbers);
}

void ModifyProcedure::HeadingText_LostFocus() {
    const std::string& text = HeadingText.text();
    if (text.empty())
        return;
    if (!runtime::isNumeric(text))
        refuse(HeadingText, OnlyNumbers);
    else if (const double v = runtime::val(text); v < 0 || v > 360)
        refuse(HeadingText, HeadingRange);
}

void ModifyProcedure::DDMLatText_LostFocus() {
    const std::string& text = DDMLatText.text();
    if (text.empty())
        return;
    if (!runtime::isNumeric(text))
        refuse(DDMLatText, OnlyNumbers);
    else if (runtime::val(text) > 90)
        refuse(DDMLatText, NoLatitudeAbove90);
}

void ModifyProcedure::DDMLongText_LostFocus() {
    const std::string& text = DDMLongText.text();
    if (text.empty())
        return;
    if (!runtime::isNumeric(text))
        refuse(DDMLongText, OnlyNumbers);
    else if (runtime::val(text) > 180)
        refuse(DDMLongText, NoLongitudeAbove180);
}

namespace {

// The minutes box of a coordinate: rewritten in the minutes format, then
// held against the degrees (none at the pole or the date line) and 60.
void checkMinutes(ModifyProcedure& form, ui::TextBox& minutes, const ui::TextBox& degrees,
                  double maxDegrees, const std::string& mustBeZero) {
    if (minutes.text().empty())
        return;
    if (!runtime::isNumeric(minutes.text())) {
        form.refuse(minutes, OnlyNumbers);
        return;
    }
    minutes.setText(runtime::formatMinutes(runtime::val(minutes.text())));
    const double value = runtime::val(minutes.text());
    if (runtime::val(degrees.text()) == maxDegrees && value > 0)
        form.refuse(minutes, mustBeZero);
    else if (value >= 60)
        form.refuse(minutes, MinutesBelow60);
}

} // namespace

void ModifyProcedure::DMMLatText_LostFocus() {
    checkMinutes(*this, DMMLatText, DDMLatText, 90, LatitudeMinutesZero);
}

void ModifyProcedure::DMMLongText_LostFocus() {
    checkMinutes(*this, DMMLongText, DDMLongText, 180, LongitudeMinutesZero);
}

void ModifyProcedure::OnHeadDistText_LostFocus() {
    const std::string& text = OnHeadDistText.text();
    if (text.empty())
        return;
    if (!runtime::isNumeric(text)) {
        refuse(OnHeadDistText, OnlyNumbers);
    } else if (OnHeadAltText.text().empty()) {
        MsgBox("There must be an ONHDG Altitude if there is an ONHDG Distance.");
        OnHeadAltText.setFocus();
    }
}

void ModifyProcedure::InterceptHeadingText_LostFocus() {
    const std::string& text = InterceptHeadingText.text();
    if (text.empty())
        return;
    if (!runtime::isNumeric(text)) {
        refuse(InterceptHeadingText, OnlyNumbers);
    } else if (const double v = runtime::val(text); v < 0 || v > 360) {
        refuse(InterceptHeadingText, HeadingRange);
    } else if (AddNavText.text().empty() && FixNameText.text().empty()) {
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
    if (text.empty() || text.front() != '(')
        return text;
    if (text.size() == 1)
        return "";
    return text.substr(1, text.size() - 2);
}

} // namespace editor
