#pragma once

#include <QFileDialog>

#include "platform/FolderConfinement.h"

// The file dialogs a user of the browser can reach: always Qt's own, never the desktop's,
// and read-only, so that no file or folder can be renamed, deleted or made through them.
namespace FileDialogs {

void makeReadOnly(QFileDialog& dialog);

// The chooser of a page's <input type=file>: starts in `start`'s folder, or the home folder.
QStringList chooseForPage(QWidget* parent, bool multiple, const QString& start);

}  // namespace FileDialogs

// A read-only dialog that cannot leave its folder: whatever way the user goes elsewhere
// (typed path, parent button, history, look-in list), it comes back to the folder, and a
// file outside it is never accepted. Saving asks before replacing a file.
class ConfinedFileDialog : public QFileDialog {
    Q_OBJECT
public:
    enum class Purpose { Open, Save };

    ConfinedFileDialog(QWidget* parent, Purpose purpose, const QString& folder,
                       const QString& title, const QString& qtFilter);

    const FolderConfinement& confinement() const { return m_confinement; }

    void accept() override;

private:
    void keepInside(const QString& directory);

    Purpose m_purpose;
    FolderConfinement m_confinement;
};
