#include "platform/FileDialogs.h"

#include <QAction>
#include <QDir>
#include <QFileSystemModel>
#include <QTimer>

namespace FileDialogs {

void makeReadOnly(QFileDialog& dialog) {
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setOption(QFileDialog::ReadOnly, true);
    // The read-only model makes no folder, but the dialog still offers to.
    if (auto* newFolder = dialog.findChild<QAction*>(QStringLiteral("qt_new_folder_action"))) {
        newFolder->setEnabled(false);
        newFolder->setVisible(false);
    }
    if (auto* button = dialog.findChild<QWidget*>(QStringLiteral("newFolderButton")))
        button->hide();
}

QStringList chooseForPage(QWidget* parent, bool multiple, const QString& start) {
    const QString folder = start.isEmpty() ? QDir::homePath() : QFileInfo(start).absolutePath();
    QFileDialog dialog(parent, QString(), folder);
    makeReadOnly(dialog);
    dialog.setFileMode(multiple ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.selectedFiles();
}

}  // namespace FileDialogs

ConfinedFileDialog::ConfinedFileDialog(QWidget* parent, Purpose purpose, const QString& folder,
                                       const QString& title, const QString& qtFilter)
    : QFileDialog(parent, title, folder, qtFilter), m_purpose(purpose), m_confinement(folder) {
    FileDialogs::makeReadOnly(*this);
    setAcceptMode(purpose == Purpose::Save ? AcceptSave : AcceptOpen);
    setFileMode(purpose == Purpose::Save ? AnyFile : ExistingFile);
    setOption(DontConfirmOverwrite, false);
    setSidebarUrls({QUrl::fromLocalFile(m_confinement.folder())});
    setHistory({});
    setDirectory(m_confinement.folder());
    // Every change of the shown folder passes through the dialog's model.
    if (auto* model = findChild<QFileSystemModel*>()) {
        connect(model, &QFileSystemModel::rootPathChanged, this,
                [this](const QString& path) { keepInside(path); });
    }
    connect(this, &QFileDialog::directoryEntered, this,
            [this](const QString& path) { keepInside(path); });
}

// Deferred, so that the dialog finishes its own move before it is sent back.
void ConfinedFileDialog::keepInside(const QString& directory) {
    if (m_confinement.containsFolder(directory)) return;
    QTimer::singleShot(0, this, [this] {
        if (!m_confinement.containsFolder(this->directory().absolutePath()))
            setDirectory(m_confinement.folder());
    });
}

void ConfinedFileDialog::accept() {
    const QStringList files = selectedFiles();
    for (const QString& file : files) {
        if (QFileInfo(file).isDir()) {
            if (m_confinement.containsFolder(file)) {
                QFileDialog::accept();  // opens the folder
            } else {
                setDirectory(m_confinement.folder());
            }
            return;
        }
        const bool allowed = m_purpose == Purpose::Save ? m_confinement.allowsSave(file)
                                                        : m_confinement.allowsOpen(file);
        if (!allowed) {
            setDirectory(m_confinement.folder());
            return;
        }
    }
    if (!files.isEmpty()) QFileDialog::accept();
}
