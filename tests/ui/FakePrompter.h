#pragma once

#include <QDialog>
#include <QList>
#include <QStringList>
#include <functional>
#include <utility>

#include "ui/Prompter.h"

namespace trelink {

// Answers the program's prompts in place of a person. Every prompt must have been announced
// with an Expect call, in order; anything else is recorded as a failure, which the tests check
// in their cleanup.
class FakePrompter : public Prompter {
public:
    using DialogHandler = std::function<int(QDialog&)>;
    using MenuHandler = std::function<QAction*(QMenu&)>;

    void ExpectMessage(const QString& text, Icon icon) {
        m_expected.append({Kind::kMessage, text, icon, {}, {}, {}, {}});
    }
    // Answers with answer after checking that preselected is the default.
    void ExpectQuestion(const QString& text, Icon icon, Answer preselected, Answer answer) {
        m_expected.append({Kind::kQuestion, text, icon, preselected, answer, {}, {}});
    }
    void ExpectDialog(DialogHandler handler) {
        m_expected.append({Kind::kDialog, {}, {}, {}, {}, std::move(handler), {}});
    }
    void ExpectMenu(MenuHandler handler) {
        m_expected.append({Kind::kMenu, {}, {}, {}, {}, {}, std::move(handler)});
    }

    // What went wrong so far: unexpected or mismatched prompts, and expected ones not asked.
    // Starts afresh.
    QStringList TakeFailures() {
        QStringList failures = std::exchange(m_failures, {});
        for (const Expected& expected : std::exchange(m_expected, {}))
            failures.append(QStringLiteral("expected but never asked: %1").arg(expected.text));
        return failures;
    }

    void ShowMessage(QWidget*, const QString& text, Icon icon) override {
        const Expected expected = Take(Kind::kMessage, text);
        if (expected.kind == Kind::kMessage && (expected.text != text || expected.icon != icon)) {
            m_failures.append(
                QStringLiteral("message \"%1\" differs from the one expected").arg(text));
        }
    }
    Answer AskYesNo(QWidget*, const QString& text, Icon icon, Answer preselected) override {
        const Expected expected = Take(Kind::kQuestion, text);
        if (expected.kind != Kind::kQuestion) return Answer::No;
        if (expected.text != text || expected.icon != icon || expected.preselected != preselected)
            m_failures.append(
                QStringLiteral("question \"%1\" differs from the one expected").arg(text));
        return expected.answer;
    }
    int RunDialog(QDialog& dialog) override {
        const Expected expected = Take(Kind::kDialog, dialog.windowTitle());
        return expected.dialog ? expected.dialog(dialog) : int(QDialog::Rejected);
    }
    QAction* PopUpMenu(QMenu& menu, const QPoint&) override {
        const Expected expected = Take(Kind::kMenu, QStringLiteral("context menu"));
        return expected.menu ? expected.menu(menu) : nullptr;
    }

private:
    enum class Kind { kNone, kMessage, kQuestion, kDialog, kMenu };
    struct Expected {
        Kind kind = Kind::kNone;
        QString text;
        Icon icon = Icon::None;
        Answer preselected = Answer::Ok;
        Answer answer = Answer::Ok;
        DialogHandler dialog;
        MenuHandler menu;
    };

    // The next expectation when it is of that kind; otherwise records a failure.
    Expected Take(Kind kind, const QString& what) {
        if (m_expected.isEmpty() || m_expected.first().kind != kind) {
            m_failures.append(QStringLiteral("unexpected prompt: %1").arg(what));
            return {};
        }
        return m_expected.takeFirst();
    }

    QList<Expected> m_expected;
    QStringList m_failures;
};

}  // namespace trelink
