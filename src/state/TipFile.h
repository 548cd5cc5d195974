#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The tip file T34.txt in the application directory: UTF-8 text, one tip per line.
//
// A line ends at a carriage return, a carriage return followed by a line feed, or a line
// feed alone (the desktop's text editors write that); the last line needs no end. Every line
// is one tip, taken verbatim: an empty line is an empty tip, blanks and quotes stay.
namespace TipFile {

QString path(const QString& applicationDirectory);

// The tips of `text` by the line rules above. A leading byte-order mark is dropped.
QStringList splitTips(const QByteArray& text);

// The tips of the file, or nothing when the file is missing or cannot be read (a directory
// of that name, no permission, a read error).
std::optional<QStringList> read(const QString& file);

// The line the administrator's add-tip command appends for `answer`: the answer in double
// quotes followed by CR LF. Line breaks inside the answer become blanks, so one answer
// stays one tip.
QByteArray tipLine(const QString& answer);

// Appends tipLine(answer) to the file, creating it when missing. A file whose last line has
// no end gets one first, so that line is not joined to the new tip. False when the file
// could not be written.
bool appendTip(const QString& file, const QString& answer);

}  // namespace TipFile
