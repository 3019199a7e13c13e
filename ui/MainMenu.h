#pragma once

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace trelink {

// The menu bar of the main window: "&Optionen" > "&Sprache" and "&?".
class MainMenu {
public:
    enum Command {
        kInfo = 40001,
        kGerman = 40008,
        kEnglish = 40009,
        kHelpTopics = 40011,
    };

    explicit MainMenu(QWidget* parent);

    // Captions in the current language.
    void Retext();
    // 49 checks "&Deutsch", 44 checks "&Englisch", any other number changes no mark.
    void MarkLanguage(int language);

    QMenuBar* Bar() const { return m_bar; }
    QAction* Action(Command command) const;

private:
    QMenuBar* m_bar;
    QMenu* m_options;
    QMenu* m_language;
    QMenu* m_help;
    QAction* m_german;
    QAction* m_english;
    QAction* m_helpTopics;
    QAction* m_info;
};

}  // namespace trelink
