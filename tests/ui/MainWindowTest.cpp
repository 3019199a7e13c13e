// Drives the real main window on a private copy of the demo configuration, with the real
// stand-in libraries, and checks what the window shows and what the file holds.
#include <QAbstractItemView>
#include <QAction>
#include <QContextMenuEvent>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "DemoCopy.h"
#include "FakePrompter.h"
#include "commands/ProgramSettings.h"
#include "services/ErrorLookup.h"
#include "services/ProgramPath.h"
#include "services/ResultCodes.h"
#include "store/ConfigDocument.h"
#include "store/MessageIds.h"
#include "store/ParameterDefinition.h"
#include "ui/AboutBox.h"
#include "ui/AddHardwareDialog.h"
#include "ui/DetailPages.h"
#include "ui/ErrorListDialog.h"
#include "ui/GeneralPage.h"
#include "ui/HardwareContextMenu.h"
#include "ui/HardwareImageList.h"
#include "ui/HardwareList.h"
#include "ui/HelpWindow.h"
#include "ui/LanguageSwitch.h"
#include "ui/MainMenu.h"
#include "ui/MainWindow.h"
#include "ui/ProgramHelp.h"
#include "ui/PropertyList.h"
#include "ui/StringTable.h"
#include "ui/ValueChoiceDialog.h"

using namespace trelink;

