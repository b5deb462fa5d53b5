// File system and stream helpers: folder tests, textual parent folders, random passwords
// and line-by-line reading of text streams.
#pragma once

#include <frame/core/vekglobal.h>

#include <QIODeviceBase>
#include <QString>

class QFile;
class QIODevice;

namespace vek {

/// Whether c separates folders in a path: '/' on every platform, plus the platform's own
/// separator (QDir::separator(), '\' on Windows).
VEK_EXPORT bool IsDirSeparator(QChar c);

/// Whether Path names an existing folder (a trailing separator is allowed). An empty Path
/// gives false rather than meaning the current folder.
VEK_EXPORT bool DirExists(const QString& Path);

/// The parent folder of Path, ending with a separator: "/a/b/c" and "/a/b/c/" give
/// "/a/b/", "/a/" gives "/", and "a/b" gives "a/". The root, a single name ("a", "C:")
/// and the empty text give "". The result is always shorter than Path, so applying
/// ParentDir repeatedly always ends in "". Works on the text only (no file system access,
/// no resolution of "." or "..").
VEK_EXPORT QString ParentDir(const QString& Path);

/// Opens File (its file name set) for reading, with the Extra flags (QIODevice::Text),
/// when the name leads to a regular file. Folders, devices and pipes are refused: reading
/// one may never end (/dev/zero, a pipe nobody closes). Returns whether File is open.
VEK_EXPORT bool OpenRegularFileForReading(QFile& File, QIODeviceBase::OpenMode Extra = {});

/// A random password of Length characters drawn from A-Z, a-z and 0-9 by the system's
/// cryptographically secure generator. Length of 0 or less gives "".
VEK_EXPORT QString InventPassword(int Length);

/// Reads one text line (UTF-8) from Stream and returns it without its line end. LF, CR LF
/// and a lone CR all end a line; a UTF-8 byte order mark at the start of the stream is
/// skipped. EndOfStream becomes true when nothing follows the line just read, so a final
/// line end does not produce an extra empty line; a missing or unreadable Stream gives ""
/// with EndOfStream true. With TrimTrailingBlanks the blanks and tabs at the end of the
/// line are removed as well (padding of fixed-width text files).
VEK_EXPORT QString ReadLnStream(QIODevice* Stream, bool& EndOfStream, bool TrimTrailingBlanks);

} // namespace vek
