#include "folderpaths_p.h"

#include "folderlist_p.h"

#include <frame/baselib/strutils.h>

#include <QDir>

namespace vek::foldertree {

QStringList RootPaths()
{
#ifdef Q_OS_WIN
    QStringList roots;
    for (const QFileInfo& drive : QDir::drives())
        roots << QDir::toNativeSeparators(drive.absoluteFilePath());
    return roots;
#else
    return {QStringLiteral("/")};
#endif
}

QString CurrentRoot()
{
    const QString current = QDir::toNativeSeparators(QDir::currentPath());
    for (const QString& root : RootPaths())
        if (current.startsWith(root, FileNameCase))
            return root;
    return RootPaths().value(0);
}

QString AbsoluteFolder(const QString& Path)
{
    if (Path.isEmpty())
        return {};
    const QString absolute = QDir::cleanPath(QDir::current().absoluteFilePath(Path));
    return EnsureTrailingBkSlash(QDir::toNativeSeparators(absolute));
}

QStringList SplitFolder(const QString& Folder)
{
    for (const QString& root : RootPaths())
        if (Folder.startsWith(root, FileNameCase))
            return QStringList{root}
                   + Folder.mid(root.size()).split(QDir::separator(), Qt::SkipEmptyParts);
    return {};
}

QString JoinPath(const QString& Folder, const QString& Name)
{
    return EnsureTrailingBkSlash(Folder) + Name;
}

bool SameName(const QString& a, const QString& b)
{
    return a.compare(b, FileNameCase) == 0;
}

} // namespace vek::foldertree
