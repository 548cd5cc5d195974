#include "platform/FileChooser.h"

#include <utility>

#include "platform/DialogService.h"

FileChooser::FileChooser(DialogService& dialogs, QString title)
    : m_dialogs(dialogs), m_title(std::move(title)) {}

QString FileChooser::choose(QWidget* parent) {
    const QString chosen = m_dialogs.openFileName(parent, m_title, m_filter, m_directory);
    if (!chosen.isEmpty()) m_fileName = chosen;
    return m_fileName;
}
