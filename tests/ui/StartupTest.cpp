// Runs the real program: a second copy must end at once, a lock that names no live copy is
// taken over, and start-up never writes the settings file.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

#include "DemoCopy.h"
#include "app/SingleInstanceLock.h"
#include "services/ResultCodes.h"

using namespace trelink;

namespace {

constexpr int kStartTimeoutMs = 30000;
constexpr int kSentinelCode = 4711;
// Beyond the largest process number Linux hands out.
constexpr qint64 kNoProcess = 4194304;

}  // namespace

class StartupTest : public QObject {
    Q_OBJECT

private slots:
    // The program, its libraries and catalogue copied beside a demo configuration, so that it
    // finds its own settings file there.
    void init() {
        m_install = std::make_unique<DemoCopy>();
        QVERIFY(m_install->IsValid());
        m_runtime = std::make_unique<QTemporaryDir>();
        const QDir bin(DemoCopy::BinFolder());
        const QDir install(m_install->Folder());
        for (const char* name : {"trelinkkonfigurator", "libMTrelinkL1.so", "libErrorLookUp.so",
                                 "TrelinkKonfiguratorRes_49.qm"}) {
            const QString file = QString::fromLatin1(name);
            QVERIFY2(QFile::copy(bin.filePath(file), install.filePath(file)), name);
        }
        QVERIFY(QFile::setPermissions(install.filePath(QStringLiteral("trelinkkonfigurator")),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        m_install->WriteStandardSettings();
    }
    void cleanup() {
        for (auto& process : m_processes) {
            process->kill();
            process->waitForFinished();
        }
        m_processes.clear();
    }
    void secondCopyEndsAtOnceWithoutAWordAndNeitherWritesTheSettings() {
        const QByteArray settings = DemoCopy::Bytes(m_install->SettingsPath());
        // The ready adapter of entry 1 gets code 0 back once the first window has probed.
        QVERIFY(m_install->SetErrorCode(1, kSentinelCode));
        auto& first = *m_processes.emplace_back(std::make_unique<QProcess>());
        Start(first);
        QTRY_COMPARE_WITH_TIMEOUT(m_install->ReadEntry(1).errorCode, kOk, kStartTimeoutMs);
        QCOMPARE(DemoCopy::Bytes(m_install->SettingsPath()), settings);
        QProcess second;
        Start(second);
        QVERIFY(second.waitForFinished(kStartTimeoutMs));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(second.readAllStandardOutput(), QByteArray());
        QCOMPARE(second.readAllStandardError(), QByteArray());
        QCOMPARE(first.state(), QProcess::Running);
        QCOMPARE(LockOwner(), first.processId());
        QCOMPARE(DemoCopy::Bytes(m_install->SettingsPath()), settings);
    }
    // What a kill between creating and writing the lock file leaves, or a lock naming a process
    // that is gone or runs another program ("%1": a running process of another program).
    void staleLockIsTakenOver_data() {
        const QByteArray host = QSysInfo::machineHostName().toUtf8();
        QTest::addColumn<QByteArray>("lock");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("garbled") << QByteArray("\x01\xfe garbled\n\n");
        QTest::newRow("dead copy")
            << QByteArray::number(kNoProcess) + "\ntrelinkkonfigurator\n" + host + "\n";
        QTest::newRow("another program") << "%1\nsleep\n" + host + "\n";
    }
    void staleLockIsTakenOver() {
        QFETCH(QByteArray, lock);
        auto& other = *m_processes.emplace_back(std::make_unique<QProcess>());
        other.start(QStringLiteral("sleep"), {QStringLiteral("60")});
        QVERIFY(other.waitForStarted());
        QFile file(LockPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(lock.replace("%1", QByteArray::number(other.processId())));
        file.close();
        auto& next = *m_processes.emplace_back(std::make_unique<QProcess>());
        Start(next);
        QTRY_COMPARE_WITH_TIMEOUT(LockOwner(), next.processId(), kStartTimeoutMs);
        QCOMPARE(next.state(), QProcess::Running);
    }

private:
    void Start(QProcess& process) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime->path());
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.remove(QStringLiteral("MTRELINK_SIMULATION"));
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(m_install->Folder());
        process.start(QDir(m_install->Folder()).filePath(QStringLiteral("trelinkkonfigurator")),
                      {});
        QVERIFY(process.waitForStarted());
    }
    QString LockPath() const {
        return QDir(m_runtime->path()).filePath(QString::fromLatin1(SingleInstanceLock::kName));
    }
    qint64 LockOwner() const {
        QFile lock(LockPath());
        return lock.open(QIODevice::ReadOnly) ? lock.readLine().trimmed().toLongLong() : 0;
    }

    std::unique_ptr<DemoCopy> m_install;
    std::unique_ptr<QTemporaryDir> m_runtime;
    std::vector<std::unique_ptr<QProcess>> m_processes;
};

QTEST_MAIN(StartupTest)
#include "StartupTest.moc"
