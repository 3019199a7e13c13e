#pragma once

#include <QList>
#include <QStringList>
#include <functional>

#include "ui/Prompter.h"

namespace trelink {

// Answers the program's prompts in place of a person. Every prompt must have been announced
// with an Expect call, in order; anything else is recorded as a failure, which the tests check
// in their cleanup.
class FakePrompter : public Prompter {
public:
    using DialogHandler = std::function<int(QDialog&)>;
    using MenuHandler = std::function<QAction*(QMenu&)>;
    using QuestionHandler = std::function<void()>;

    void ExpectMessage(const QString& text, Icon icon);
    // Answers with answer after checking that preselected is the default; onAsked runs first.
    void ExpectQuestion(const QString& text, Icon icon, Answer preselected, Answer answer,
                        QuestionHandler onAsked = {});
    void ExpectDialog(DialogHandler handler);
    void ExpectMenu(MenuHandler handler);

    // What went wrong so far: unexpected or mismatched prompts, and expected ones not asked.
    QStringList Failures() const;
    void Reset();

    void ShowMessage(QWidget* parent, const QString& text, Icon icon) override;
    Answer AskYesNo(QWidget* parent, const QString& text, Icon icon, Answer preselected) override;
    int RunDialog(QDialog& dialog) override;
    QAction* PopUpMenu(QMenu& menu, const QPoint& screenPosition) override;

private:
    enum class Kind { kMessage, kQuestion, kDialog, kMenu };
    struct Expected {
        Kind kind;
        QString text;
        Icon icon = Icon::None;
        Answer preselected = Answer::Ok;
        Answer answer = Answer::Ok;
        QuestionHandler onAsked;
        DialogHandler dialog;
        MenuHandler menu;
    };

    // The next expectation when it is of that kind; otherwise records a failure.
    bool Take(Kind kind, const QString& what, Expected& expected);

    QList<Expected> m_expected;
    QStringList m_failures;
};

}  // namespace trelink
