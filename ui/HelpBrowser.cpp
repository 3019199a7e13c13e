#include "ui/HelpBrowser.h"

#include <QHelpEngineCore>

namespace trelink {

HelpBrowser::HelpBrowser(QWidget* parent) : QTextBrowser(parent) {
    setOpenExternalLinks(true);
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
    if (m_engine && name.scheme() == QStringLiteral("qthelp")) return m_engine->fileData(name);
    return QTextBrowser::loadResource(type, name);
}

}  // namespace trelink
