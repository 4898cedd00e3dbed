#include "platform/SystemInfo.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <cstdio>

#include "platform/MessageBoxes.h"

namespace gv {

// ---- MemoryRegistry -------------------------------------------------------

void MemoryRegistry::set(std::uint32_t root, const std::string& keyPath, const std::string& valueName,
                         RegistryValue value)
{
    values_[{root, keyPath, valueName}] = std::move(value);
}

void MemoryRegistry::setText(std::uint32_t root, const std::string& keyPath,
                             const std::string& valueName, const std::string& text)
{
    set(root, keyPath, valueName, RegistryValue{REG_SZ_TYPE, text + std::string(1, '\0')});
}

void MemoryRegistry::remove(std::uint32_t root, const std::string& keyPath, const std::string& valueName)
{
    values_.erase({root, keyPath, valueName});
}

std::optional<RegistryValue> MemoryRegistry::query(std::uint32_t root, const std::string& keyPath,
                                                   const std::string& valueName) const
{
    const auto it = values_.find({root, keyPath, valueName});
    if (it == values_.end())
        return std::nullopt;
    return it->second;
}

// ---- The default store ----------------------------------------------------

namespace {

class PathRegistry : public RegistryLookup {
public:
    std::optional<RegistryValue> query(std::uint32_t root, const std::string& keyPath,
                                       const std::string& valueName) const override
    {
        if (root != HKEY_LOCAL_MACHINE_ROOT || keyPath != SysInfoPathKey || valueName != SysInfoPathValue)
            return std::nullopt;
        for (const char* const* name = systemInfoCandidates(); *name; ++name) {
            const QString found = QStandardPaths::findExecutable(QString::fromLatin1(*name));
            if (!found.isEmpty()) {
                const QByteArray bytes = found.toLocal8Bit();
                return RegistryValue{REG_SZ_TYPE, std::string(bytes.constData(), bytes.size()) + '\0'};
            }
        }
        return std::nullopt;
    }
};

} // namespace

const char* const* systemInfoCandidates()
{
    static const char* const names[] = {"hardinfo2", "hardinfo", "kinfocenter", "gnome-system-monitor",
                                        "mate-system-monitor", nullptr};
    return names;
}

const RegistryLookup& systemRegistry()
{
    static const PathRegistry registry;
    return registry;
}

// ---- Reading one value ----------------------------------------------------

KeyValueResult GetKeyValue(const RegistryLookup& registry, std::uint32_t keyRoot,
                           const std::string& keyName, const std::string& subKeyRef,
                           std::string& keyVal)
{
    constexpr std::size_t bufferSize = 1024;
    const std::optional<RegistryValue> value = registry.query(keyRoot, keyName, subKeyRef);
    if (!value || value->data.size() > bufferSize) {
        keyVal.clear();
        return KeyValueResult::NotRead;
    }
    std::string data = value->data;
    if (data.empty()) {
        keyVal.clear();
        return KeyValueResult::EmptyValue;
    }
    if (data.back() == '\0')
        data.pop_back();

    switch (value->type) {
    case REG_SZ_TYPE:
        keyVal = data;
        break;
    case REG_DWORD_TYPE: {
        // Little-endian 32-bit number, shown as "&h" and its hex digits.
        std::uint32_t number = 0;
        for (std::size_t i = 0; i < data.size() && i < 4; ++i)
            number |= static_cast<std::uint32_t>(static_cast<unsigned char>(data[i])) << (8 * i);
        char text[16];
        std::snprintf(text, sizeof text, "&h%X", number);
        keyVal = text;
        break;
    }
    default:
        break; // other kinds leave the passed-in text alone
    }
    return KeyValueResult::Read;
}

// ---- Starting the tool ----------------------------------------------------

namespace {
ProgramStarter& starterHook()
{
    static ProgramStarter hook;
    return hook;
}

QString localPath(const std::string& text)
{
    QString path = QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
#ifndef Q_OS_WIN
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
#endif
    return path;
}
} // namespace

void setProgramStarterHook(ProgramStarter starter) { starterHook() = std::move(starter); }

bool startProgramDetached(const QString& path)
{
    if (starterHook())
        return starterHook()(path);
    if (path.isEmpty())
        return false;
    return QProcess::startDetached(path, QStringList());
}

QString findProgramFile(const QString& path)
{
    if (path.isEmpty())
        return QString();
    const QFileInfo info(path);
    if (info.isFile())
        return path;
    const QDir dir = info.dir();
    if (!dir.exists())
        return QString();
    const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    for (const QString& entry : entries)
        if (entry.compare(info.fileName(), Qt::CaseInsensitive) == 0)
            return dir.filePath(entry);
    return QString();
}

bool startSystemInformation(QWidget* parent, const RegistryLookup& registry)
{
    std::string path;
    std::optional<QString> program;

    switch (GetKeyValue(registry, HKEY_LOCAL_MACHINE_ROOT, SysInfoPathKey, SysInfoPathValue, path)) {
    case KeyValueResult::Read:
        // The stored path is started as it stands; a wrong one fails the start.
        program = localPath(path);
        break;
    case KeyValueResult::EmptyValue:
        break;
    case KeyValueResult::NotRead: {
        std::string folder;
        if (GetKeyValue(registry, HKEY_LOCAL_MACHINE_ROOT, SysInfoFolderKey, SysInfoFolderValue, folder) ==
            KeyValueResult::Read) {
            const QString found = findProgramFile(localPath(folder + SysInfoProgramName));
            if (!found.isEmpty())
                program = found;
        }
        break;
    }
    }

    if (!program || !startProgramDetached(*program)) {
        showMessage(parent, QString::fromLatin1(SysInfoUnavailableMessage));
        return false;
    }
    return true;
}

} // namespace gv
