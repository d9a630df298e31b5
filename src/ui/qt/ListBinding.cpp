#include "ui/qt/ListBinding.h"

#include "ui/App.h"
#include "ui/DriveListBox.h"
#include "ui/ListControl.h"
#include "ui/qt/Application.h"
#include "ui/qt/Text.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QTimer>

namespace ui::qt {

ListBinding::ListBinding(Application& owner, ui::ListControl& list, QListWidget& view)
    : ControlBinding(owner, list, view), list_(list), view_(view) {
    view_.setSelectionMode(QAbstractItemView::SingleSelection);
    watch(*view_.viewport());
    // Clicks are taken on the press: a change of selection here is the
    // keys'. The current row alone is no choice: the view moves it to the
    // first entry whenever it gets the focus.
    QObject::connect(&view_, &QListWidget::itemSelectionChanged, this, [this] {
        const int row = view_.currentRow();
        if (syncing() || row < 0 || !view_.item(row)->isSelected())
            return;
        app().userSelectByKeys(list_, list_.firstIndex() + row);
        const Application::Sync sync(owner_);
        apply(ui::Property::ListIndex);
    });
}

void ListBinding::apply(ui::Property what) {
    switch (what) {
    case ui::Property::Items: {
        QStringList shown;
        for (int i = list_.firstIndex(); i < list_.ListCount(); ++i)
            shown.push_back(toQt(list_.shownText(i)));
        view_.clear();
        view_.addItems(shown);
        break;
    }
    case ui::Property::ListIndex: {
        const int row = list_.listIndex() - list_.firstIndex();
        const bool none = list_.listIndex() < list_.firstIndex() ||
                          (list_.firstIndex() == 0 && list_.listIndex() < 0);
        if (none) {
            view_.setCurrentRow(-1);
            view_.clearSelection();
        } else {
            view_.setCurrentRow(row);
        }
        break;
    }
    default:
        ControlBinding::apply(what);
    }
}

void ListBinding::focusEntering() {
    // The view marks its first entry as current when it gets the focus,
    // which reads as chosen. With nothing chosen, nothing is marked: the
    // first arrow key then goes to the first entry.
    QTimer::singleShot(0, &view_, [this] {
        if (list_.listIndex() >= list_.firstIndex() && list_.listIndex() < list_.ListCount())
            return;
        const Application::Sync sync(owner_);
        view_.setCurrentIndex(QModelIndex());
    });
}

bool ListBinding::keyPressed(QKeyEvent& event) {
    if (event.key() != Qt::Key_Return && event.key() != Qt::Key_Enter)
        return false;
    app().userEnter(list_);
    return true;
}

bool ListBinding::mousePressed(QObject& watched, QMouseEvent& event, bool doubleClick) {
    if (&watched != view_.viewport())
        return false;
    const int row = view_.indexAt(event.position().toPoint()).row();
    if (row < 0)
        return true;
    if (doubleClick)
        app().userDoubleClick(list_);
    else
        app().userSelect(list_, list_.firstIndex() + row);
    const Application::Sync sync(owner_);
    apply(ui::Property::ListIndex);
    return true;
}

DriveBinding::DriveBinding(Application& owner, ui::DriveListBox& drives, QComboBox& combo)
    : ControlBinding(owner, drives, combo), drives_(drives), combo_(combo) {
    QObject::connect(&combo_, &QComboBox::activated, this, [this](int index) {
        if (syncing())
            return;
        app().userChangeDrive(drives_, drives_.List(index));
        const Application::Sync sync(owner_);
        apply(ui::Property::Drive);
    });
}

void DriveBinding::apply(ui::Property what) {
    if (what != ui::Property::Drive) {
        ControlBinding::apply(what);
        return;
    }
    if (combo_.count() != drives_.ListCount()) {
        combo_.clear();
        for (int i = 0; i < drives_.ListCount(); ++i)
            combo_.addItem(toQt(drives_.List(i)));
    }
    for (int i = 0; i < drives_.ListCount(); ++i)
        if (drives_.List(i) == drives_.drive())
            combo_.setCurrentIndex(i);
}

} // namespace ui::qt
