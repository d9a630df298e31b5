#pragma once

// Everything a screen is written against.
#include "ui/App.h"
#include "ui/CheckBox.h"
#include "ui/Color.h"
#include "ui/CommandButton.h"
#include "ui/DirListBox.h"
#include "ui/DriveListBox.h"
#include "ui/FileListBox.h"
#include "ui/Form.h"
#include "ui/Frame.h"
#include "ui/Label.h"
#include "ui/ListBox.h"
#include "ui/MapView.h"
#include "ui/Messages.h"
#include "ui/OptionButton.h"
#include "ui/ProgramEnd.h"
#include "ui/TextBox.h"
