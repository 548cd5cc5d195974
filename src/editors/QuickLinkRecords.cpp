#include "editors/QuickLinkRecords.h"

#include <utility>

namespace {

using Status = QuickLinkOutcome::Status;

QuickLinkOutcome notRun() {
    return {};
}

// Success and the trapped failures both end with the list reloaded.
QuickLinkOutcome afterChange(const QString& error) {
    QuickLinkOutcome outcome;
    outcome.status = error.isEmpty() ? Status::Done : Status::Failed;
    outcome.message = error;
    outcome.reload = true;
    return outcome;
}

}  // namespace

QuickLinkRecords::QuickLinkRecords(QString databasePath) : m_database(std::move(databasePath)) {}

LinksDatabase::Result<QStringList> QuickLinkRecords::load() const {
    return m_database.listInKeyOrder(LinksDatabase::Table::Links);
}

QuickLinkOutcome QuickLinkRecords::show(const QString& selected) const {
    if (selected.isEmpty()) return notRun();
    const auto found = m_database.lookUp(LinksDatabase::Table::Links, selected);
    QuickLinkOutcome outcome;
    if (!found.ok()) {
        outcome.status = Status::Failed;
        outcome.reload = true;
        return outcome;
    }
    outcome.status = Status::Done;
    outcome.link = found.value;
    return outcome;
}

QuickLinkOutcome QuickLinkRecords::beginEdit(const QString& selected) const {
    if (selected.isEmpty()) return notRun();
    const auto found = m_database.lookUp(LinksDatabase::Table::Links, selected);
    if (!found.ok()) return afterChange(found.error);
    QuickLinkOutcome outcome;
    outcome.status = Status::Done;
    outcome.link = found.value;
    return outcome;
}

QuickLinkOutcome QuickLinkRecords::add(const QString& name, const QString& url) const {
    if (name.isEmpty() || url.isEmpty()) return notRun();
    QuickLinkOutcome outcome = afterChange(m_database.addLink(name, url));
    outcome.disableAdd = !outcome.ok();
    return outcome;
}

QuickLinkOutcome QuickLinkRecords::saveEdit(const QString& selected, const QString& name,
                                            const QString& url) const {
    if (selected.isEmpty()) return notRun();
    return afterChange(m_database.editLink(selected, name, url));
}

QuickLinkOutcome QuickLinkRecords::remove(const QString& selected) const {
    if (selected.isEmpty()) return notRun();
    return afterChange(m_database.remove(LinksDatabase::Table::Links, selected));
}
