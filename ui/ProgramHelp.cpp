#include "ui/ProgramHelp.h"

#include <QApplication>

#include "ui/AboutBox.h"
#include "ui/HelpWindow.h"
#include "ui/Prompter.h"

namespace trelink {

ProgramHelp::ProgramHelp(QWidget* window, Prompter& prompter, const std::string& helpFilePath)
    : m_window(window), m_prompter(prompter), m_helpFilePath(helpFilePath) {}

ProgramHelp::~ProgramHelp() = default;

void ProgramHelp::Show(const QString& page) {
    if (!m_viewer) m_viewer = std::make_unique<HelpWindow>(m_window);
    m_viewer->Open(QString::fromStdString(m_helpFilePath), page);
}

void ProgramHelp::ShowForFocus() {
    Show(HelpWindow::PageFor(QApplication::focusWidget()));
}

void ProgramHelp::ShowAbout() {
    AboutBox box(m_window);
    m_prompter.RunDialog(box);
}

void ProgramHelp::Close() {
    m_viewer.reset();
}

}  // namespace trelink
