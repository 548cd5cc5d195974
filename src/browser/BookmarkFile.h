#pragma once

#include <QString>

// Internet shortcut files (".url"): the bookmarks of the BookMarks menu.
//
// Reading follows the classic line reader of these files, quirks included, so a bookmark
// opens at the same address whichever line ends it was saved with:
// - only CR or CR LF end a line; a bare LF is an ordinary character of the line;
// - lines are read up to and including the first one that contains "URL" (case-sensitive),
//   or to the end of the file; L is the last line read;
// - when the first LF in L is its 19th character, the file was saved with bare LFs behind
//   the 18-character "[InternetShortcut]" header: the address is the text after that LF
//   without its 4-character key "URL=", up to the next LF;
// - otherwise the address is L without its first 4 characters, at most 256 characters.
namespace BookmarkFile {

struct ReadResult {
    QString address;
    QString error;
    bool ok() const { return error.isEmpty(); }
};

struct WriteResult {
    // The target file, also when writing failed.
    QString path;
    QString error;
    bool ok() const { return error.isEmpty(); }
};

// Files above this size are refused rather than read.
constexpr qint64 maxFileSize = 1024 * 1024;

// The address in the file at `path`, empty when the file holds none. A file that cannot
// be read, or is too large, fails with an error text and no address.
ReadResult read(const QString& path);

// A file name (without ".url") made from a page title: characters that are not allowed
// or risky in file names become blanks, blanks are collapsed, leading and trailing dots
// and blanks are removed and the result is cut to a length every file system accepts.
// An empty result falls back to the host of `address`, then to "Bookmark".
QString safeFileName(const QString& title, const QString& address);

// The file `write` creates for this title in `folder`.
QString targetPath(const QString& folder, const QString& title, const QString& address);

// The target file when it already exists, otherwise empty: lets the caller ask before
// overwriting.
QString existingFile(const QString& folder, const QString& title, const QString& address);

// Saves "[InternetShortcut]\r\nURL=<address>\r\n" (UTF-8) as targetPath(), creating
// `folder` when missing. An existing file is replaced only with `overwrite`. The file is
// written in full; note that read() gives back only the first 256 characters of a longer
// address. An address with a line break would corrupt the file and is refused.
WriteResult write(const QString& folder, const QString& title, const QString& address,
                  bool overwrite = false);

}  // namespace BookmarkFile
