#pragma once

#include <QString>

// Keeps a file dialog inside one folder: which folders it may show and which files may be
// chosen in it. Paths are compared after following symbolic links, so a link inside the
// folder leads nowhere outside it.
class FolderConfinement {
public:
    explicit FolderConfinement(const QString& folder);

    // The folder as given, cleaned.
    QString folder() const { return m_folder; }
    // `directory` is the folder or one below it.
    bool containsFolder(const QString& directory) const;
    // `file` is a file (not a folder) in the folder or below it; a missing file counts by its
    // folder, so that its reader can report it.
    bool allowsOpen(const QString& file) const;
    // `file` may be written: its folder is the folder itself, and it is neither a folder nor
    // a symbolic link (which would write elsewhere).
    bool allowsSave(const QString& file) const;

private:
    bool inside(const QString& canonicalPath) const;

    QString m_folder;
    QString m_canonical;  // empty while the folder does not exist
};
