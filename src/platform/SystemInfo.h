#pragma once
// Finding and starting the system-information tool for the about box.
//
// The tool's location is looked up by key path and value name in a small
// registry-like store.  On this platform there is no system registry: the
// default store answers the tool's path key with a system-information program
// found on PATH.  Tests fill a MemoryRegistry of their own instead.

#include <QString>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <tuple>

class QWidget;

namespace gv {

// Root handles and value types as the stored keys know them.
constexpr std::uint32_t HKEY_LOCAL_MACHINE_ROOT = 0x80000002u;
constexpr std::uint32_t REG_SZ_TYPE = 1;
constexpr std::uint32_t REG_DWORD_TYPE = 4;

// Keys and value names of the tool's location.
constexpr const char* SysInfoPathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr const char* SysInfoPathValue = "PATH";
constexpr const char* SysInfoFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
constexpr const char* SysInfoFolderValue = "MSINFO";
constexpr const char* SysInfoProgramName = "\\MSINFO32.EXE";

constexpr const char* SysInfoUnavailableMessage = "System Information Is Unavailable At This Time";

// One stored value: its type and its data bytes as stored (a text value
// usually carries its terminating zero byte).
struct RegistryValue {
    std::uint32_t type = REG_SZ_TYPE;
    std::string data;
};

class RegistryLookup {
public:
    virtual ~RegistryLookup() = default;
    // The value `valueName` of key `keyPath` under `root`; nothing when the
    // key cannot be opened or the value cannot be read.
    virtual std::optional<RegistryValue> query(std::uint32_t root, const std::string& keyPath,
                                               const std::string& valueName) const = 0;
};

// A store filled by hand (tests, or a platform without a registry).
class MemoryRegistry : public RegistryLookup {
public:
    void set(std::uint32_t root, const std::string& keyPath, const std::string& valueName,
             RegistryValue value);
    // A text value stored with its terminating zero byte.
    void setText(std::uint32_t root, const std::string& keyPath, const std::string& valueName,
                 const std::string& text);
    void remove(std::uint32_t root, const std::string& keyPath, const std::string& valueName);
    std::optional<RegistryValue> query(std::uint32_t root, const std::string& keyPath,
                                       const std::string& valueName) const override;

private:
    std::map<std::tuple<std::uint32_t, std::string, std::string>, RegistryValue> values_;
};

// The default store of this platform: the tool path key answers with the
// first of a few known system-information programs found on PATH
// (hardinfo2, hardinfo, kinfocenter, gnome-system-monitor, ...).
const RegistryLookup& systemRegistry();

// The programs the default store looks for, in order of preference.
const char* const* systemInfoCandidates();

// Outcome of reading one value.  `EmptyValue` is a value without any data
// byte: the caller gives up at once rather than trying elsewhere.
enum class KeyValueResult { Read, NotRead, EmptyValue };

// Reads value `subKeyRef` of key `keyName`.  Text gives the text without a
// final zero byte; a 32-bit number gives "&h" and its hexadecimal digits; any
// other type leaves `keyVal` as passed in.  Data of more than 1024 bytes
// counts as unreadable.  On failure `keyVal` is emptied.
KeyValueResult GetKeyValue(const RegistryLookup& registry, std::uint32_t keyRoot,
                           const std::string& keyName, const std::string& subKeyRef,
                           std::string& keyVal);

// Starting a program detached, in its own window.  Tests replace the starter;
// it answers whether the program could be started.
using ProgramStarter = std::function<bool(const QString& path)>;
void setProgramStarterHook(ProgramStarter starter);
bool startProgramDetached(const QString& path);

// The file of one full name as it exists, its letter case ignored; empty when
// there is none.
QString findProgramFile(const QString& path);

// Finds the system-information tool through `registry` and starts it; any
// failure shows the "unavailable" message box over `parent`.  Returns whether
// the tool was started.
bool startSystemInformation(QWidget* parent, const RegistryLookup& registry);

} // namespace gv
