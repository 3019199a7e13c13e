#pragma once

#include <QTextBrowser>

class QHelpEngineCore;

namespace trelink {

// Shows help pages, taking "qthelp:" pages, pictures and style sheets from a help engine.
class HelpBrowser : public QTextBrowser {
    Q_OBJECT

public:
    explicit HelpBrowser(QWidget* parent = nullptr);

    // The engine to read from; null drops it. The browser does not own it.
    void SetEngine(const QHelpEngineCore* engine) { m_engine = engine; }

    QVariant loadResource(int type, const QUrl& name) override;

private:
    const QHelpEngineCore* m_engine = nullptr;
};

}  // namespace trelink
