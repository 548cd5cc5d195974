#pragma once

#include <QAbstractListModel>
#include <QStringList>

#include "state/VisitLogReader.h"

// The visit log as a list model that reads its rows a page at a time as the view scrolls
// to them, over a snapshot taken when it loads.
class VisitLogModel : public QAbstractListModel {
    Q_OBJECT

public:
    static constexpr int kPageSize = 256;

    explicit VisitLogModel(const QString& databasePath, QObject* parent = nullptr);

    // Takes a new snapshot and starts over in `order`. False when the log could not be read;
    // the model is then empty.
    bool load(VisitLogReader::Order order);
    // The rows in the snapshot of the last load.
    int snapshotCount() const { return m_snapshot.count; }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

private:
    bool readNextPage();

    VisitLogReader m_reader;
    VisitLogReader::Order m_order = VisitLogReader::Order::Natural;
    VisitLogReader::Snapshot m_snapshot;
    VisitLogReader::Position m_next;
    QStringList m_texts;
    bool m_complete = true;
};
