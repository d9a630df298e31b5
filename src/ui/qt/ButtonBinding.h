#pragma once

#include "ui/qt/ControlBinding.h"

class QAbstractButton;

namespace ui::qt {

// CommandButton on a push button, OptionButton on a radio button, CheckBox
// on a check box. Qt's click is only the release: the model decides
// whether it is delivered (rule 4) and what the value becomes.
class ButtonBinding : public ControlBinding {
public:
    ButtonBinding(Application& owner, ui::Control& control, QAbstractButton& button);
    void apply(ui::Property what) override;
    // A command button's caption as shown, its Alt letter underlined.
    void showMnemonic();

private:
    bool keyPressed(QKeyEvent& event) override;
    QAbstractButton& button_;
};

// Label on a QLabel; Frame on any widget, captioned when a QGroupBox.
class CaptionBinding : public ControlBinding {
public:
    CaptionBinding(Application& owner, ui::Control& control, QWidget& widget);
    void apply(ui::Property what) override;
};

} // namespace ui::qt
