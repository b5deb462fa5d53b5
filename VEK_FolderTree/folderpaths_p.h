// Paths in a folder tree: the roots of the platform, absolute folder paths, and paths
// taken apart into their names and put together again.
#pragma once

#include <QString>
#include <QStringList>

namespace vek::foldertree {

/// The tree's roots: "/" on Linux and macOS, the drive roots ("C:\", ...) on Windows.
QStringList RootPaths();

/// The root of the current directory's drive ("/" on Linux and macOS).
QString CurrentRoot();

/// Path made absolute (a relative one is taken from the current directory), "." and
/// ".." resolved in the text, with the platform's separators and a trailing separator.
/// Empty for an empty Path.
QString AbsoluteFolder(const QString& Path);

/// An absolute folder taken apart: its root (one of RootPaths) followed by the names
/// below it. Empty when the folder lies under none of the roots.
QStringList SplitFolder(const QString& Folder);

/// Name appended to Folder, with a separator between them unless Folder ends in one.
QString JoinPath(const QString& Folder, const QString& Name);

/// Whether two names are the same to the file system.
bool SameName(const QString& a, const QString& b);

} // namespace vek::foldertree
