// The about box: the version from the program file's package note, the build stamp, and the same
// texts on every opening.
#include <QLabel>
#include <QTest>

#include "DemoCopy.h"
#include "ui/AboutBox.h"
#include "ui/BuildStamp.h"
#include "ui/StringTable.h"

using namespace trelink;

class AboutBoxTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(StringTable::InstallBuiltInCatalogue()); }

    void showsTheProgramFilesVersionOnEveryOpening_data() {
        QTest::addColumn<QString>("programFile");
        QTest::addColumn<QString>("version");
        QTest::addColumn<QString>("shortVersion");
        const QString bin = DemoCopy::BinFolder() + u'/';
        QTest::newRow("note") << bin + QStringLiteral("trelinkkonfigurator")
                              << QStringLiteral(TRELINK_PROJECT_VERSION)
                              << QStringLiteral(TRELINK_SHORT_VERSION);
        QTest::newRow("no note") << QCoreApplication::applicationFilePath() << QStringLiteral("-")
                                 << QStringLiteral("-");
    }

    void showsTheProgramFilesVersionOnEveryOpening() {
        QFETCH(QString, programFile);
        QFETCH(QString, version);
        QFETCH(QString, shortVersion);
        AboutBox box(nullptr, programFile);
        QCOMPARE(box.windowTitle(), QStringLiteral("Info über Trelink-Zazorudevoza"));
        for (int opening = 1; opening <= 2; ++opening) {
            box.show();
            QVERIFY(QTest::qWaitForWindowExposed(&box));
            QCOMPARE(box.ProductText()->text(),
                     QStringLiteral("Trelink-Zazorudevoza Version ") + shortVersion);
            QCOMPARE(box.BuildText()->text(),
                     QStringLiteral("%1 %2 (Build: %3)").arg(version, BuildDate(), BuildTime()));
            QTest::keyClick(&box, Qt::Key_Escape);
            QVERIFY(!box.isVisible());
        }
    }
};

QTEST_MAIN(AboutBoxTest)
#include "AboutBoxTest.moc"
