// The property list driven by synthesized pointer and key events, and the value choice dialog
// on top of it.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include "store/ParameterDefinition.h"
#include "ui/PropertyItem.h"
#include "ui/PropertyList.h"
#include "ui/StringTable.h"
#include "ui/ValueChoiceDialog.h"

using namespace trelink;

namespace {

constexpr int kRowHeight = 20;
constexpr int kDragMargin = 10;
constexpr int kFirstRowY = kRowHeight / 2;

// A shown list beside a field that can take the focus away from it.
struct ListWindow {
    explicit ListWindow(const QList<PropertyItem*>& items) {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(list);
        layout->addWidget(other);
        for (PropertyItem* item : items) list->AddRow(*item);
        window.resize(300, 120);
        window.show();
        window.activateWindow();
    }
    bool Ready() {
        return QTest::qWaitForWindowActive(&window) &&
               QTest::qWaitFor([this] { return list->Splitter() != 0; });
    }

    QWidget window;
    PropertyList* list = new PropertyList;
    QLineEdit* other = new QLineEdit;
};

void ClickValueCell(PropertyList& list, int y) {
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, QPoint(list.Splitter() + 20, y));
}

ParameterDefinition Record(ParameterType type, const std::string& value, const std::string& unit) {
    ParameterDefinition record;
    record.displayName = "Baudrate";
    record.type = type;
    record.value = value;
    record.unit = unit;
    return record;
}

enum DragEnd { kAtLeftLimit, kAtRightLimit, kAtRelease, kUnmoved };

}  // namespace

class PropertyListTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(StringTable::InstallBuiltInCatalogue()); }

    void
    eachKindOpensItsEditorWritesThroughAndHidesOnFocusLossAndOnlyTheFirstDrawSetsTheSplitter() {
        PropertyItem choice{QStringLiteral("Mode"), QStringLiteral("b"), PropertyItem::kChoiceList,
                            QStringLiteral("a|b|")};
        PropertyItem text{
            QStringLiteral("Port"), QStringLiteral("12"), PropertyItem::kFreeText, {}};
        ListWindow shown({&choice, &text});
        QCOMPARE(shown.list->Splitter(), 0);
        QVERIFY(shown.Ready());
        // The first draw sets the splitter.
        const int firstWidth = shown.list->viewport()->width();
        QCOMPARE(shown.list->Splitter(), firstWidth / 2);

        ClickValueCell(*shown.list, kFirstRowY);
        QComboBox* box = shown.list->ChoiceEditor();
        QVERIFY(box && box->isVisible() && box->hasFocus() && !shown.list->TextEditor());
        // Its own drop-down takes the focus for a while without closing the editor.
        box->showPopup();
        QVERIFY(box->isVisible());
        box->hidePopup();

        // Below the last row counts for the last row.
        ClickValueCell(*shown.list, shown.list->viewport()->height() - 2);
        QCOMPARE(shown.list->CurrentRow(), 1);
        QLineEdit* field = shown.list->TextEditor();
        QVERIFY(field && field->isVisible() && field->hasFocus() && !box->isVisible());
        QTest::keyClick(field, Qt::Key_End);
        QTest::keyClick(field, Qt::Key_Backspace);
        QCOMPARE(text.value, QStringLiteral("1"));
        QTest::keyClicks(field, QStringLiteral("34"));
        QCOMPARE(text.value, QStringLiteral("134"));

        shown.other->setFocus();
        QTRY_VERIFY(!field->isVisible());
        QCOMPARE(choice.value, QStringLiteral("b"));

        // Later draws leave it where it is.
        shown.window.resize(500, 120);
        QTRY_VERIFY(shown.list->viewport()->width() > firstWidth);
        shown.list->viewport()->grab();
        QCOMPARE(shown.list->Splitter(), firstWidth / 2);
    }

    void choiceListIsFilledFromTheEndedPieces_data() {
        QTest::addColumn<QString>("choices");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<int>("preselected");
        QTest::newRow("text after the last bar is dropped, case ignored")
            << "1 ms|2 ms|3 ms"
            << "2 MS" << QStringList{"1 ms", "2 ms"} << 1;
        QTest::newRow("two bars in a row give an empty entry")
            << "a||b|"
            << "" << QStringList{"a", "", "b"} << 1;
        QTest::newRow("a value not offered shows the first entry")
            << "x|y|"
            << "z" << QStringList{"x", "y"} << 0;
        QTest::newRow("no bar, no entry") << "a"
                                          << "a" << QStringList{} << -1;
    }

    void choiceListIsFilledFromTheEndedPieces() {
        QFETCH(QString, choices);
        QFETCH(QString, value);
        PropertyItem item{QStringLiteral("Mode"), value, PropertyItem::kChoiceList, choices};
        ListWindow shown({&item});
        QVERIFY(shown.Ready());
        ClickValueCell(*shown.list, kFirstRowY);
        QComboBox* box = shown.list->ChoiceEditor();
        QStringList entries;
        for (int i = 0; i < box->count(); ++i) entries.append(box->itemText(i));
        QTEST(entries, "entries");
        QTEST(box->currentIndex(), "preselected");
        QCOMPARE(item.value, value);
    }

    void borderIsDraggedAsAnInvertedLineWithinTheMargins_data() {
        QTest::addColumn<int>("pressOffset");
        QTest::addColumn<int>("moveOffset");
        QTest::addColumn<int>("end");
        QTest::newRow("far left stops at the left margin") << 0 << -1000 << int(kAtLeftLimit);
        QTest::newRow("far right stops at the right margin") << 5 << 1000 << int(kAtRightLimit);
        QTest::newRow("inside the margins") << -5 << 40 << int(kAtRelease);
        QTest::newRow("a press further away is a click") << 6 << 40 << int(kUnmoved);
    }

    void borderIsDraggedAsAnInvertedLineWithinTheMargins() {
        QFETCH(int, pressOffset);
        QFETCH(int, moveOffset);
        QFETCH(int, end);
        PropertyItem item{QStringLiteral("Port"), {}, PropertyItem::kFreeText, {}};
        ListWindow shown({&item});
        QVERIFY(shown.Ready());
        QWidget* viewport = shown.list->viewport();
        const int splitter = shown.list->Splitter();
        const int releaseX = splitter + moveOffset;
        // The margins are measured from the control's outer edges, frame included.
        const QRect outer(viewport->mapFrom(shown.list, QPoint(0, 0)), shown.list->size());
        const int expected = end == kAtLeftLimit    ? outer.left() + kDragMargin
                             : end == kAtRightLimit ? outer.right() - kDragMargin
                             : end == kAtRelease    ? releaseX
                                                    : splitter;
        const QRgb under = viewport->grab().toImage().pixel(expected, kFirstRowY);

        QTest::mousePress(viewport, Qt::LeftButton, {}, QPoint(splitter + pressOffset, kFirstRowY));
        QTest::mouseMove(viewport, QPoint(releaseX, kFirstRowY));
        if (end != kUnmoved) {
            QCOMPARE(viewport->grab().toImage().pixel(expected, kFirstRowY),
                     qRgb(255 - qRed(under), 255 - qGreen(under), 255 - qBlue(under)));
        }
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, QPoint(releaseX, kFirstRowY));
        QCOMPARE(shown.list->Splitter(), expected);
        QCOMPARE(shown.list->TextEditor() != nullptr, end == kUnmoved);
    }

    void subrangeIsChangedOnlyWhenConfirmedAndThenClamped() {
        ParameterDefinition record = Record(PT_SUBRANGE, "25", "ms");
        record.defaultValue = "12";
        record.minimum = 10;
        record.maximum = 20;
        {
            ValueChoiceDialog dialog(record);
            QCOMPARE(dialog.windowTitle(), QStringLiteral("Baudrate bearbeiten"));
            dialog.StandardButton()->click();
            QCOMPARE(dialog.Row()->value, QStringLiteral("12 ms"));
            dialog.CancelButton()->click();
            QCOMPARE(dialog.result(), int(QDialog::Rejected));
            QCOMPARE(record.value, "25");
        }
        ValueChoiceDialog dialog(record);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTest::keyClick(&dialog, Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(record.value, "20");
        QCOMPARE(dialog.Row()->value, QStringLiteral("20 ms"));
    }

    void pickedChoiceIsStoredWithoutItsUnitAndARowlessSettingIsKept() {
        ParameterDefinition record = Record(PT_ENUM, "125", "kBd");
        record.choices = {"500", "125"};
        ValueChoiceDialog dialog(record);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTRY_VERIFY(dialog.List()->Splitter() != 0);
        ClickValueCell(*dialog.List(), kFirstRowY);
        QComboBox* box = dialog.List()->ChoiceEditor();
        QCOMPARE(box->currentText(), QStringLiteral("125 kBd"));
        QTest::keyClick(box, Qt::Key_Up);
        QCOMPARE(dialog.Row()->value, QStringLiteral("500 kBd"));
        dialog.ApplyButton()->click();
        QCOMPARE(record.value, "500");

        // A setting without a row is left as it was.
        ParameterDefinition text = Record(PT_STRING, "COM1", "");
        text.defaultValue = "COM2";
        ValueChoiceDialog rowless(text);
        rowless.show();
        QVERIFY(QTest::qWaitForWindowExposed(&rowless));
        QCOMPARE(rowless.List()->RowCount(), 0);
        QTest::mouseClick(rowless.List()->viewport(), Qt::LeftButton);
        QVERIFY(!rowless.List()->ChoiceEditor() && !rowless.List()->TextEditor());
        rowless.StandardButton()->click();
        rowless.ApplyButton()->click();
        QCOMPARE(rowless.result(), int(QDialog::Accepted));
        QCOMPARE(text.value, "COM1");
    }
};

QTEST_MAIN(PropertyListTest)
#include "PropertyListTest.moc"
