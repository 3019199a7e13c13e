// The help window on copies of the built help files: search in both languages, the index kept
// out of the installed folder, a missing help file, and the pages that F1 asks for.
#include <QDir>
#include <QFile>
#include <QHelpEngineCore>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSet>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "DemoCopy.h"
#include "ui/AboutBox.h"
#include "ui/AddHardwareDialog.h"
#include "ui/ErrorListDialog.h"
#include "ui/HelpBrowser.h"
#include "ui/HelpCache.h"
#include "ui/HelpSearchPanel.h"
#include "ui/HelpWindow.h"
#include "ui/StringTable.h"

using namespace trelink;

namespace {

constexpr int kEngineTimeoutMs = 30000;

QStringList Entries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

}  // namespace

class HelpWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(StringTable::InstallBuiltInCatalogue()); }
    void init() { m_folder = std::make_unique<QTemporaryDir>(); }
    void searchFindsAPageAndKeepsTheIndexInTheCache_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("title");
        QTest::newRow("German") << 49 << QStringLiteral("Baudrate")
                                << QStringLiteral("Diagnose und Busscan");
        QTest::newRow("English") << 44 << QStringLiteral("liability")
                                 << QStringLiteral("Diagnosis and bus scan");
    }
    void searchFindsAPageAndKeepsTheIndexInTheCache() {
        QFETCH(int, language);
        QFETCH(QString, word);
        QFETCH(QString, title);
        const QString helpFile = Install(language);
        const QStringList installed = Entries(QFileInfo(helpFile).path());
        HelpWindow window(nullptr, Cache());
        window.Open(helpFile);
        HelpSearchPanel* search = window.Search();
        QTRY_VERIFY_WITH_TIMEOUT(search->SearchButton()->isEnabled(), kEngineTimeoutMs);
        search->SearchLine()->setText(word);
        search->SearchButton()->click();
        QTRY_VERIFY_WITH_TIMEOUT(search->Results()->count() > 0, kEngineTimeoutMs);
        const QList<QListWidgetItem*> hits = search->Results()->findItems(title, Qt::MatchExactly);
        QCOMPARE(hits.size(), 1);
        emit search->Results()->itemClicked(hits.first());
        QCOMPARE(window.Browser()->documentTitle(), title);
        QCOMPARE(Entries(QFileInfo(helpFile).path()), installed);
        QVERIFY(Entries(Cache()).contains(u'.' + QFileInfo(helpFile).fileName()));
    }
    void aMissingHelpFileShowsANote() {
        const QString missing = m_folder->filePath(QStringLiteral("TrelinkKonfiguratorHlp_49"));
        HelpWindow window(nullptr, Cache());
        window.Open(missing, QStringLiteral("check.html"));
        QVERIFY(window.Browser()->toPlainText().contains(missing + QStringLiteral(".qhc")));
        QVERIFY(!window.Search()->SearchButton()->isEnabled());
    }
    // An updated installation replaces the copies and the index built from the old ones.
    void cacheFollowsAChangedHelpFile() {
        const QDir source(m_folder->filePath(QStringLiteral("source")));
        source.mkpath(QStringLiteral("."));
        const auto write = [&source](const QByteArray& text) {
            for (const char* extension : {".qhc", ".qch"}) {
                QFile file(source.filePath(QStringLiteral("h") + QLatin1String(extension)));
                QVERIFY(file.open(QIODevice::WriteOnly) && file.write(text) == text.size());
            }
        };
        write("old");
        const HelpCache cache(Cache());
        const QString copy = cache.Prepare(source.filePath(QStringLiteral("h")));
        QCOMPARE(copy, QDir(Cache()).filePath(QStringLiteral("h.qhc")));
        QVERIFY(QDir(Cache()).mkpath(QStringLiteral(".h")));
        QCOMPARE(cache.Prepare(source.filePath(QStringLiteral("h"))), copy);
        QVERIFY(QDir(Cache()).exists(QStringLiteral(".h")));
        write("newer");
        QCOMPARE(cache.Prepare(source.filePath(QStringLiteral("h"))), copy);
        QFile updated(copy);
        QVERIFY(updated.open(QIODevice::ReadOnly));
        QCOMPARE(updated.readAll(), QByteArray("newer"));
        QVERIFY(!QDir(Cache()).exists(QStringLiteral(".h")));
    }
    void contextPagesExistInBothLanguages() {
        // Stand-ins named as the main window's controls, its tabs, and the dialogs.
        QWidget main;
        QStringList pages;
        for (const char* name :
             {"hardwareList", "addButton", "removeButton", "checkButton", "leaveButton", "typeName",
              "diagnoseButton", "deviceStatus", "driverList", "settingsList"}) {
            auto* control = new QWidget(&main);
            control->setObjectName(QLatin1String(name));
            pages.append(HelpWindow::PageFor(new QWidget(control)));
        }
        auto* tabs = new QTabWidget(&main);
        tabs->setObjectName(QStringLiteral("tabs"));
        for (int tab = 0; tab < 3; ++tab) {
            tabs->setCurrentIndex(tabs->addTab(new QWidget, QString()));
            pages.append(HelpWindow::PageFor(tabs->tabBar()));
        }
        QCOMPARE(QSet<QString>(pages.end() - 3, pages.end()).size(), 3);
        const AboutBox about;
        const AddHardwareDialog add({});
        const ErrorListDialog errors({});
        pages << HelpWindow::PageFor(about.OkButton()) << HelpWindow::PageFor(add.NameList())
              << HelpWindow::PageFor(errors.FindingList());
        QVERIFY(!pages.contains(QLatin1String(HelpWindow::kStartPage)));
        QCOMPARE(HelpWindow::PageFor(&main), QLatin1String(HelpWindow::kStartPage));

        for (const int language : {49, 44}) {
            QHelpEngineCore engine(Install(language) + QStringLiteral(".qhc"));
            QVERIFY(engine.setupData());
            const QString root =
                QStringLiteral("qthelp://%1/doc/").arg(engine.registeredDocumentations().value(0));
            for (const QString& page : pages) {
                const QUrl url(root + page);
                const QByteArray html = engine.fileData(url.adjusted(QUrl::RemoveFragment));
                QVERIFY2(!html.isEmpty(), qPrintable(url.toString()));
                QVERIFY2(url.fragment().isEmpty() ||
                             html.contains("id=\"" + url.fragment().toUtf8() + '"'),
                         qPrintable(url.toString()));
            }
        }
    }

private:
    // A read-only copy of the built help file of that language, as an installation holds it.
    QString Install(int language) const {
        const QString name = QStringLiteral("TrelinkKonfiguratorHlp_%1").arg(language);
        const QDir install(m_folder->filePath(QStringLiteral("install")));
        install.mkpath(QStringLiteral("."));
        for (const QString& extension : {QStringLiteral(".qhc"), QStringLiteral(".qch")}) {
            const QString target = install.filePath(name + extension);
            if (QFile::exists(target)) continue;
            QFile::copy(DemoCopy::BinFolder() + u'/' + name + extension, target);
            QFile::setPermissions(target, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        }
        return install.filePath(name);
    }
    QString Cache() const { return m_folder->filePath(QStringLiteral("cache")); }

    std::unique_ptr<QTemporaryDir> m_folder;
};

QTEST_MAIN(HelpWindowTest)
#include "HelpWindowTest.moc"
