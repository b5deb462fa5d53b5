// Reading folders. On Unix the folders are read with the POSIX calls directly: a folder
// of a hundred thousand subfolders is read and each subfolder probed for a subfolder of
// its own, and the file type that readdir reports saves a stat call per entry there.
#include "folderlist_p.h"

#include <algorithm>

#ifdef Q_OS_UNIX
#include <QFile>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#include <QDirIterator>
#endif

namespace vek::foldertree {

#ifdef Q_OS_UNIX

namespace {

bool IsHidden(const char* name) { return name[0] == '.'; }

// Whether the entry of the open folder is a folder, or a link to one.
bool IsFolder(DIR* folder, const dirent* entry)
{
    if (entry->d_type == DT_DIR)
        return true;
    if (entry->d_type != DT_LNK && entry->d_type != DT_UNKNOWN)
        return false;
    struct stat status;
    return fstatat(dirfd(folder), entry->d_name, &status, 0) == 0 && S_ISDIR(status.st_mode);
}

// The subfolder Name of the open folder, opened for reading; nullptr when it cannot be.
DIR* OpenSubfolder(DIR* folder, const char* name)
{
    const int handle = openat(dirfd(folder), name, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (handle < 0)
        return nullptr;
    DIR* sub = fdopendir(handle);
    if (!sub)
        close(handle);
    return sub;
}

// Stops at the first visible subfolder.
bool HasVisibleSubfolder(DIR* folder)
{
    while (const dirent* entry = readdir(folder))
        if (!IsHidden(entry->d_name) && IsFolder(folder, entry))
            return true;
    return false;
}

} // namespace

std::vector<TSubfolder> ReadSubfolders(const QString& Folder)
{
    std::vector<TSubfolder> list;
    DIR* folder = opendir(QFile::encodeName(Folder).constData());
    if (!folder)
        return list;
    std::vector<QByteArray> names;
    while (const dirent* entry = readdir(folder))
        if (!IsHidden(entry->d_name) && IsFolder(folder, entry))
            names.emplace_back(entry->d_name);
    list.reserve(names.size());
    for (const QByteArray& name : names) {
        TSubfolder subfolder{QFile::decodeName(name)};
        if (DIR* sub = OpenSubfolder(folder, name.constData())) {
            subfolder.HasSubfolders = HasVisibleSubfolder(sub);
            closedir(sub);
        }
        list.push_back(std::move(subfolder));
    }
    closedir(folder);
    return list;
}

#else

namespace {

// Hidden folders (by attribute) are left out as well, as the platform's own file
// dialogs do.
constexpr QDir::Filters FolderFilter = QDir::Dirs | QDir::NoDotAndDotDot;

bool HasVisibleSubfolder(const QString& folder)
{
    QDirIterator it(folder, FolderFilter);
    while (it.hasNext()) {
        it.next();
        if (!it.fileName().startsWith(u'.'))
            return true;
    }
    return false;
}

} // namespace

std::vector<TSubfolder> ReadSubfolders(const QString& Folder)
{
    std::vector<TSubfolder> list;
    QDirIterator it(Folder, FolderFilter);
    while (it.hasNext()) {
        const QString path = it.next();
        if (!it.fileName().startsWith(u'.'))
            list.push_back({it.fileName(), HasVisibleSubfolder(path)});
    }
    return list;
}

#endif

namespace {

// The host's lowercase, A-Z only, so that the order does not depend on the locale.
char16_t Folded(QChar c)
{
    const char16_t u = c.unicode();
    return u >= u'A' && u <= u'Z' ? char16_t(u + (u'a' - u'A')) : u;
}

// Compares the folded names code unit by code unit, without building folded copies:
// sorting a hundred thousand names makes millions of comparisons.
bool FoldedLess(const TSubfolder& a, const TSubfolder& b)
{
    const qsizetype common = std::min(a.Name.size(), b.Name.size());
    for (qsizetype i = 0; i < common; ++i) {
        const char16_t x = Folded(a.Name[i]), y = Folded(b.Name[i]);
        if (x != y)
            return x < y;
    }
    return a.Name.size() < b.Name.size();
}

} // namespace

void SortSubfolders(std::vector<TSubfolder>& list)
{
    std::stable_sort(list.begin(), list.end(), FoldedLess);
}

std::vector<TSubfolder> SortedSubfolders(const QString& Folder)
{
    std::vector<TSubfolder> list = ReadSubfolders(Folder);
    SortSubfolders(list);
    return list;
}

} // namespace vek::foldertree
