#pragma once

#include <QString>

// Start-up compaction of the links database through the temporary "crush.mdb".
//
// The file is rebuilt only when a tenth of its pages or more are free: a large log with
// nothing to reclaim costs no copy at start-up. A stale "crush.mdb" goes in every case.
// The database file is replaced only by a complete compacted copy that passed an
// integrity check and holds the same number of rows in every table of the file; the
// replacement is an atomic rename, so a process killed at any moment leaves either the old
// file or the new one. Any failure leaves the database as it was and is not reported.
class DatabaseCompactor {
public:
    enum class Outcome { Compacted, NothingToReclaim, Missing, Skipped };

    explicit DatabaseCompactor(QString applicationDirectory);

    Outcome compact() const;

private:
    QString m_dir;
};
