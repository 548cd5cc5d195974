#include "dialogs/VisitLogModel.h"

VisitLogModel::VisitLogModel(const QString& databasePath, QObject* parent)
    : QAbstractListModel(parent), m_reader(databasePath) {}

bool VisitLogModel::load(VisitLogReader::Order order) {
    beginResetModel();
    m_order = order;
    m_texts.clear();
    m_next = {};
    m_snapshot = {};
    const bool ok = m_reader.takeSnapshot(m_snapshot).isEmpty();
    m_complete = !ok;
    endResetModel();
    return ok && readNextPage();
}

// Appends the next page; a failure ends the list where it stands.
bool VisitLogModel::readNextPage() {
    VisitLogReader::Page page;
    const QString error = m_reader.readPage(m_order, m_snapshot, m_next, kPageSize, page);
    if (!error.isEmpty()) {
        m_complete = true;
        return false;
    }
    m_complete = page.texts.size() < kPageSize;
    m_next = page.next;
    if (page.texts.isEmpty()) return true;
    beginInsertRows({}, int(m_texts.size()), int(m_texts.size() + page.texts.size() - 1));
    m_texts += page.texts;
    endInsertRows();
    return true;
}

int VisitLogModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_texts.size());
}

QVariant VisitLogModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_texts.size() || role != Qt::DisplayRole) return {};
    return m_texts.at(index.row());
}

bool VisitLogModel::canFetchMore(const QModelIndex& parent) const {
    return !parent.isValid() && !m_complete;
}

void VisitLogModel::fetchMore(const QModelIndex& parent) {
    if (canFetchMore(parent)) readNextPage();
}
