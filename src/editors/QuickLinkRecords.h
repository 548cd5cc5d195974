#pragma once

#include <QString>
#include <QStringList>

#include "state/LinksDatabase.h"

// What one command of the quick-link editor did to table Links, and what the tab does next.
struct QuickLinkOutcome {
    enum class Status {
        Done,
        NotRun,  // its condition was not met (an empty selection or field): nothing happens
        Failed,
    };
    Status status = Status::NotRun;
    // The engine's error text, shown verbatim in a message box with an OK button; empty when
    // nothing is shown.
    QString message;
    bool reload = false;      // LoadQuickLinkList runs next
    bool disableAdd = false;  // a failed add disables AddRec before the reload
    LinksDatabase::Row link;  // show and beginEdit: the name and address to put in the boxes

    bool ok() const { return status == Status::Done; }
};

// The quick-link editor's side of the links database, without its widgets or its modes
// (those belong to the shared record-editor class). Each command is one self-contained
// database call; names and addresses are stored exactly as typed.
class QuickLinkRecords {
public:
    explicit QuickLinkRecords(QString databasePath);

    // LoadQuickLinkList's lines: the Name of every link in key order. On failure the error
    // is shown and the list and boxes are left as they were.
    LinksDatabase::Result<QStringList> load() const;
    // ShowQuickLink: the first link in natural order named `selected`. An empty selection
    // does nothing; a failed look-up reloads the list without a message.
    QuickLinkOutcome show(const QString& selected) const;
    // Double click: the link to edit. Failure: message, reload.
    QuickLinkOutcome beginEdit(const QString& selected) const;
    // Add To List: needs both texts; otherwise nothing is stored and adding goes on.
    // Failure: message, AddRec disabled, reload.
    QuickLinkOutcome add(const QString& name, const QString& url) const;
    // Save Edited Record: writes both texts, unchecked, over the link named `selected`.
    // Failure: message, reload.
    QuickLinkOutcome saveEdit(const QString& selected, const QString& name,
                              const QString& url) const;
    // Delete From List: deletes the first link named `selected`. Failure: message, reload.
    QuickLinkOutcome remove(const QString& selected) const;

private:
    LinksDatabase m_database;
};
