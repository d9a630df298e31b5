#pragma once

#include "ui/qt/ControlBinding.h"

class QLineEdit;

namespace ui {
class TextBox;
}

namespace ui::qt {

// TextBox on a QLineEdit. Keystrokes go through the model (KeyPress, the
// length limit, Change), so the widget never edits on its own except for
// paste, cut and Delete, which come back as one edit.
class TextBoxBinding : public ControlBinding {
public:
    TextBoxBinding(Application& owner, ui::TextBox& box, QLineEdit& edit);
    void apply(ui::Property what) override;

private:
    bool mousePressed(QObject& watched, QMouseEvent& event, bool doubleClick) override;
    bool keyPressed(QKeyEvent& event) override;
    void takeSelection();

    ui::TextBox& box_;
    QLineEdit& edit_;
};

} // namespace ui::qt
