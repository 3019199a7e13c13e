#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

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

    DemoCopy();

    bool IsValid() const { return m_valid; }
    QString Folder() const { return m_folder.path(); }
    QString ConfigPath() const;
    QString SettingsPath() const;
    // Where the simulated driver stores its own form of the configuration.
    QString DriverSavePath() const { return ConfigPath() + QStringLiteral(".l1"); }

    void WriteSettings(const QByteArray& text) const;
    // Names the copy's configuration file and the language.
    void WriteStandardSettings(int language = 49) const;
    QByteArray ConfigBytes() const;

    // Rewrites one entry's ErrorCode in the file, keeping its other state.
    bool SetErrorCode(int hardwareNumber, int errorCode) const;

    // What the file on disk holds, read by a document of its own.
    int EntryCount() const;
    Entry ReadEntry(int hardwareNumber) const;

    // The folder of the test programs, the stand-in libraries and the demo.
    static QString BinFolder();

private:
    QTemporaryDir m_folder;
    bool m_valid = false;
};

}  // namespace trelink
