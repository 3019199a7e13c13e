#include "ui/HelpWindow.h"

#include <QDir>
#include <QEvent>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QHelpSearchEngine>
#include <QLineEdit>
#include <QSplitter>
#include <QStandardPaths>
#include <QTabWidget>
#include <QVBoxLayout>
#include <array>
#include <utility>

#include "ui/HelpBrowser.h"
#include "ui/HelpCache.h"
#include "ui/HelpSearchPanel.h"

namespace trelink {
namespace {

// The help projects put every page into this virtual folder.
constexpr const char* kVirtualFolder = "doc";
constexpr int kWidth = 960;
constexpr int kHeight = 600;
constexpr int kNavigationWidth = 300;

// Pages by the object names of the main window's controls and by the dialogs' class names.
constexpr std::array kContextPages = {
    std::pair{"hardwareList", "hardware-list.html"},
    std::pair{"addButton", "adding-removing.html"},
    std::pair{"removeButton", "adding-removing.html#remove"},
    std::pair{"checkButton", "check.html"},
    std::pair{"leaveButton", "check.html#leave"},
    std::pair{"typeName", "index.html#window"},
    std::pair{"diagnoseButton", "diagnosis.html"},
    std::pair{"deviceStatus", "diagnosis.html#status"},
    std::pair{"driverList", "driver-information.html"},
    std::pair{"settingsList", "settings.html"},
    std::pair{"trelink::AddHardwareDialog", "adding-removing.html"},
    std::pair{"trelink::ErrorListDialog", "check.html#findings"},
    std::pair{"trelink::ValueChoiceDialog", "settings.html#value-dialog"},
    std::pair{"trelink::AboutBox", "index.html#about"},
};
// The pages of the tabs "Allgemein", "Treiber" and "Einstellungen", in tab order.
constexpr std::array kTabPages = {"diagnosis.html", "driver-information.html", "settings.html"};

QString ContextPage(const QWidget& widget) {
    if (const auto* tabs = qobject_cast<const QTabWidget*>(&widget);
        tabs && widget.objectName() == QStringLiteral("tabs")) {
        const int tab = tabs->currentIndex();
        if (tab >= 0 && tab < static_cast<int>(kTabPages.size())) {
            return QString::fromLatin1(kTabPages[static_cast<std::size_t>(tab)]);
        }
    }
    const QString className = QString::fromLatin1(widget.metaObject()->className());
    for (const auto& [key, page] : kContextPages) {
        const QString name = QString::fromLatin1(key);
        if (name == widget.objectName() || name == className) return QString::fromLatin1(page);
    }
    return {};
}

}  // namespace

HelpWindow::HelpWindow(QWidget* parent, const QString& cacheFolder)
    : QWidget(parent, Qt::Window),
      m_cacheFolder(cacheFolder),
      m_navigation(new QTabWidget),
      m_contentsPage(new QWidget),
      m_indexFilter(new QLineEdit),
      m_indexPage(new QWidget),
      m_search(new HelpSearchPanel),
      m_browser(new HelpBrowser) {
    new QVBoxLayout(m_contentsPage);
    auto* indexLayout = new QVBoxLayout(m_indexPage);
    indexLayout->addWidget(m_indexFilter);
    m_navigation->addTab(m_contentsPage, QString());
    m_navigation->addTab(m_indexPage, QString());
    m_navigation->addTab(m_search, QString());
    auto* splitter = new QSplitter(this);
    splitter->addWidget(m_navigation);
    splitter->addWidget(m_browser);
    splitter->setSizes({kNavigationWidth, kWidth - kNavigationWidth});
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter);
    resize(kWidth, kHeight);
    connect(m_search, &HelpSearchPanel::PageRequested, this, &HelpWindow::ShowUrl);
    Retranslate();
}

// The engine's widgets use its models, so they go before the engine does.
HelpWindow::~HelpWindow() {
    DropCollection();
}

QString HelpWindow::DefaultCacheFolder() {
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    // Without a cache folder the help cannot be opened; an empty folder says so.
    return cache.isEmpty() ? QString() : cache + QStringLiteral("/help");
}

QString HelpWindow::PageFor(const QWidget* focus) {
    for (const QWidget* widget = focus; widget; widget = widget->parentWidget()) {
        const QString page = ContextPage(*widget);
        if (!page.isEmpty()) return page;
    }
    return QString::fromLatin1(kStartPage);
}

