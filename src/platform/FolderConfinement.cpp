#include "platform/FolderConfinement.h"

#include <QDir>
#include <QFileInfo>

FolderConfinement::FolderConfinement(const QString& folder)
    : m_folder(QDir::cleanPath(folder)), m_canonical(QFileInfo(folder).canonicalFilePath()) {}

bool FolderConfinement::inside(const QString& canonicalPath) const {
    if (m_canonical.isEmpty() || canonicalPath.isEmpty()) return false;
    return canonicalPath == m_canonical ||
           canonicalPath.startsWith(m_canonical.endsWith(QLatin1Char('/'))
                                        ? m_canonical
                                        : m_canonical + QLatin1Char('/'));
}

bool FolderConfinement::containsFolder(const QString& directory) const {
    const QFileInfo info(directory);
    return info.isDir() && inside(info.canonicalFilePath());
}

bool FolderConfinement::allowsOpen(const QString& file) const {
    const QFileInfo info(file);
    if (!info.exists()) return !info.isSymLink() && containsFolder(info.absolutePath());
    return info.isFile() && inside(info.canonicalFilePath());
}

bool FolderConfinement::allowsSave(const QString& file) const {
    const QFileInfo info(file);
    if (info.fileName().isEmpty() || info.isSymLink() || info.isDir()) return false;
    return !m_canonical.isEmpty() &&
           QFileInfo(info.absolutePath()).canonicalFilePath() == m_canonical;
}
