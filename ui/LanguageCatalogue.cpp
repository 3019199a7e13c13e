#include "ui/LanguageCatalogue.h"

#include <QCoreApplication>
#include <QDir>
#include <QTranslator>

#include "services/ProgramPath.h"

namespace trelink {

QString LanguageCatalogue::FileNameFor(int language) {
    return QStringLiteral("TrelinkKonfiguratorRes_%1.qm").arg(language);
}

void LanguageCatalogue::Unload() {
    if (m_translator) {
        QCoreApplication::removeTranslator(m_translator);
        delete m_translator;
    }
}

bool LanguageCatalogue::Load(int language) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QDir(Folder()).filePath(FileNameFor(language)))) {
        delete translator;
        return false;
    }
    m_translator = translator;
    QCoreApplication::installTranslator(translator);
    return true;
}

QString LanguageCatalogue::Folder() const {
    return m_folder.isEmpty() ? QString::fromStdString(ProgramFolder()) : m_folder;
}

}  // namespace trelink
