#pragma once

#include <QString>
#include <memory>
#include <string>

class QWidget;

namespace trelink {

class HelpWindow;
class Prompter;

// The "&?" menu of the main window: the help viewer, made when first asked for and closed
// before the window goes, and the about box.
class ProgramHelp {
public:
    // helpFilePath is the application's, which the language switch points at a language's help.
    ProgramHelp(QWidget* window, Prompter& prompter, const std::string& helpFilePath);
    ~ProgramHelp();

    // The help file at page, or at its start page.
    void Show(const QString& page = QString());
    // The page about the widget that has the focus.
    void ShowForFocus();
    void ShowAbout();
    void Close();

    HelpWindow* Viewer() const { return m_viewer.get(); }

private:
    QWidget* m_window;
    Prompter& m_prompter;
    const std::string& m_helpFilePath;
    std::unique_ptr<HelpWindow> m_viewer;
};

}  // namespace trelink
