#include "browser/MenuTable.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace MenuTable {

const std::vector<Row>& rows() {
    using C = MenuCommand;
    // clang-format off
    static const std::vector<Row> table = {
        {Row::Menu, "File", "&File", C::None},
        {Row::Item, "NewBrowser", "&New Browser", C::NewBrowser},
        {Row::Item, "OpenFile", "&Open File", C::OpenFile},
        {Row::Item, "SaveAs", "&Save As", C::SaveAs},
        {Row::Item, "PageSetup", "Pa&ge Setup", C::PageSetup},
        {Row::Item, "Print", "&Print", C::Print},
        {Row::Item, "ShowAddress", "&Address Book", C::AddressBook},
        {Row::Item, "Tip", "&Tip of the Day", C::TipOfTheDay},
        {Row::Menu, "ED", "&Edit", C::None},
        {Row::Item, "CP", "&Copy", C::Copy},
        {Row::Item, "PM", "&Paste", C::Paste},
        {Row::Item, "SelectAll", "&Select All", C::SelectAll},
        {Row::Item, "ScreenCapture", "Scree&n Capture", C::ScreenCapture},
        {Row::Menu, "Info", "&Info", C::None},
        {Row::Item, "About", "&About", C::About},
        {Row::Item, "CompanyProfile", "&Company Profile", C::CompanyProfile},
        {Row::Item, "ViewLog", "&View Log File", C::ViewLog},
        {Row::Menu, "Email", "&Email", C::None},
        {Row::Item, "OL", "&Open Mail Client", C::OpenMailClient},
        {Row::BarCommand, "Wizard", "W&izard", C::Wizard},
        {Row::Menu, "BookMarks", "&BookMarks", C::None},
        {Row::Item, "LoadBookMark", "&Open Book Mark", C::OpenBookMark},
        {Row::Item, "AddBookMark", "&Add Book Mark", C::AddBookMark},
        {Row::Menu, "Screen", "&ToolBars", C::None},
        {Row::Item, "Main", "&Main", C::ToggleMain, true},
        {Row::Item, "Custom", "&Custom", C::ToggleCustom, true},
        {Row::Item, "StatusBar", "&StatusBar", C::ToggleStatusBar, true},
        {Row::Menu, "window", "&Window", C::None},
        {Row::Item, "Cascade", "&Cascade", C::Cascade},
        {Row::Item, "Tile", "&Tile Horizontally", C::TileHorizontally},
        {Row::Item, "TileV", "Tile &Vertically", C::TileVertically},
    };
    // clang-format on
    return table;
}

QHash<MenuCommand, QAction*> build(QMenuBar* bar, const std::function<void(MenuCommand)>& run) {
    QHash<MenuCommand, QAction*> actions;
    QMenu* menu = nullptr;
    for (const Row& row : rows()) {
        const QString name = QString::fromLatin1(row.objectName);
        const QString caption = QString::fromLatin1(row.caption);
        if (row.kind == Row::Menu) {
            menu = bar->addMenu(caption);
            menu->setObjectName(name);
            menu->menuAction()->setObjectName(name);
            continue;
        }
        QAction* action =
            row.kind == Row::BarCommand ? bar->addAction(caption) : menu->addAction(caption);
        action->setObjectName(name);
        if (row.checkedAtStart) {
            action->setCheckable(true);
            action->setChecked(true);
        }
        const MenuCommand command = row.command;
        QObject::connect(action, &QAction::triggered, bar, [run, command] { run(command); });
        actions.insert(command, action);
    }
    return actions;
}

}  // namespace MenuTable
