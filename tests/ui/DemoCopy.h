#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include "store/ConfigDocument.h"

namespace trelink {

// A private copy of the demo configuration and its simulation file in a temporary folder,
// with a settings file of its own.
class DemoCopy {
public:
    struct Entry {
        int isActive = 0;
        int isDefault = 0;
        int errorCode = 0;
        int type = 0;
    };

    DemoCopy() {
        const QDir demo(BinFolder() + QStringLiteral("/demo"));
        for (const char* name : {"trelinkconfig.xml", "mtrelinksim.xml"}) {
            const QString copy = QDir(Folder()).filePath(QLatin1String(name));
            m_valid = m_valid && QFile::copy(demo.filePath(QLatin1String(name)), copy);
            QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
        }
    }

    bool IsValid() const { return m_valid; }
    QString Folder() const { return m_folder.path(); }
    QString ConfigPath() const { return m_folder.filePath(QStringLiteral("trelinkconfig.xml")); }
    QString SettingsPath() const {
        return m_folder.filePath(QStringLiteral("trelinkkonfigurator.ini"));
    }

    void WriteSettings(const QByteArray& text) const {
        QFile file(SettingsPath());
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) file.write(text);
    }
    // Names the copy's configuration file and the language.
    void WriteStandardSettings(int language = 49) const {
        WriteSettings("[XMLConfig]\nConfigfilename=" + ConfigPath().toUtf8() +
                      "\n[Options]\nLanguage=" + QByteArray::number(language) + "\n");
    }
    QByteArray ConfigBytes() const { return Bytes(ConfigPath()); }
    static QByteArray Bytes(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // Rewrites one entry's ErrorCode in the file, keeping its other state.
    bool SetErrorCode(int hardwareNumber, int errorCode) const {
        const Entry entry = ReadEntry(hardwareNumber);
        ConfigDocument document;
        return document.SetConfigFile(ConfigPath().toStdString()) == kOk &&
               document.SetHardwareState(hardwareNumber, entry.isActive, entry.isDefault,
                                         errorCode) == kOk;
    }

    // What the file on disk holds, read by a document of its own.
    int EntryCount() const {
        ConfigDocument document;
        int count = -1;
        if (document.SetConfigFile(ConfigPath().toStdString()) == kOk)
            document.GetHardwareCount(count);
        return count;
    }
    Entry ReadEntry(int hardwareNumber) const {
        ConfigDocument document;
        Entry entry;
        document.SetConfigFile(ConfigPath().toStdString());
        document.GetHardwareState(hardwareNumber, entry.isActive, entry.isDefault, entry.errorCode);
        entry.type = document.GetHardwareType(hardwareNumber);
        return entry;
    }

    // The folder of the test programs, the stand-in libraries and the demo.
    static QString BinFolder() { return QCoreApplication::applicationDirPath(); }

private:
    QTemporaryDir m_folder;
    bool m_valid = m_folder.isValid();
};

}  // namespace trelink
