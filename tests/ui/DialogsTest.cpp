// The two small dialogs and the text table, without a main window.
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "store/MessageIds.h"
#include "ui/AddHardwareDialog.h"
#include "ui/ErrorListDialog.h"
#include "ui/StringTable.h"

using namespace trelink;

namespace {

QStringList ItemTexts(const QListWidget& list) {
    QStringList texts;
    for (int row = 0; row < list.count(); ++row) texts.append(list.item(row)->text());
    return texts;
}

}  // namespace

class DialogsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(StringTable::InstallBuiltInCatalogue()); }

    void addDialogSortsWithoutCaseEnablesAddOnFirstSelectionAndNeedsAChoice() {
        AddHardwareDialog dialog({QStringLiteral("zeta"), QStringLiteral("Beta"),
                                  QStringLiteral("alpha"), QStringLiteral("Über")});
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Hardware hinzufügen"));
        QCOMPARE(ItemTexts(*dialog.NameList()),
                 (QStringList{QStringLiteral("alpha"), QStringLiteral("Beta"),
                              QStringLiteral("Über"), QStringLiteral("zeta")}));
        QVERIFY(!dialog.AddButton()->isEnabled());
        QVERIFY(dialog.AddButton()->isDefault());
        QVERIFY(dialog.ChosenName().isEmpty());

        dialog.NameList()->setCurrentRow(1);
        QVERIFY(dialog.AddButton()->isEnabled());
        QCOMPARE(dialog.ChosenName(), QStringLiteral("Beta"));
        // Losing the selection keeps both the button and the chosen name.
        dialog.NameList()->clearSelection();
        QVERIFY(dialog.AddButton()->isEnabled());
        QCOMPARE(dialog.ChosenName(), QStringLiteral("Beta"));
        // A double click only selects.
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QListWidget* list = dialog.NameList();
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {},
                           list->visualItemRect(list->item(3)).center());
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.ChosenName(), QStringLiteral("zeta"));
        dialog.AddButton()->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));

        // With nothing offered it can only be cancelled.
        AddHardwareDialog empty({});
        QVERIFY(!empty.AddButton()->isEnabled());
        empty.AddButton()->click();
        QCOMPARE(empty.result(), int(QDialog::Rejected));
    }

    void errorListSortsWithoutCaseKeepsDuplicatesAndSelectsNothing() {
        ErrorListDialog dialog({QStringLiteral("b finding"), QStringLiteral("A finding"),
                                QStringLiteral("b finding")});
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Fehlerliste"));
        QListWidget* list = dialog.FindingList();
        QCOMPARE(ItemTexts(*list),
                 (QStringList{QStringLiteral("A finding"), QStringLiteral("b finding"),
                              QStringLiteral("b finding")}));
        list->setCurrentRow(1);
        list->selectAll();
        QVERIFY(list->selectedItems().isEmpty());
        dialog.OkButton()->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    // The file really tried, and the system's error number in decimal and in hex.
    void aLibraryThatCannotBeLoadedIsNamedWithItsErrorCode() {
        QCOMPARE(StringTable::LoadFailureText({"libErrorLookUp.so", 126}),
                 QStringLiteral("Can't load libErrorLookUp.so. Error code: 126 (7e)"));
    }
};

QTEST_MAIN(DialogsTest)
#include "DialogsTest.moc"
