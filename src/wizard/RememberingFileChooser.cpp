#include "wizard/RememberingFileChooser.h"

#include <QFileInfo>
#include <utility>

#include "platform/DialogService.h"

RememberingFileChooser::RememberingFileChooser(DialogService& dialogs, QString filter)
    : m_dialogs(dialogs), m_filter(std::move(filter)) {}

QString RememberingFileChooser::choose(QWidget* parent, const QString& title) {
    const QString folder = m_last.isEmpty() ? QString() : QFileInfo(m_last).absolutePath();
    const QString chosen = m_dialogs.openFileName(parent, title, m_filter, folder);
    if (!chosen.isEmpty()) m_last = chosen;
    return m_last;
}
