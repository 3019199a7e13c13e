#pragma once

#include <QString>

namespace trelink {

// A writable copy of a help file. The help engine writes its search index beside the
// collection it opens, which must never be the folder of an installed program, so the
// collection and its documentation are opened from copies in a cache folder.
class HelpCache {
public:
    explicit HelpCache(const QString& folder) : m_folder(folder) {}

    // Copies "<helpFileBase>.qhc" and ".qch" into the folder unless copies of the same size
    // and time are there already, and gives the path of the collection's copy; empty when the
    // help file is missing or cannot be copied.
    QString Prepare(const QString& helpFileBase) const;

private:
    // Whether copy is now the same as source; replaced tells whether it had to be copied.
    bool Refresh(const QString& source, const QString& copy, bool& replaced) const;

    QString m_folder;
};

}  // namespace trelink