namespace {

const QString kPlugOnAdapter = QStringLiteral("Trelink Aufsteckadapter TA-1");
const QString kCard = QStringLiteral("Trelink Einsteckkarte PK-2 (PCI)");
const QString kAdapterBox = QStringLiteral("Trelink USB-Adapterbox UB-3");
const QString kSimulator = QStringLiteral("Trelink Bussimulator SIM-5");
constexpr int kLegacyCardType = 4;  // its driver file is not installed
constexpr int kPlugOnAdapterType = 1;

QString Text(int id) {
    return StringTable::Text(id);
}

QStringList ItemTexts(const QListWidget& list) {
    QStringList texts;
    for (int row = 0; row < list.count(); ++row) texts.append(list.item(row)->text());
    return texts;
}

// Every text a user can read in the widget and below it.
QStringList ShownTexts(const QWidget& root) {
    QList<const QObject*> objects = root.findChildren<const QObject*>();
    objects.prepend(&root);
    QStringList texts;
    for (const QObject* object : objects) {
        for (const char* name : {"text", "title", "windowTitle"})
            texts << object->property(name).toString();
        if (const auto* tabs = qobject_cast<const QTabBar*>(object)) {
            for (int i = 0; i < tabs->count(); ++i) texts << tabs->tabText(i);
        }
        if (const auto* view = qobject_cast<const QAbstractItemView*>(object)) {
            const QAbstractItemModel& model = *view->model();
            for (int column = 0; column < model.columnCount(); ++column) {
                texts << model.headerData(column, Qt::Horizontal).toString();
                for (int row = 0; row < model.rowCount(); ++row)
                    texts << model.index(row, column).data().toString();
            }
        }
    }
    return texts;
}

// The message of that id filled with the code's description and remedy.
QString StatusOf(Result code, int id = Msg::kDeviceStatus) {
    const ErrorLookup texts(DemoCopy::BinFolder().toStdString());
    return StringTable::Format(id, {QString::fromStdString(texts.Description(code)),
                                    QString::fromStdString(texts.Remedy(code))});
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(StringTable::InstallBuiltInCatalogue()); }
    void init() {
        m_demo = std::make_unique<DemoCopy>();
        QVERIFY(m_demo->IsValid());
        m_demo->WriteStandardSettings();
    }
    void cleanup() {
        // The program keeps its catalogue to the end; here the next window starts afresh.
        if (m_window) m_window->Language().Catalogue().Unload();
        m_window.reset();
        m_helpFilePath = ProgramFilePath();
        m_catalogueFolder.clear();
        const QStringList failures = m_prompter.TakeFailures();
        QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QLatin1Char('\n'))));
    }

    void startUpShowsEveryEntryWithTypeStateAndProbeResult() {
        StartWindow();
        HardwareList* list = m_window->List();
        QVERIFY(Button("leaveButton")->isDefault());
        using I = HardwareImageList;
        QCOMPARE((QStringList{list->item(0, 0)->text(), list->item(0, 1)->text(),
                              list->item(1, 1)->text(), list->item(2, 1)->text()}),
                 (QStringList{QStringLiteral("1"), kPlugOnAdapter, kAdapterBox, kCard}));
        QCOMPARE(Images(1), (QList<int>{I::kPlugOnAdapter, I::kAdapterBox, I::kCardType2}));
        QCOMPARE(Images(2), (QList<int>{I::kActiveDefault, I::kActive, I::kInactive}));
        QVERIFY(!list->item(1, 2)->icon().isNull());
        // The adapter of entry 1 answers the probe, the others fail.
        QCOMPARE(Images(0), (QList<int>{HardwareList::kNoImage, I::kWarning, I::kWarning}));
        QVERIFY(m_window->Pages().DiagnoseButton()->isVisible());
        QVERIFY(!m_window->Pages().DriverList()->isVisible());
        QVERIFY(!Button("removeButton")->isEnabled());
        QVERIFY(!m_window->Pages().DiagnoseButton()->isEnabled());
        QCOMPARE(list->SelectedRow(), -1);
        // Tab leaves the list both ways.
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        ClickRow(0);
        for (const Qt::Key key : {Qt::Key_Tab, Qt::Key_Backtab}) {
            list->setFocus();
            QTest::keyClick(list, key);
            QVERIFY(!list->hasFocus());
        }
    }
    // The codes of the other load failures are the commands' and their tests'.
    void startUpWithoutALoadableFileReportsLine182() {
        QVERIFY(m_demo->SetErrorCode(2, 8));
        m_demo->WriteSettings("[Options]\nLanguage=49\n");
        m_prompter.ExpectMessage(
            QStringLiteral("Internal error: Modul: TrelinkkonfiguratorDlg Line: 182 Code: -3"),
            Prompter::Icon::Stop);
        StartWindow();
        // Shown without probe, language, columns, rows or tabs; the file was not touched.
        QVERIFY(m_window->isVisible());
        QCOMPARE(m_window->List()->columnCount(), 0);
        QCOMPARE(m_window->List()->rowCount(), 0);
        QCOMPARE(m_window->Pages().Tabs()->count(), 0);
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Morvak Trelinkkonfigurator"));
        // A half set-up window changes nothing: the add command offers nothing.
        QTest::mouseClick(Button("addButton"), Qt::LeftButton);
        QCOMPARE(m_demo->ReadEntry(2).errorCode, 8);
    }
    void readOnlyConfigurationShowsMessage137OnceAndChangesNoErrorCode() {
        for (int entry = 1; entry <= 3; ++entry) QVERIFY(m_demo->SetErrorCode(entry, 6 + entry));
        const QByteArray before = m_demo->ConfigBytes();
        QVERIFY(QFile::setPermissions(m_demo->ConfigPath(), QFile::ReadOwner | QFile::ReadGroup));
        m_prompter.ExpectMessage(
            QStringLiteral("Fehler beim Speichern der Konfigurationsdatei. Die Datei ist eventuell "
                           "schreibgeschützt, oder Sie verfügen nicht über die notwendigen "
                           "Zugriffsrechte."),
            Prompter::Icon::Stop);
        StartWindow();
        QCOMPARE(m_demo->ConfigBytes(), before);
        QCOMPARE(m_window->List()->rowCount(), 3);
    }
    void addOffersTypesWithDriversAddsWithinMaxNumHWAndBeyondItShowsMessage115() {
        StartWindow();
        QStringList offered;
        const auto chooseCard = [this, &offered](bool confirm) {
            m_prompter.ExpectDialog([confirm, &offered](QDialog& dialog) {
                auto& add = static_cast<AddHardwareDialog&>(dialog);
                offered = ItemTexts(*add.NameList());
                add.NameList()->setCurrentItem(
                    add.NameList()->findItems(kCard, Qt::MatchExactly).first());
                if (confirm) add.AddButton()->click();
                return confirm ? dialog.result() : int(QDialog::Accepted);
            });
        };
        chooseCard(true);
        QTest::mouseClick(Button("addButton"), Qt::LeftButton);
        // Sorted, the legacy card whose driver is missing left out, the simulator without any
        // driver file kept.
        QCOMPARE(offered, (QStringList{kPlugOnAdapter, kSimulator, kCard, kAdapterBox}));
        QCOMPARE(m_demo->ReadEntry(4).type, 2);
        QCOMPARE(m_window->List()->rowCount(), 4);
        QCOMPARE(m_window->List()->item(3, 1)->text(), kCard);

        // The card type allows two entries, and now there are two.
        chooseCard(false);
        m_prompter.ExpectMessage(Text(Msg::kNoFreeSlot), Prompter::Icon::Information);
        QTest::mouseClick(Button("addButton"), Qt::LeftButton);
        QCOMPARE(m_demo->EntryCount(), 4);
    }
    void activateIsRefusedBesideAnIncompatibleTypeWithoutDriverAndElseAsksTheDriverToSave() {
        StartWindow();
        // An active legacy card forbids activating the card of entry 3.
        QCOMPARE(m_document->AddHardwareOfType(kLegacyCardType), kOk);
        QCOMPARE(m_document->SetHardwareState(4, 1, 0, 0), kOk);
        QCOMPARE(m_window->FillHardwareList(), kOk);
        ClickRow(2);
        ChooseFromContextMenu(HardwareContextMenu::kActivate, Msg::kIncompatibleActive);
        // The legacy card's missing driver file shows neither version nor date.
        ClickRow(3);
        const QTableWidget* drivers = m_window->Pages().DriverList();
        QCOMPARE((QStringList{drivers->item(0, 1)->text(), drivers->item(0, 2)->text()}),
                 (QStringList{QStringLiteral("-"), QStringLiteral("-")}));
        QCOMPARE(m_document->RemoveHardware(4), kOk);
        ClickRow(2);
        ChooseFromContextMenu(HardwareContextMenu::kActivate);
        QCOMPARE(m_demo->ReadEntry(3).isActive, 1);
        QCOMPARE(Images(2).value(2), int(HardwareImageList::kActive));
    }
    void contextMenuEnablesEntriesByTheSelectedEntryAndSetsTheDefault() {
        using C = HardwareContextMenu;
        StartWindow();
        QList<C::Command> enabled;
        const auto record = [this, &enabled] {
            enabled.clear();
            m_prompter.ExpectMenu([&enabled](QMenu& menu) {
                for (QAction* action : menu.actions()) {
                    if (!action->isSeparator() && action->isEnabled())
                        enabled.append(C::CommandOf(action));
                }
                return nullptr;
            });
            RequestContextMenu();
        };
        record();
        QCOMPARE(enabled, QList<C::Command>{C::kAdd});
        ClickRow(2);  // inactive
        record();
        QCOMPARE(enabled, (QList<C::Command>{C::kActivate, C::kAdd, C::kRemove}));
        ClickRow(0);  // active and the default
        record();
        QCOMPARE(enabled, (QList<C::Command>{C::kDeactivate, C::kAdd, C::kRemove}));
        ClickRow(1);  // active
        record();
        QCOMPARE(enabled, (QList<C::Command>{C::kDeactivate, C::kSetDefault, C::kAdd, C::kRemove}));

        // Setting the default clears the other default and keeps its active state.
        ChooseFromContextMenu(C::kSetDefault);
        QCOMPARE(Images(2),
                 (QList<int>{HardwareImageList::kActive, HardwareImageList::kActiveDefault,
                             HardwareImageList::kInactive}));
        QCOMPARE(m_window->List()->SelectedRow(), 1);
        // Neither setting the default nor deactivating has the driver save its own form.
        ChooseFromContextMenu(C::kDeactivate);
        QCOMPARE(m_demo->ReadEntry(2).isActive, 0);
        QVERIFY(!QFile::exists(m_demo->ConfigPath() + QStringLiteral(".l1")));
    }
    void checkShowsTheFindingsInTheErrorListOrSaysThereAreNone() {
        StartWindow();
        // A second plug-on adapter with the same device number; which findings a file has, and
        // their order, are the checker's and the list's.
        QCOMPARE(m_document->AddHardwareOfType(kPlugOnAdapterType), kOk);
        QStringList shown;
        m_prompter.ExpectDialog([&shown](QDialog& dialog) {
            shown = ItemTexts(*static_cast<ErrorListDialog&>(dialog).FindingList());
            return int(QDialog::Accepted);
        });
        QTest::mouseClick(Button("checkButton"), Qt::LeftButton);
        QCOMPARE(shown, QStringList{QStringLiteral(
                            "Hardware 1 und 4: Für Parameter <Gerätenummer> wird der Wert 0 "
                            "mehrfach verwendet. Der Wert muss eindeutig sein.")});
        // Without findings the check says so.
        QCOMPARE(m_document->RemoveHardware(4), kOk);
        m_prompter.ExpectMessage(
            QStringLiteral("Bei der Überprüfung der Konfiguration wurden keine Fehler gefunden."),
            Prompter::Icon::Information);
        QTest::mouseClick(Button("checkButton"), Qt::LeftButton);
    }
    void leavingWithFindingsAsksFirst() {
        StartWindow();
        QCOMPARE(m_document->SetHardwareState(1, 0, 0, 0), kOk);
        const QString question = QStringLiteral(
            "Bei der Überprüfung der Konfiguration wurden Fehler festgestellt. Trotzdem beenden?");
        m_prompter.ExpectQuestion(question, Prompter::Icon::Question, Prompter::Answer::No,
                                  Prompter::Answer::No);
        QTest::mouseClick(Button("leaveButton"), Qt::LeftButton);
        // Escape asks the same.
        m_prompter.ExpectQuestion(question, Prompter::Icon::Question, Prompter::Answer::No,
                                  Prompter::Answer::No);
        QTest::keyClick(m_window.get(), Qt::Key_Escape);
        QVERIFY(m_window->isVisible());
        m_prompter.ExpectQuestion(question, Prompter::Icon::Question, Prompter::Answer::No,
                                  Prompter::Answer::Yes);
        QVERIFY(m_window->close());
        QVERIFY(!m_window->isVisible());
    }
    void selectingAnEntryFillsAllThreePagesWhicheverIsShownAndRemovingEmptiesThem() {
        StartWindow();
        DetailPages& pages = m_window->Pages();
        const struct {
            QString typeName;
            QStringList values;  // of the first two settings
        } entries[] = {
            {kPlugOnAdapter, {"0 ", "500 kBit/s"}},
            {kAdapterBox, {"5 ", "250 kBit/s"}},
            {kCard, {"0 ", "250 kBit/s"}},
        };
        for (int page : {2, 1, 0}) {
            QCOMPARE(pages.ShowPage(page), kOk);
            for (int row = 0; row < 3; ++row) {
                ClickRow(row);
                QCOMPARE(pages.TypeName()->text(), entries[row].typeName);
                QVERIFY(pages.TypeName()->isVisible());
                const QTableWidget* drivers = pages.DriverList();
                QCOMPARE(drivers->rowCount(), 2);
                // The stand-ins carry the version the build wrote into them.
                QCOMPARE((QStringList{drivers->item(0, 0)->text(), drivers->item(0, 1)->text(),
                                      drivers->item(1, 0)->text()}),
                         (QStringList{QStringLiteral("libMTrelinkL1.so"),
                                      QStringLiteral(TRELINK_PROJECT_VERSION),
                                      QStringLiteral("libErrorLookUp.so")}));
                const QTableWidget* settings = pages.SettingsList();
                QCOMPARE(settings->rowCount(), 5);
                QCOMPARE((QStringList{settings->item(0, 1)->text(), settings->item(1, 1)->text()}),
                         entries[row].values);
            }
            QCOMPARE(pages.DeviceStatus()->isVisible(), page == DetailPages::kGeneralPage);
            QCOMPARE(pages.DiagnoseButton()->isVisible(), page == DetailPages::kGeneralPage);
        }
        QCOMPARE(pages.ShowPage(3), kPageOutOfRange);
        QCOMPARE(pages.Tabs()->currentIndex(), int(DetailPages::kGeneralPage));
        // A click beside the rows empties the type name, both lists and the device status, and
        // disables what needs an entry.
        QVERIFY(Button("removeButton")->isEnabled() && pages.DiagnoseButton()->isEnabled());
        pages.DeviceStatus()->setPlainText(QStringLiteral("alt"));
        QTest::mouseClick(m_window->List()->viewport(), Qt::LeftButton, {},
                          QPoint(10, m_window->List()->viewport()->height() - 5));
        QCOMPARE(m_window->List()->SelectedRow(), -1);
        QVERIFY(pages.TypeName()->text().isEmpty());
        QCOMPARE(pages.DriverList()->rowCount() + pages.SettingsList()->rowCount(), 0);
        QVERIFY(pages.DeviceStatus()->toPlainText().isEmpty());
        QVERIFY(!Button("removeButton")->isEnabled() && !pages.DiagnoseButton()->isEnabled());

        // Removing keeps the selected row index, now showing nothing.
        ClickRow(1);
        QTest::mouseClick(Button("removeButton"), Qt::LeftButton);
        QCOMPARE(m_demo->ReadEntry(2).type, 2);  // the former entry 3
        QCOMPARE(m_window->List()->rowCount(), 2);
        QCOMPARE(m_window->List()->SelectedRow(), 1);
        QCOMPARE(m_window->List()->item(1, 0)->text(), QStringLiteral("2"));
        QVERIFY(!Button("removeButton")->isEnabled() && !pages.DiagnoseButton()->isEnabled());
    }
    void theReadyAdaptersScanListsItsNodesAndAFailingOneAsksNothing() {
        StartWindow();
        m_prompter.ExpectQuestion(Text(Msg::kAskScanBus), Prompter::Icon::Stop,
                                  Prompter::Answer::No, Prompter::Answer::Yes);
        ClickRow(0);
        QTest::mouseClick(m_window->Pages().DiagnoseButton(), Qt::LeftButton);
        // The time stamp's form is the diagnosis's own.
        QCOMPARE(
            m_window->Pages().DeviceStatus()->toPlainText().mid(22),
            StatusOf(kOk) + u'\n' + Text(Msg::kNodesFound) + QStringLiteral(" 3, 17, 42, 100,"));
        QCOMPARE(m_window->List()->SelectedRow(), 0);
        // The failing adapter asks nothing; the list shows its stored code 0 turned into failure.
        QCOMPARE(m_document->SetHardwareState(3, 0, 0, kOk), kOk);
        QCOMPARE(m_window->FillHardwareList(), kOk);
        ClickRow(2);
        QTest::mouseClick(m_window->Pages().DiagnoseButton(), Qt::LeftButton);
        QCOMPARE(Images(0).value(2), int(HardwareImageList::kWarning));
    }
    void aNewDeviceNumberIsToldAndOneTheAdapterRefusedIsKeptOnlyWhenAsked() {
        StartWindow();
        ClickRow(0);
        ExpectValueTyped(QStringLiteral("7"));
        m_prompter.ExpectMessage(Text(Msg::kDeviceNumberTransferred), Prompter::Icon::Information);
        ClickSetting(0);
        QCOMPARE(m_window->Pages().SettingsList()->item(0, 1)->text(), QStringLiteral("7 "));
        QVERIFY(m_demo->ConfigBytes().contains("<DeviceNr>7</DeviceNr>"));

        // Declining to keep a number the adapter refused shows the stored number again.
        ClickRow(1);  // the USB box that is not found under its number 5
        ExpectValueTyped(QStringLiteral("3"));
        m_prompter.ExpectQuestion(
            StatusOf(m_demo->ReadEntry(2).errorCode, Msg::kDeviceNumberTransferFailed),
            Prompter::Icon::Stop, Prompter::Answer::Yes, Prompter::Answer::No);
        const QByteArray before = m_demo->ConfigBytes();
        ClickSetting(0);
        QCOMPARE(m_window->Pages().SettingsList()->item(0, 1)->text(), QStringLiteral("5 "));
        QCOMPARE(m_demo->ConfigBytes(), before);
    }
    void aFirstStartRunsInEnglishAndSwitchingRetextsAndEmptiesTheWindow() {
        // No language stored yet.
        m_demo->WriteSettings("[XMLConfig]\nConfigfilename=" + m_demo->ConfigPath().toUtf8());
        StartWindow();
        QCOMPARE(m_document->Language(), 44);
        QCOMPARE(
            (QStringList{Button("addButton")->text(), m_window->List()->item(0, 1)->text()}),
            (QStringList{QStringLiteral("&Add"), QStringLiteral("Trelink plug-on adapter TA-1")}));
        QVERIFY(!m_window->Menu().Action(MainMenu::kGerman)->isChecked());
        const struct {
            MainMenu::Command entry;
            int language;
            QStringList
                captions;  // add, check, leave, first tab, status frame, first type, setting
        } switches[] = {
            {MainMenu::kGerman,
             49,
             {"&Hinzufügen", "Über&prüfen", "&Beenden", "Allgemein", "Gerätestatus", kPlugOnAdapter,
              "Gerätenummer"}},
            {MainMenu::kEnglish,
             44,
             {"&Add", "&Check", "E&xit", "General", "Device status", "Trelink plug-on adapter TA-1",
              "Device number"}},
        };
        for (const auto& change : switches) {
            ClickRow(0);
            QVERIFY(Button("removeButton")->isEnabled());
            m_window->Pages().ShowPage(DetailPages::kSettingsPage);
            ChooseLanguage(change.entry);
            QCOMPARE(m_settings->Language(), change.language);
            const DetailPages& pages = m_window->Pages();
            QCOMPARE((QStringList{Button("addButton")->text(), Button("checkButton")->text(),
                                  Button("leaveButton")->text(), pages.Tabs()->tabText(0),
                                  pages.General().findChild<QGroupBox*>()->title(),
                                  m_window->List()->item(0, 1)->text()}),
                     change.captions.mid(0, 6));
            QCOMPARE(m_window->windowTitle(), QStringLiteral("Morvak Trelink-Zazorudevoza"));
            // The list is rebuilt, the pages empty, no entry selected.
            QCOMPARE(m_window->List()->rowCount(), 3);
            QCOMPARE(m_window->List()->SelectedRow(), -1);
            QCOMPARE(pages.Tabs()->currentIndex(), int(DetailPages::kGeneralPage));
            QVERIFY(pages.TypeName()->text().isEmpty());
            QCOMPARE(pages.DriverList()->rowCount() + pages.SettingsList()->rowCount(), 0);
            QVERIFY(!Button("removeButton")->isEnabled());
            QVERIFY(!pages.DiagnoseButton()->isEnabled());
            QVERIFY(m_window->Menu().Action(change.entry)->isChecked());
            QCOMPARE(m_document->Language(), change.language);
            // Setting names follow too.
            ClickRow(0);
            QCOMPARE(pages.SettingsList()->item(0, 0)->text(), change.captions.last());
        }
        // The help file follows, in the program's folder.
        QCOMPARE(QString::fromStdString(m_helpFilePath),
                 DemoCopy::BinFolder() + QStringLiteral("/TrelinkKonfiguratorHlp_44"));
    }
    void aCatalogueThatCannotBeLoadedKeepsTheChosenNumberAndGerman() {
        StartWindow();
        const QTemporaryDir empty;
        m_window->Language().Catalogue().SetFolder(empty.path());
        m_prompter.ExpectMessage(QStringLiteral("Can't load TrelinkKonfiguratorRes_44.qm"),
                                 Prompter::Icon::Stop);
        ChooseLanguage(MainMenu::kEnglish);
        QCOMPARE(m_settings->Language(), 44);
        QCOMPARE(m_document->Language(), 49);
        QCOMPARE(Button("addButton")->text(), QStringLiteral("&Hinzufügen"));
        QVERIFY(m_helpFilePath.ends_with("TrelinkKonfiguratorHlp_49"));
    }
    void anUnknownLanguageNumberIsUsedButChecksNoMenuEntry() {
        // Without its catalogue the window carries on in German with its layout's captions.
        m_demo->WriteStandardSettings(77);
        m_prompter.ExpectMessage(QStringLiteral("Can't load TrelinkKonfiguratorRes_77.qm"),
                                 Prompter::Icon::Stop);
        StartWindow();
        QVERIFY(m_window->IsInitialised());
        QCOMPARE(m_document->Language(), 0);
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Morvak Trelinkkonfigurator"));
        QCOMPARE(Button("checkButton")->text(), QStringLiteral("&Überprüfen"));
        QCOMPARE(m_window->List()->item(0, 1)->text(), kPlugOnAdapter);
        cleanup();
        init();

        // With one (the German catalogue under that number) the number is used.
        const QTemporaryDir folder;
        QVERIFY(QFile::copy(DemoCopy::BinFolder() + QStringLiteral("/TrelinkKonfiguratorRes_49.qm"),
                            folder.filePath(QStringLiteral("TrelinkKonfiguratorRes_77.qm"))));
        m_catalogueFolder = folder.path();
        m_demo->WriteStandardSettings(77);
        StartWindow();
        QCOMPARE(m_document->Language(), 77);
        // No type has a name in language 77: the rows show their numbers.
        QCOMPARE(m_window->List()->item(0, 1)->text(), QStringLiteral("1"));
        QVERIFY(!m_window->Menu().Action(MainMenu::kGerman)->isChecked());
        QVERIFY(!m_window->Menu().Action(MainMenu::kEnglish)->isChecked());
    }
    void theEnglishInterfaceHasNoGermanWordAndTheGermanNoEnglish() {
        const QRegularExpression german(QStringLiteral(
            "[äöüßÄÖÜ]|\\b(und|der|die|das|nicht|ist|wird|wurde|keine|mit|Fehler|Datei|"
            "Einstellungen|"
            "Entfernen|Beenden|Treiber|Wert|Allgemein|Sprache|Hilfe|Abbrechen|Suchen|Suche|Inhalt|"
            "bearbeiten|Deutsch|Englisch|Optionen|Aktivieren|Deaktiveren|Datum|Hardwarename|"
            "Dateiname|Treffer|Ja|Nein)\\b"));
        const QRegularExpression english(QStringLiteral(
            "\\b(the|and|is|not|of|to|be|was|Add|Remove|Exit|Check|Settings|Driver|Drivers|Error|"
            "File|Help|Search|Cancel|Apply|Device|Value|Options|Language|German|English|General|"
            "Date|Yes|No|About|Contents|Hits|name)\\b"));
        m_demo->WriteStandardSettings(44);
        StartWindow();
        const QStringList englishTexts = InterfaceTexts();
        QVERIFY(englishTexts.contains(QStringLiteral("Set as Default")));
        QCOMPARE(englishTexts.filter(german), QStringList());

        ChooseLanguage(MainMenu::kGerman);
        QStringList germanTexts = InterfaceTexts();
        // These are English in every language, as the program words them.
        for (const int id :
             {Msg::kInternalError, Msg::kCannotLoadErrorLookup, Msg::kCannotLoadLanguage})
            germanTexts.removeAll(Text(id));
        QCOMPARE(germanTexts.filter(english), QStringList());
    }
    void theWindowAndTheTwinChangeTheSameFileWithNothingLost() {
        StartWindow();
        QVERIFY(RunTwin({QStringLiteral("add"), QStringLiteral("1")}));
        QCOMPARE(m_demo->EntryCount(), 4);
        // The window's next change meets the changed file: it shows it anew and changes nothing.
        ClickRow(1);
        ChooseFromContextMenu(HardwareContextMenu::kDeactivate, Msg::kChangedElsewhere);
        QCOMPARE(m_window->List()->rowCount(), 4);
        QCOMPARE(m_demo->ReadEntry(2).isActive, 1);
        // Asked again, it is done, and the twin's entry stays.
        ClickRow(1);
        ChooseFromContextMenu(HardwareContextMenu::kDeactivate);
        QCOMPARE(m_demo->ReadEntry(2).isActive, 0);
        QCOMPARE(m_demo->EntryCount(), 4);
    }

