// Reading the folders a folder tree shows: the visible subfolders of a folder, each with
// whether it has visible subfolders of its own, in the tree's order.
#pragma once

#include <QString>

#include <vector>

namespace vek::foldertree {

/// Whether the platform's file system tells names apart by case: paths are never
/// lowercased before they are looked up, only compared as the file system would.
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
constexpr Qt::CaseSensitivity FileNameCase = Qt::CaseInsensitive;
#else
constexpr Qt::CaseSensitivity FileNameCase = Qt::CaseSensitive;
#endif

/// A subfolder and whether it contains a visible subfolder (its expand button).
struct TSubfolder {
    QString Name;
    bool HasSubfolders = false;
};

/// The visible subfolders of Folder in the order the file system lists them: every
/// folder (or link to one) whose name does not begin with '.'. Whether a subfolder has
/// subfolders is found by reading it up to its first visible subfolder. A folder that
/// does not exist or may not be read gives an empty list.
std::vector<TSubfolder> ReadSubfolders(const QString& Folder);

/// Sorts the list as the tree shows it: by the names with A-Z made lowercase (no other
/// letter is folded), compared code unit by code unit; equal keys keep their order.
void SortSubfolders(std::vector<TSubfolder>& list);

/// ReadSubfolders and SortSubfolders.
std::vector<TSubfolder> SortedSubfolders(const QString& Folder);

} // namespace vek::foldertree
