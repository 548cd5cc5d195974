#include "browser/BookmarkCommands.h"

#include <QFileInfo>

#include "browser/BookmarkFile.h"
#include "platform/DialogService.h"
#include "platform/FolderConfinement.h"
#include "platform/WebComponent.h"

namespace BookmarkCommands {

namespace {

const QString kNothingToBookMark = QStringLiteral("There is no page to add as a book mark.");
const QString kReplaceBookMark =
    QStringLiteral("A book mark named \"%1\" already exists.  Do you want to replace it?");

}  // namespace

void open(QWidget* parent, DialogService& dialogs, WebComponent& web, const QString& folder,
          bool reportFailures) {
    const QString file =
        dialogs.openFileInFolder(parent, QStringLiteral("Open Book Mark"),
                                 QStringLiteral("Book Marks(*.url)|*.url"), folder);
    // Only a book mark of the favourites folder opens, whatever the dialog let through.
    if (file.isEmpty() || !FolderConfinement(folder).allowsOpen(file)) return;
    const BookmarkFile::ReadResult bookmark = BookmarkFile::read(file);
    if (!bookmark.ok()) {
        if (reportFailures) dialogs.message(parent, bookmark.error);
        return;
    }
    // A file without an address is no failure of the reading: there is nowhere to go.
    if (!bookmark.address.isEmpty()) web.Navigate(bookmark.address);
}

void add(QWidget* parent, DialogService& dialogs, const WebComponent& web, const QString& folder) {
    const QString address = web.LocationURL();
    if (address.isEmpty()) {
        dialogs.message(parent, kNothingToBookMark);
        return;
    }
    const QString title = web.LocationName();
    const QString existing = BookmarkFile::existingFile(folder, title, address);
    if (!existing.isEmpty() &&
        dialogs.question(parent, kReplaceBookMark.arg(QFileInfo(existing).completeBaseName())) !=
            DialogService::Answer::Yes) {
        return;
    }
    const BookmarkFile::WriteResult written =
        BookmarkFile::write(folder, title, address, !existing.isEmpty());
    if (!written.ok()) dialogs.message(parent, written.error);
}

}  // namespace BookmarkCommands
