#pragma once

#include "ui/qt/ControlBinding.h"

class QComboBox;
class QListWidget;

namespace ui {
class DriveListBox;
class ListControl;
} // namespace ui

namespace ui::qt {

// ListBox, FileListBox and DirListBox on a QListWidget. A click on an entry
// is the model's select (focus first, then Click); arrow keys select too.
class ListBinding : public ControlBinding {
public:
    ListBinding(Application& owner, ui::ListControl& list, QListWidget& view);
    void apply(ui::Property what) override;

private:
    bool mousePressed(QObject& watched, QMouseEvent& event, bool doubleClick) override;
    bool keyPressed(QKeyEvent& event) override;
    void focusEntering() override;
    ui::ListControl& list_;
    QListWidget& view_;
};

// DriveListBox on a QComboBox.
class DriveBinding : public ControlBinding {
public:
    DriveBinding(Application& owner, ui::DriveListBox& drives, QComboBox& combo);
    void apply(ui::Property what) override;

private:
    ui::DriveListBox& drives_;
    QComboBox& combo_;
};

} // namespace ui::qt
