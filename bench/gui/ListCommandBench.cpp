// The commands of the hardware list on a configuration of 64 entries, through the real main
// window (offscreen) with the stand-in libraries, every save included. A person notices a
// command that takes longer than about 100 ms.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <memory>

#include "commands/ProgramSettings.h"
#include "services/ProgramPath.h"
#include "store/ConfigDocument.h"
#include "ui/AddHardwareDialog.h"
#include "ui/EntryActions.h"
#include "ui/HardwareList.h"
#include "ui/MainWindow.h"
#include "ui/Prompter.h"
#include "ui/StringTable.h"
#include "ui/ValueChoiceDialog.h"

using namespace trelink;

namespace {

constexpr int kEntries = 64;
constexpr int kAddedType = 3;
constexpr int kStaleCode = 4711;
constexpr int kTypesInTurn[] = {1, 2, 3, 5};
const QString kAddedTypeName = QStringLiteral("Trelink USB-Adapterbox UB-3");

// Answers every prompt at once: the add dialog with one type, the value dialog by confirming
// its row, questions with the answer set.
class AutoPrompter : public Prompter {
public:
    void ShowMessage(QWidget*, const QString&, Icon) override {}
    Answer AskYesNo(QWidget*, const QString&, Icon, Answer) override { return answer; }
    int RunDialog(QDialog& dialog) override {
        if (auto* add = qobject_cast<AddHardwareDialog*>(&dialog)) {
            const auto items = add->NameList()->findItems(kAddedTypeName, Qt::MatchExactly);
            if (!items.isEmpty()) add->NameList()->setCurrentItem(items.first());
        }
        if (auto* value = qobject_cast<ValueChoiceDialog*>(&dialog)) {
            value->ApplyButton()->click();
            return dialog.result();
        }
        return QDialog::Accepted;
    }
    Answer answer = Answer::No;
    QAction* PopUpMenu(QMenu&, const QPoint&) override { return nullptr; }
};

// The demo configuration grown to a number of entries (64 unless said), in a folder of its own;
// the type that the add command adds may have as many entries as needed.
class LargeConfiguration {
public:
    explicit LargeConfiguration(int entries = kEntries) {
        const QDir demo(QStringLiteral(TRELINK_DEMO_DIR));
        for (const QString& name :
             {QStringLiteral("trelinkconfig.xml"), QStringLiteral("mtrelinksim.xml")}) {
            QFile::copy(demo.filePath(name), m_folder.filePath(name));
        }
        Grow(entries);
        QFile settings(QString::fromStdString(SettingsPath()));
        if (settings.open(QIODevice::WriteOnly)) {
            settings.write("[XMLConfig]\nConfigfilename=" +
                           QByteArray::fromStdString(ConfigPath()) + "\n[Options]\nLanguage=49\n");
        }
    }

    std::string ConfigPath() const {
        return m_folder.filePath(QStringLiteral("trelinkconfig.xml")).toStdString();
    }
    std::string SettingsPath() const {
        return m_folder.filePath(QStringLiteral("trelinkkonfigurator.ini")).toStdString();
    }

    QByteArray ConfigBytes() const {
        QFile file(QString::fromStdString(ConfigPath()));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void WriteConfig(const QByteArray& bytes) const {
        QFile file(QString::fromStdString(ConfigPath()));
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) file.write(bytes);
    }

private:
    // One entry of each type in turn is added by the document; the rest repeat them as text,
    // since tens of thousands of adds would save the growing file as often.
    void Grow(int entries) const {
        ConfigDocument document;
        document.SetConfigFile(ConfigPath());
        document.SetValue({"Hardwaretypes", "Type" + std::to_string(kAddedType), "MaxNumHW"},
                          "100000", -1);
        int count = 0;
        document.GetHardwareCount(count);
        for (const int type : kTypesInTurn) {
            document.AddHardwareOfType(type);
            ++count;
        }
        QByteArray bytes = ConfigBytes();
        const qsizetype end = bytes.indexOf("</configuration>");
        qsizetype start = end;
        for (std::size_t i = 0; i < std::size(kTypesInTurn); ++i) {
            start = bytes.lastIndexOf("<Hardware>", start - 1);
        }
        const QByteArray turn = bytes.mid(start, end - start);
        QByteArray more;
        for (; count + static_cast<int>(std::size(kTypesInTurn)) <= entries;
             count += static_cast<int>(std::size(kTypesInTurn))) {
            more += turn;
        }
        bytes.insert(end, more);
        WriteConfig(bytes);
    }

    QTemporaryDir m_folder;
};

// The window as the program opens it on the large configuration.
struct Session {
    explicit Session(int entries = kEntries) : configuration(entries) {
        document.SetConfigFile(configuration.ConfigPath());
        window = std::make_unique<MainWindow>(CommandContext{document, settings, busDrivers},
                                              prompter, ProgramFolder(), helpFilePath);
        window->Initialise();
    }

    void Select(int row) { window->List()->SelectRow(row); }
    void SetState(int number, int isActive, int isDefault) {
        int active = 0, isDefaultNow = 0, errorCode = 0;
        document.GetHardwareState(number, active, isDefaultNow, errorCode);
        document.SetHardwareState(number, isActive, isDefault, errorCode);
    }

