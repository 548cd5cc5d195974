#pragma once

#include <QHash>
#include <functional>
#include <vector>

class QAction;
class QMenuBar;

// Every command of a browser window's menu bar.
enum class MenuCommand {
    None,  // a menu title with a drop-down
    NewBrowser,
    OpenFile,
    SaveAs,
    PageSetup,
    Print,
    AddressBook,
    TipOfTheDay,
    Copy,
    Paste,
    SelectAll,
    ScreenCapture,
    About,
    CompanyProfile,
    ViewLog,
    OpenMailClient,
    Wizard,
    OpenBookMark,
    AddBookMark,
    ToggleMain,
    ToggleCustom,
    ToggleStatusBar,
    Cascade,
    TileHorizontally,
    TileVertically,
};

// The menu tree of a browser window, the same in the three layouts, as data.
namespace MenuTable {

struct Row {
    enum Kind {
        Menu,        // a menu title on the bar, with the items that follow it
        Item,        // an item of the last menu
        BarCommand,  // a command on the bar itself, with no drop-down
    };
    Kind kind;
    const char* objectName;
    const char* caption;
    MenuCommand command;
    bool checkedAtStart = false;  // a check item, checked when the window opens
};

// The rows in menu bar order.
const std::vector<Row>& rows();

// Fills `bar` from the table; choosing an item or bar command calls `run` with its command.
// Returns each command's action.
QHash<MenuCommand, QAction*> build(QMenuBar* bar, const std::function<void(MenuCommand)>& run);

}  // namespace MenuTable
