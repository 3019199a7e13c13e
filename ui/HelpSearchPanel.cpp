#include "ui/HelpSearchPanel.h"

#include <QGridLayout>
#include <QHelpSearchEngine>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace trelink {

HelpSearchPanel::HelpSearchPanel(QWidget* parent)
    : QWidget(parent),
      m_prompt(new QLabel(this)),
      m_words(new QLineEdit(this)),
      m_search(new QPushButton(this)),
      m_results(new QListWidget(this)),
      m_hits(new QLabel(this)) {
    m_prompt->setBuddy(m_words);
    auto* layout = new QGridLayout(this);
    layout->addWidget(m_prompt, 0, 0, 1, 2);
    layout->addWidget(m_words, 1, 0);
    layout->addWidget(m_search, 1, 1);
    layout->addWidget(m_results, 2, 0, 1, 2);
    layout->addWidget(m_hits, 3, 0, 1, 2);
    connect(m_words, &QLineEdit::returnPressed, this, &HelpSearchPanel::StartSearch);
    connect(m_search, &QPushButton::clicked, this, &HelpSearchPanel::StartSearch);
    connect(m_results, &QListWidget::itemClicked, this, &HelpSearchPanel::OnResultChosen);
    connect(m_results, &QListWidget::itemActivated, this, &HelpSearchPanel::OnResultChosen);
    Retranslate();
    SetReady(false);
}

void HelpSearchPanel::SetEngine(QHelpSearchEngine* engine) {
    if (m_engine) disconnect(m_engine, nullptr, this, nullptr);
    m_engine = engine;
    m_results->clear();
    m_hits->clear();
    SetReady(false);
    if (!engine) return;
    connect(engine, &QHelpSearchEngine::indexingStarted, this, [this] { SetReady(false); });
    connect(engine, &QHelpSearchEngine::indexingFinished, this, [this] { SetReady(true); });
    connect(engine, &QHelpSearchEngine::searchingFinished, this, &HelpSearchPanel::ListResults);
}

void HelpSearchPanel::Retranslate() {
    //% "&Suchen nach:"
    m_prompt->setText(qtTrId("help.searchfor"));
    //% "Suchen"
    m_search->setText(qtTrId("help.search"));
}

// Until the index is built a search would find nothing, which would read as "no such page".
void HelpSearchPanel::SetReady(bool ready) {
    m_words->setEnabled(ready);
    m_search->setEnabled(ready);
}

void HelpSearchPanel::StartSearch() {
    const QString words = m_words->text().trimmed();
    if (!m_engine || words.isEmpty()) return;
    m_results->clear();
    m_engine->search(words);
}

void HelpSearchPanel::ListResults(int hitCount) {
    m_results->clear();
    for (const QHelpSearchResult& result : m_engine->searchResults(0, hitCount)) {
        auto* item = new QListWidgetItem(result.title(), m_results);
        item->setData(Qt::UserRole, result.url());
    }
    //% "Treffer: %1"
    m_hits->setText(qtTrId("help.hits").arg(hitCount));
}

void HelpSearchPanel::OnResultChosen(QListWidgetItem* item) {
    if (item) emit PageRequested(item->data(Qt::UserRole).toUrl());
}

}  // namespace trelink
