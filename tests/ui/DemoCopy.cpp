#include "DemoCopy.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include "store/ConfigDocument.h"

namespace trelink {

DemoCopy::DemoCopy() {
    const QDir demo(BinFolder() + QStringLiteral("/demo"));
    m_valid = m_folder.isValid();
    for (const QString& name :
         {QStringLiteral("trelinkconfig.xml"), QStringLiteral("mtrelinksim.xml")}) {
        m_valid = m_valid && QFile::copy(demo.filePath(name), QDir(Folder()).filePath(name));
        QFile::setPermissions(QDir(Folder()).filePath(name),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    }
}

QString DemoCopy::ConfigPath() const {
    return QDir(Folder()).filePath(QStringLiteral("trelinkconfig.xml"));
}

QString DemoCopy::SettingsPath() const {
    return QDir(Folder()).filePath(QStringLiteral("trelinkkonfigurator.ini"));
}

void DemoCopy::WriteSettings(const QByteArray& text) const {
    QFile file(SettingsPath());
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) file.write(text);
}

void DemoCopy::WriteStandardSettings(int language) const {
    WriteSettings("[XMLConfig]\nConfigfilename=" + ConfigPath().toUtf8() +
                  "\n[Options]\nLanguage=" + QByteArray::number(language) + "\n");
}

QByteArray DemoCopy::ConfigBytes() const {
    QFile file(ConfigPath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool DemoCopy::SetErrorCode(int hardwareNumber, int errorCode) const {
    ConfigDocument document;
    int isActive = 0;
    int isDefault = 0;
    int oldCode = 0;
    return document.SetConfigFile(ConfigPath().toStdString()) == kOk &&
           document.GetHardwareState(hardwareNumber, isActive, isDefault, oldCode) == kOk &&
           document.SetHardwareState(hardwareNumber, isActive, isDefault, errorCode) == kOk;
}

int DemoCopy::EntryCount() const {
    ConfigDocument document;
    int count = -1;
    if (document.SetConfigFile(ConfigPath().toStdString()) == kOk) document.GetHardwareCount(count);
    return count;
}

DemoCopy::Entry DemoCopy::ReadEntry(int hardwareNumber) const {
    ConfigDocument document;
    Entry entry;
    document.SetConfigFile(ConfigPath().toStdString());
    document.GetHardwareState(hardwareNumber, entry.isActive, entry.isDefault, entry.errorCode);
    entry.type = document.GetHardwareType(hardwareNumber);
    return entry;
}

QString DemoCopy::BinFolder() {
    return QCoreApplication::applicationDirPath();
}

}  // namespace trelink