private:
    // As the program starts: the document loads the file first, then the window sets itself up.
    void StartWindow() {
        m_document = std::make_unique<ConfigDocument>();
        m_document->SetConfigFile(m_demo->ConfigPath().toStdString());
        m_settings = std::make_unique<ProgramSettings>(m_demo->SettingsPath().toStdString());
        m_busDrivers = std::make_unique<LibraryBusDriverFactory>(m_libraryFolder);
        m_window =
            std::make_unique<MainWindow>(CommandContext{*m_document, *m_settings, *m_busDrivers},
                                         m_prompter, m_libraryFolder, m_helpFilePath);
        if (!m_catalogueFolder.isEmpty())
            m_window->Language().Catalogue().SetFolder(m_catalogueFolder);
        m_window->Initialise();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }
    void ClickRow(int row) {
        HardwareList* list = m_window->List();
        const QRect cell = list->visualRect(list->model()->index(row, 1));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
    }
    void RequestContextMenu() {
        QWidget* viewport = m_window->List()->viewport();
        const QPoint position(10, viewport->height() - 5);
        QContextMenuEvent event(QContextMenuEvent::Mouse, position,
                                viewport->mapToGlobal(position));
        QCoreApplication::sendEvent(viewport, &event);
    }
    // Picks the entry; message, when given, is what the window tells then.
    void ChooseFromContextMenu(HardwareContextMenu::Command command, int message = 0) {
        m_prompter.ExpectMenu([command](QMenu& menu) -> QAction* {
            for (QAction* action : menu.actions()) {
                if (HardwareContextMenu::CommandOf(action) == command) return action;
            }
            return nullptr;
        });
        if (message != 0) m_prompter.ExpectMessage(Text(message), Prompter::Icon::Information);
        RequestContextMenu();
    }
    QList<int> Images(int column) const {
        QList<int> images;
        for (int row = 0; row < m_window->List()->rowCount(); ++row) {
            const QTableWidgetItem* cell = m_window->List()->item(row, column);
            images << (cell ? cell->data(HardwareList::kImageRole).toInt() : -2);
        }
        return images;
    }
    // Answers the value dialog: types text into the row's value and confirms.
    void ExpectValueTyped(const QString& text) {
        m_prompter.ExpectDialog([text](QDialog& dialog) {
            auto& edit = static_cast<ValueChoiceDialog&>(dialog);
            edit.show();
            if (!QTest::qWaitForWindowExposed(&edit) ||
                !QTest::qWaitFor([&edit] { return edit.List()->Splitter() != 0; })) {
                return int(QDialog::Rejected);
            }
            QTest::mouseClick(edit.List()->viewport(), Qt::LeftButton, {},
                              QPoint(edit.List()->Splitter() + 20, 10));
            QLineEdit* field = edit.List()->TextEditor();
            field->selectAll();
            QTest::keyClicks(field, text);
            edit.ApplyButton()->click();
            return edit.result();
        });
    }
    void ClickSetting(int settingRow) {
        QTableWidget* settings = m_window->Pages().SettingsList();
        m_window->Pages().ShowPage(DetailPages::kSettingsPage);
        const QRect cell = settings->visualRect(settings->model()->index(settingRow, 0));
        QTest::mouseClick(settings->viewport(), Qt::LeftButton, {}, cell.center());
    }
    void ChooseLanguage(MainMenu::Command entry) {
        m_window->Menu().Action(entry)->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    }
    // Everything the interface shows in one language: the window on every page with an entry
    // selected, its menus and context menu, every dialog, and every message; without the marks
    // of shortcut keys.
    QStringList InterfaceTexts() {
        QStringList texts;
        ClickRow(0);
        for (int page : {0, 1, 2}) {
            m_window->Pages().ShowPage(page);
            texts << ShownTexts(*m_window);
        }
        HardwareContextMenu context(m_window.get());
        AddHardwareDialog add(QStringList{}, m_window.get());
        ErrorListDialog errors(QStringList{}, m_window.get());
        ParameterDefinition record("Baudrate");
        ValueChoiceDialog value(record, m_window.get());
        AboutBox about(m_window.get());
        about.show();
        m_window->Help().Show();
        for (const QWidget* dialog : std::initializer_list<const QWidget*>{
                 &context.Menu(), &add, &errors, &value, &about, m_window->Help().Viewer()}) {
            texts << ShownTexts(*dialog);
        }
        m_window->Help().Close();
        for (int id = Msg::kInfoAbout; id <= Msg::kCannotSave; ++id) texts << Text(id);
        for (int id = Msg::kLayoutCheck; id <= Msg::kButtonCancel; ++id) texts << Text(id);
        texts << qtTrId("messagebox.yes") << qtTrId("messagebox.no");
        return texts.replaceInStrings(QStringLiteral("&"), QString());
    }
    // The command-line twin on the window's configuration; whether it succeeded.
    bool RunTwin(const QStringList& arguments) {
        QProcess twin;
        twin.start(DemoCopy::BinFolder() + QStringLiteral("/trelinkctl"),
                   QStringList{QStringLiteral("--config"), m_demo->ConfigPath(),
                               QStringLiteral("--settings"), m_demo->SettingsPath()} +
                       arguments);
        return twin.waitForFinished(30000) && twin.exitCode() == 0;
    }
    QPushButton* Button(const char* name) const {
        return m_window->findChild<QPushButton*>(QString::fromLatin1(name));
    }

    FakePrompter m_prompter;
    const std::string m_libraryFolder = DemoCopy::BinFolder().toStdString();
    std::string m_helpFilePath = ProgramFilePath();
    QString m_catalogueFolder;
    std::unique_ptr<DemoCopy> m_demo;
    std::unique_ptr<ConfigDocument> m_document;
    std::unique_ptr<ProgramSettings> m_settings;
    std::unique_ptr<LibraryBusDriverFactory> m_busDrivers;
    std::unique_ptr<MainWindow> m_window;
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
