#pragma once

#include <QString>

class DialogService;
class QWidget;

// An open-file dialog that keeps its filter, folder and last chosen file between uses, for
// as long as this object lives. Several commands share one chooser; each sets only what it
// needs and finds the rest as the previous command left it. A cancelled dialog gives back
// the file chosen before (empty when none was chosen yet).
class FileChooser {
public:
    explicit FileChooser(DialogService& dialogs, QString title = {});

    // `filter` as "description|pattern;pattern|description|pattern".
    void setFilter(const QString& filter) { m_filter = filter; }
    void setDirectory(const QString& directory) { m_directory = directory; }
    QString filter() const { return m_filter; }
    QString directory() const { return m_directory; }
    QString fileName() const { return m_fileName; }

    // Shows the dialog and returns fileName() afterwards.
    QString choose(QWidget* parent);

private:
    DialogService& m_dialogs;
    QString m_title;
    QString m_filter;
    QString m_directory;
    QString m_fileName;
};
