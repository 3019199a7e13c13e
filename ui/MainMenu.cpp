#include "ui/MainMenu.h"

#include <QMenuBar>

#include "commands/ProgramSettings.h"

namespace trelink {

MainMenu::MainMenu(QWidget* parent)
    : m_bar(new QMenuBar(parent)),
      m_options(m_bar->addMenu(QString())),
      m_language(m_options->addMenu(QString())),
      m_help(m_bar->addMenu(QString())),
      m_german(m_language->addAction(QString())),
      m_english(m_language->addAction(QString())),
      m_helpTopics(m_help->addAction(QString())),
      m_info(nullptr) {
    m_bar->setObjectName(QStringLiteral("menuBar"));
    m_help->addSeparator();
    m_info = m_help->addAction(QString());
    m_german->setCheckable(true);
    m_english->setCheckable(true);
    Retext();
}

void MainMenu::Retext() {
    //% "&Optionen"
    m_options->setTitle(qtTrId("menu.options"));
    //% "&Sprache"
    m_language->setTitle(qtTrId("menu.language"));
    //% "&Deutsch"
    m_german->setText(qtTrId("menu.german"));
    //% "&Englisch"
    m_english->setText(qtTrId("menu.english"));
    //% "&?"
    m_help->setTitle(qtTrId("menu.help"));
    //% "&Hilfethemen"
    m_helpTopics->setText(qtTrId("menu.helptopics"));
    //% "&Info"
    m_info->setText(qtTrId("menu.info"));
}

void MainMenu::MarkLanguage(int language) {
    if (language == ProgramSettings::kGerman || language == ProgramSettings::kEnglish) {
        m_german->setChecked(language == ProgramSettings::kGerman);
        m_english->setChecked(language == ProgramSettings::kEnglish);
    }
}

QAction* MainMenu::Action(Command command) const {
    switch (command) {
        case kInfo:
            return m_info;
        case kGerman:
            return m_german;
        case kEnglish:
            return m_english;
        case kHelpTopics:
            return m_helpTopics;
    }
    return nullptr;
}

}  // namespace trelink
