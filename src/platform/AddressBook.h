#pragma once

#include <QString>
#include <QStringList>

// The desktop's contacts program, which stands in for the system address book.
namespace AddressBook {

// The command lines tried, in order; the first word of each is looked up on PATH.
const QStringList& candidates();

// The command line of the first candidate installed on PATH; empty when there is none.
QString installedCommand();

}  // namespace AddressBook
