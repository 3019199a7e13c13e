#pragma once

#include <QPointer>
#include <QString>

class QTranslator;

namespace trelink {

// The language catalogue loaded on top of the built-in German texts:
// "TrelinkKonfiguratorRes_<number>.qm" in the program's folder. A loaded catalogue stays with
// the application until the next switch, even when its window goes.
class LanguageCatalogue {
public:
    // The catalogue's file name for a language number.
    static QString FileNameFor(int language);

    // Removes the loaded catalogue, so that the built-in texts are current again.
    void Unload();
    // Loads and installs the catalogue of that language; false when it cannot be loaded.
    bool Load(int language);
    bool IsLoaded() const { return !m_translator.isNull(); }

    // The folder looked in; empty means the program's own folder. For tests.
    void SetFolder(const QString& folder) { m_folder = folder; }

private:
    QString Folder() const;

    QPointer<QTranslator> m_translator;
    QString m_folder;
};

}  // namespace trelink