    LargeConfiguration configuration;
    AutoPrompter prompter;
    ConfigDocument document;
    ProgramSettings settings{configuration.SettingsPath()};
    LibraryBusDriverFactory busDrivers{ProgramFolder()};
    std::string helpFilePath;
    std::unique_ptr<MainWindow> window;
};

// Start-up as the program does it, from loading the file to the window shown, on a file whose
// every code the probe changes: the first start after the adapters changed.
void BM_OpenWindow(benchmark::State& state) {
    LargeConfiguration configuration(static_cast<int>(state.range(0)));
    const QByteArray pristine = configuration.ConfigBytes();
    const ProgramSettings settings(configuration.SettingsPath());
    const LibraryBusDriverFactory busDrivers(ProgramFolder());
    AutoPrompter prompter;
    std::string helpFilePath;
    for (auto _ : state) {
        state.PauseTiming();
        configuration.WriteConfig(pristine);
        state.ResumeTiming();
        ConfigDocument document;
        document.SetConfigFile(configuration.ConfigPath());
        MainWindow window(CommandContext{document, settings, busDrivers}, prompter, ProgramFolder(),
                          helpFilePath);
        window.Initialise();
        window.show();
        QCoreApplication::processEvents();
        state.counters["entries"] = window.List()->rowCount();
    }
}

void BM_FillHardwareList(benchmark::State& state) {
    Session session;
    for (auto _ : state) session.window->FillHardwareList();
}

void BM_ProbeAllHardware(benchmark::State& state) {
    Session session;
    for (auto _ : state) session.window->ProbeAllHardware();
}

// As on the first start after the adapters changed: every entry's code is new, so every
// entry's write saves the file.
void BM_ProbeAllHardwareEveryCodeNew(benchmark::State& state) {
    Session session;
    for (auto _ : state) {
        state.PauseTiming();
        for (int number = 1; number <= kEntries; ++number) {
            int isActive = 0, isDefault = 0, errorCode = 0;
            session.document.GetHardwareState(number, isActive, isDefault, errorCode);
            session.document.SetHardwareState(number, isActive, isDefault, kStaleCode);
        }
        state.ResumeTiming();
        session.window->ProbeAllHardware();
    }
}

void BM_Add(benchmark::State& state) {
    Session session;
    for (auto _ : state) {
        session.window->Add();
        state.PauseTiming();
        session.document.RemoveHardware(kEntries + 1);
        state.ResumeTiming();
    }
}

void BM_Remove(benchmark::State& state) {
    Session session;
    for (auto _ : state) {
        session.Select(10);
        session.window->Remove();
        state.PauseTiming();
        session.document.AddHardwareOfType(kAddedType);
        state.ResumeTiming();
    }
}

void BM_Activate(benchmark::State& state) {
    Session session;
    const int row = 40;  // a plug-on adapter: no type forbids it
    for (auto _ : state) {
        state.PauseTiming();
        session.SetState(row + 1, 0, 0);
        session.Select(row);
        state.ResumeTiming();
        session.window->Activate();
    }
}

void BM_Deactivate(benchmark::State& state) {
    Session session;
    const int row = 40;
    for (auto _ : state) {
        state.PauseTiming();
        session.SetState(row + 1, 1, 0);
        session.Select(row);
        state.ResumeTiming();
        session.window->Deactivate();
    }
}

// Making one entry the default rewrites the default mark of all 64.
void BM_SetDefault(benchmark::State& state) {
    Session session;
    for (auto _ : state) {
        state.PauseTiming();
        session.SetState(1, 1, 1);
        session.Select(40);
        state.ResumeTiming();
        session.window->SetDefault();
    }
}

// Every type has many entries with the same device number: hundreds of findings.
void BM_CheckWithFindings(benchmark::State& state) {
    Session session;
    for (auto _ : state) session.window->Check();
}

// The ready adapter of entry 1, with the scan of its bus.
void BM_DiagnoseWithScan(benchmark::State& state) {
    Session session;
    session.prompter.answer = Prompter::Answer::Yes;
    session.Select(0);
    for (auto _ : state)
        session.window->Entries().Diagnose(1, [&] { session.window->FillHardwareList(); });
}

// A setting of entry 1 confirmed in the value dialog and written; with the device number,
// transferred to the adapter first.
void BM_EditSetting(benchmark::State& state, const char* displayName) {
    Session session;
    session.Select(0);
    for (auto _ : state) {
        if (session.window->Entries().EditSetting(1, QString::fromUtf8(displayName)) != kOk) {
            state.SkipWithError("the setting was not edited");
            break;
        }
    }
}

void BM_ContextMenu(benchmark::State& state) {
    Session session;
    session.Select(40);
    for (auto _ : state) session.window->ShowContextMenu(QPoint(0, 0));
}

}  // namespace

BENCHMARK(BM_OpenWindow)
    ->Arg(1000)
    ->Arg(20000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);
BENCHMARK(BM_FillHardwareList)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ProbeAllHardware)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);
BENCHMARK(BM_ProbeAllHardwareEveryCodeNew)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(10);
BENCHMARK(BM_Add)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);
BENCHMARK(BM_Remove)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);
BENCHMARK(BM_Activate)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);
BENCHMARK(BM_Deactivate)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);
BENCHMARK(BM_SetDefault)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);
BENCHMARK(BM_CheckWithFindings)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_DiagnoseWithScan)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);
BENCHMARK_CAPTURE(BM_EditSetting, response_time, "Antwortzeit")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(20);
BENCHMARK_CAPTURE(BM_EditSetting, device_number, "Gerätenummer")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(20);
BENCHMARK(BM_ContextMenu)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    StringTable::InstallBuiltInCatalogue();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
