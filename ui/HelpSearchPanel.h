#pragma once

#include <QPointer>
#include <QUrl>
#include <QWidget>

class QHelpSearchEngine;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace trelink {

// The search view of the help window: words to look for, and the titles of the pages that
// hold them. Searching is possible once the engine has built its index.
class HelpSearchPanel : public QWidget {
    Q_OBJECT

public:
    explicit HelpSearchPanel(QWidget* parent = nullptr);

    // The engine to search with; null when there is no help to search. Not owned.
    void SetEngine(QHelpSearchEngine* engine);
    void Retranslate();

    QLineEdit* SearchLine() const { return m_words; }
    QPushButton* SearchButton() const { return m_search; }
    QListWidget* Results() const { return m_results; }

signals:
    void PageRequested(const QUrl& page);

private:
    void SetReady(bool ready);
    void StartSearch();
    void ListResults(int hitCount);
    void OnResultChosen(QListWidgetItem* item);

    QPointer<QHelpSearchEngine> m_engine;
    QLabel* m_prompt;
    QLineEdit* m_words;
    QPushButton* m_search;
    QListWidget* m_results;
    QLabel* m_hits;
};

}  // namespace trelink
