#pragma once

#include <QString>

class DialogService;
class QWidget;
class WebComponent;

// The BookMarks menu's commands on a window's component and its favourites folder.
namespace BookmarkCommands {

// Asks for a bookmark file in `folder` and navigates to its address. A file that cannot be
// read is reported when `reportFailures` is set, otherwise passed over in silence.
void open(QWidget* parent, DialogService& dialogs, WebComponent& web, const QString& folder,
          bool reportFailures);

// Saves the current page in `folder`, in the form open() reads, asking before it replaces a
// bookmark of the same name.
void add(QWidget* parent, DialogService& dialogs, const WebComponent& web, const QString& folder);

}  // namespace BookmarkCommands
