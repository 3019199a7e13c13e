#include "FakePrompter.h"

#include <QDialog>

namespace trelink {

void FakePrompter::ExpectMessage(const QString& text, Icon icon) {
    m_expected.append({Kind::kMessage, text, icon, Answer::Ok, Answer::Ok, {}, {}, {}});
}

void FakePrompter::ExpectQuestion(const QString& text, Icon icon, Answer preselected, Answer answer,
                                  QuestionHandler onAsked) {
    m_expected.append(
        {Kind::kQuestion, text, icon, preselected, answer, std::move(onAsked), {}, {}});
}

void FakePrompter::ExpectDialog(DialogHandler handler) {
    Expected expected{Kind::kDialog, {}, Icon::None, Answer::Ok, Answer::Ok, {}, {}, {}};
    expected.dialog = std::move(handler);
    m_expected.append(expected);
}

void FakePrompter::ExpectMenu(MenuHandler handler) {
    Expected expected{Kind::kMenu, {}, Icon::None, Answer::Ok, Answer::Ok, {}, {}, {}};
    expected.menu = std::move(handler);
    m_expected.append(expected);
}

QStringList FakePrompter::Failures() const {
    QStringList failures = m_failures;
    for (const Expected& expected : m_expected) {
        failures.append(QStringLiteral("expected but never asked: %1").arg(expected.text));
    }
    return failures;
}

void FakePrompter::Reset() {
    m_expected.clear();
    m_failures.clear();
}

bool FakePrompter::Take(Kind kind, const QString& what, Expected& expected) {
    if (m_expected.isEmpty() || m_expected.first().kind != kind) {
        m_failures.append(QStringLiteral("unexpected prompt: %1").arg(what));
        return false;
    }
    expected = m_expected.takeFirst();
    return true;
}

void FakePrompter::ShowMessage(QWidget*, const QString& text, Icon icon) {
    Expected expected;
    if (!Take(Kind::kMessage, text, expected)) return;
    if (expected.text != text || expected.icon != icon) {
        m_failures.append(
            QStringLiteral("message \"%1\" (icon %2) where \"%3\" (icon %4) was expected")
                .arg(text)
                .arg(static_cast<int>(icon))
                .arg(expected.text)
                .arg(static_cast<int>(expected.icon)));
    }
}

Prompter::Answer FakePrompter::AskYesNo(QWidget*, const QString& text, Icon icon,
                                        Answer preselected) {
    Expected expected;
    if (!Take(Kind::kQuestion, text, expected)) return Answer::No;
    if (expected.text != text || expected.icon != icon || expected.preselected != preselected) {
        m_failures.append(
            QStringLiteral("question \"%1\" differs from the one expected").arg(text));
    }
    if (expected.onAsked) expected.onAsked();
    return expected.answer;
}

int FakePrompter::RunDialog(QDialog& dialog) {
    Expected expected;
    if (!Take(Kind::kDialog, dialog.windowTitle(), expected)) return QDialog::Rejected;
    return expected.dialog(dialog);
}

QAction* FakePrompter::PopUpMenu(QMenu& menu, const QPoint&) {
    Expected expected;
    if (!Take(Kind::kMenu, QStringLiteral("context menu"), expected)) return nullptr;
    return expected.menu(menu);
}

}  // namespace trelink
