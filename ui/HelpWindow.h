#pragma once

#include <QString>
#include <QWidget>
#include <memory>

class QHelpEngine;
class QLineEdit;
class QTabWidget;
class QUrl;

namespace trelink {

class HelpBrowser;
class HelpSearchPanel;

// The help viewer: a window of the program with the contents, the index and the search of one
// help file beside the page shown. The main window owns it and closes it first when it goes;
// close() hides it and keeps the help file open for the next time.
class HelpWindow : public QWidget {
    Q_OBJECT

public:
    static constexpr const char* kStartPage = "index.html";

    // The search index is written below cacheFolder, never beside the help file.
    explicit HelpWindow(QWidget* parent = nullptr,
                        const QString& cacheFolder = DefaultCacheFolder());
    ~HelpWindow() override;

    static QString DefaultCacheFolder();
    // The page about the widget that has the focus, from its own or its nearest named parent's
    // object name or dialog class; the start page when none is known.
    static QString PageFor(const QWidget* focus);

    // Shows the window with the help file helpFileBase (its path without ".qhc") at page, or
    // at the start page. A help file that is missing or cannot be opened shows a note.
    void Open(const QString& helpFileBase, const QString& page = QString());

    HelpSearchPanel* Search() const { return m_search; }
    HelpBrowser* Browser() const { return m_browser; }

protected:
    void changeEvent(QEvent* event) override;

private:
    enum Tab { kContentsTab, kIndexTab, kSearchTab };

    void Retranslate();
    void LoadCollection(const QString& helpFileBase);
    void ConnectEngineWidgets();
    void DropCollection();
    void ShowPage(const QString& page);
    void ShowUrl(const QUrl& url);
    void SelectInContents(const QUrl& url);
    void ShowMissingNote();

    QString m_cacheFolder;
    QString m_helpFileBase;
    std::unique_ptr<QHelpEngine> m_engine;
    QTabWidget* m_navigation;
    QWidget* m_contentsPage;
    QLineEdit* m_indexFilter;
    QWidget* m_indexPage;
    HelpSearchPanel* m_search;
    HelpBrowser* m_browser;
};

}  // namespace trelink
