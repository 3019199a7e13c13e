#include "ui/HelpCache.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace trelink {

QString HelpCache::Prepare(const QString& helpFileBase) const {
    const QString name = QFileInfo(helpFileBase).fileName();
    const QDir folder(m_folder);
    if (m_folder.isEmpty() || name.isEmpty() || !folder.mkpath(QStringLiteral("."))) return {};
    bool replaced = false;
    const QString collection = folder.filePath(name + QStringLiteral(".qhc"));
    if (!Refresh(helpFileBase + QStringLiteral(".qhc"), collection, replaced) ||
        !Refresh(helpFileBase + QStringLiteral(".qch"),
                 folder.filePath(name + QStringLiteral(".qch")), replaced)) {
        return {};
    }
    // The engine keeps the index of a collection in "." and the collection's base name; an
    // index of the documentation the copies replaced would find pages that are gone.
    if (replaced) QDir(folder.filePath(QLatin1Char('.') + name)).removeRecursively();
    return collection;
}

bool HelpCache::Refresh(const QString& source, const QString& copy, bool& replaced) const {
    const QFileInfo from(source);
    const QFileInfo to(copy);
    if (!from.isFile()) return false;
    if (to.isFile() && to.size() == from.size() && to.lastModified() == from.lastModified()) {
        return true;
    }
    replaced = true;
    QFile::remove(copy);
    if (!QFile::copy(source, copy)) return false;
    QFile file(copy);
    // An installed help file may be read-only, and the copy keeps the permissions it came with.
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    return file.open(QIODevice::ReadWrite) &&
           file.setFileTime(from.lastModified(), QFileDevice::FileModificationTime);
}

}  // namespace trelink