void HelpWindow::Open(const QString& helpFileBase, const QString& page) {
    if (!m_engine || helpFileBase != m_helpFileBase) LoadCollection(helpFileBase);
    ShowPage(page.isEmpty() ? QString::fromLatin1(kStartPage) : page);
    show();
    raise();
    activateWindow();
}

void HelpWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) Retranslate();
    QWidget::changeEvent(event);
}

void HelpWindow::Retranslate() {
    //% "Trelink-Zazorudevoza Hilfe"
    setWindowTitle(qtTrId("help.title"));
    //% "Inhalt"
    m_navigation->setTabText(kContentsTab, qtTrId("help.contents"));
    //% "Index"
    m_navigation->setTabText(kIndexTab, qtTrId("help.index"));
    //% "Suche"
    m_navigation->setTabText(kSearchTab, qtTrId("help.searchtab"));
    m_search->Retranslate();
    if (!m_engine && !m_helpFileBase.isEmpty()) ShowMissingNote();
}

void HelpWindow::LoadCollection(const QString& helpFileBase) {
    DropCollection();
    m_helpFileBase = helpFileBase;
    const QString collection = HelpCache(m_cacheFolder).Prepare(helpFileBase);
    if (collection.isEmpty()) return;
    auto engine = std::make_unique<QHelpEngine>(collection);
    if (!engine->setupData() || engine->registeredDocumentations().isEmpty()) return;
    m_engine = std::move(engine);
    m_browser->SetEngine(m_engine.get());
    ConnectEngineWidgets();
    m_search->SetEngine(m_engine->searchEngine());
    // Search finds nothing until the index is built; it is built in the cache folder.
    m_engine->searchEngine()->reindexDocumentation();
}

void HelpWindow::ConnectEngineWidgets() {
    QHelpContentWidget* contents = m_engine->contentWidget();
    QHelpIndexWidget* index = m_engine->indexWidget();
    m_contentsPage->layout()->addWidget(contents);
    m_indexPage->layout()->addWidget(index);
    connect(contents, &QHelpContentWidget::linkActivated, this, &HelpWindow::ShowUrl);
    // The contents are read in the background; the page may be shown before they are there.
    connect(m_engine->contentModel(), &QHelpContentModel::contentsCreated, contents,
            [this, contents] {
                contents->expandAll();
                SelectInContents(m_browser->source());
            });
    connect(index, &QHelpIndexWidget::documentActivated, this,
            [this](const QHelpLink& document, const QString&) { ShowUrl(document.url); });
    connect(index, &QHelpIndexWidget::documentsActivated, this,
            [this](const QList<QHelpLink>& documents, const QString&) {
                if (!documents.isEmpty()) ShowUrl(documents.first().url);
            });
    connect(m_indexFilter, &QLineEdit::textChanged, index,
            [index](const QString& text) { index->filterIndices(text); });
}

void HelpWindow::DropCollection() {
    m_search->SetEngine(nullptr);
    m_browser->SetEngine(nullptr);
    m_browser->clearHistory();
    if (!m_engine) return;
    delete m_engine->contentWidget();
    delete m_engine->indexWidget();
    m_engine.reset();
}

void HelpWindow::ShowPage(const QString& page) {
    if (!m_engine) {
        ShowMissingNote();
        return;
    }
    const QString root =
        QStringLiteral("qthelp://%1/%2/")
            .arg(m_engine->registeredDocumentations().first(), QString::fromLatin1(kVirtualFolder));
    const QUrl url(root + page);
    ShowUrl(m_engine->fileData(url).isEmpty() ? QUrl(root + QString::fromLatin1(kStartPage)) : url);
}

void HelpWindow::ShowUrl(const QUrl& url) {
    m_browser->setSource(url);
    SelectInContents(url);
}

void HelpWindow::SelectInContents(const QUrl& url) {
    if (!m_engine) return;
    QHelpContentWidget* contents = m_engine->contentWidget();
    const QModelIndex item = contents->indexOf(url.adjusted(QUrl::RemoveFragment));
    if (item.isValid()) contents->setCurrentIndex(item);
}

void HelpWindow::ShowMissingNote() {
    m_browser->clear();
    //% "Die Hilfedatei %1 wurde nicht gefunden oder kann nicht geöffnet werden."
    m_browser->setPlainText(
        qtTrId("help.missing")
            .arg(QDir::toNativeSeparators(m_helpFileBase + QStringLiteral(".qhc"))));
}

}  // namespace trelink
