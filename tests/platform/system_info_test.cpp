#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <vector>

#include "platform/MessageBoxes.h"
#include "platform/SystemInfo.h"

using namespace gv;

namespace {

// Records message boxes and program starts instead of showing or starting.
struct Recorder {
    std::vector<QString> messages;
    std::vector<QString> started;
    bool startSucceeds = true;
    Recorder()
    {
        setMessageHook([this](const ShownMessage& m) { messages.push_back(m.text); });
        setProgramStarterHook([this](const QString& p) {
            started.push_back(p);
            return startSucceeds;
        });
    }
    ~Recorder()
    {
        setMessageHook(nullptr);
        setProgramStarterHook(nullptr);
    }
    bool unavailableShown() const
    {
        return messages == std::vector<QString>{"System Information Is Unavailable At This Time"};
    }
};

void touch(const QString& path)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
}

} // namespace

TEST(RegistryValue, TextLosesItsFinalZeroAndOtherKindsAreHandled)
{
    MemoryRegistry reg;
    std::string val = "untouched";
    EXPECT_EQ(GetKeyValue(reg, HKEY_LOCAL_MACHINE_ROOT, "K", "V", val), KeyValueResult::NotRead);
    EXPECT_EQ(val, "");

    reg.setText(HKEY_LOCAL_MACHINE_ROOT, "K", "V", "C:\\tool.exe");
    EXPECT_EQ(GetKeyValue(reg, HKEY_LOCAL_MACHINE_ROOT, "K", "V", val), KeyValueResult::Read);
    EXPECT_EQ(val, "C:\\tool.exe");
    EXPECT_EQ(GetKeyValue(reg, 0x80000001u, "K", "V", val), KeyValueResult::NotRead) << "other root";

    reg.set(HKEY_LOCAL_MACHINE_ROOT, "K", "V", RegistryValue{REG_SZ_TYPE, "no zero"});
    EXPECT_EQ(GetKeyValue(reg, HKEY_LOCAL_MACHINE_ROOT, "K", "V", val), KeyValueResult::Read);
    EXPECT_EQ(val, "no zero");

    reg.set(HKEY_LOCAL_MACHINE_ROOT, "K", "V", RegistryValue{REG_DWORD_TYPE, std::string("\x2a\x01\0\0", 4)});
    EXPECT_EQ(GetKeyValue(reg, HKEY_LOCAL_MACHINE_ROOT, "K", "V", val), KeyValueResult::Read);
    EXPECT_EQ(val, "&h12A");

    reg.set(HKEY_LOCAL_MACHINE_ROOT, "K", "V", RegistryValue{2, std::string("%X%\0", 4)});
    val = "as passed";
    EXPECT_EQ(GetKeyValue(reg, HKEY_LOCAL_MACHINE_ROOT, "K", "V", val), KeyValueResult::Read);
    EXPECT_EQ(val, "as passed");

    reg.set(HKEY_LOCAL_MACHINE_ROOT, "K", "V", RegistryValue{REG_SZ_TYPE, ""});
    EXPECT_EQ(GetKeyValue(reg, HKEY_LOCAL_MACHINE_ROOT, "K", "V", val), KeyValueResult::EmptyValue);
    EXPECT_EQ(val, "");
}

TEST(RegistryValue, MoreThan1024BytesCountsAsAbsent)
{
    MemoryRegistry reg;
    std::string val;
    reg.set(HKEY_LOCAL_MACHINE_ROOT, "K", "V", RegistryValue{REG_SZ_TYPE, std::string(1023, 'a') + '\0'});
    EXPECT_EQ(GetKeyValue(reg, HKEY_LOCAL_MACHINE_ROOT, "K", "V", val), KeyValueResult::Read);
    EXPECT_EQ(val.size(), 1023u);
    reg.set(HKEY_LOCAL_MACHINE_ROOT, "K", "V", RegistryValue{REG_SZ_TYPE, std::string(1024, 'a') + '\0'});
    EXPECT_EQ(GetKeyValue(reg, HKEY_LOCAL_MACHINE_ROOT, "K", "V", val), KeyValueResult::NotRead);
    EXPECT_EQ(val, "");
}

TEST(SystemInformation, FirstKeyPathIsStartedUnchecked)
{
    Recorder rec;
    MemoryRegistry reg;
    reg.setText(HKEY_LOCAL_MACHINE_ROOT, SysInfoPathKey, SysInfoPathValue, "/no/such/tool");
    EXPECT_TRUE(startSystemInformation(nullptr, reg));
    EXPECT_EQ(rec.started, std::vector<QString>{"/no/such/tool"});
    EXPECT_TRUE(rec.messages.empty());

    // When that start fails, the user is told.
    rec.started.clear();
    rec.startSucceeds = false;
    EXPECT_FALSE(startSystemInformation(nullptr, reg));
    EXPECT_EQ(rec.started.size(), 1u);
    EXPECT_TRUE(rec.unavailableShown());
}

TEST(SystemInformation, RealStartOfMissingProgramTellsUnavailable)
{
    std::vector<QString> messages;
    setMessageHook([&](const ShownMessage& m) { messages.push_back(m.text); });
    MemoryRegistry reg;
    reg.setText(HKEY_LOCAL_MACHINE_ROOT, SysInfoPathKey, SysInfoPathValue, "/no/such/dir/sysinfo-tool");
    EXPECT_FALSE(startSystemInformation(nullptr, reg));
    EXPECT_EQ(messages, std::vector<QString>{SysInfoUnavailableMessage});
    setMessageHook(nullptr);
}

TEST(SystemInformation, SecondKeyFolderIsTestedForTheProgramFile)
{
    Recorder rec;
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    MemoryRegistry reg;
    reg.setText(HKEY_LOCAL_MACHINE_ROOT, SysInfoFolderKey, SysInfoFolderValue, dir.path().toStdString());

    EXPECT_FALSE(startSystemInformation(nullptr, reg));
    EXPECT_TRUE(rec.started.empty()) << "nothing started when the file is not there";
    EXPECT_TRUE(rec.unavailableShown());

    rec.messages.clear();
    touch(dir.filePath("msinfo32.exe"));
    EXPECT_TRUE(startSystemInformation(nullptr, reg));
    EXPECT_EQ(rec.started, std::vector<QString>{dir.filePath("msinfo32.exe")});
    EXPECT_TRUE(rec.messages.empty());
}

TEST(SystemInformation, EmptyFirstValueGoesStraightToTheMessage)
{
    Recorder rec;
    QTemporaryDir dir;
    touch(dir.filePath("MSINFO32.EXE"));
    MemoryRegistry reg;
    reg.set(HKEY_LOCAL_MACHINE_ROOT, SysInfoPathKey, SysInfoPathValue, RegistryValue{REG_SZ_TYPE, ""});
    reg.setText(HKEY_LOCAL_MACHINE_ROOT, SysInfoFolderKey, SysInfoFolderValue, dir.path().toStdString());
    EXPECT_FALSE(startSystemInformation(nullptr, reg));
    EXPECT_TRUE(rec.started.empty());
    EXPECT_TRUE(rec.unavailableShown());

    // Without the empty value the folder is used.
    rec.messages.clear();
    reg.remove(HKEY_LOCAL_MACHINE_ROOT, SysInfoPathKey, SysInfoPathValue);
    EXPECT_TRUE(startSystemInformation(nullptr, reg));
    EXPECT_EQ(rec.started, std::vector<QString>{dir.filePath("MSINFO32.EXE")});
}

TEST(SystemInformation, NoEntryAtAllTellsUnavailable)
{
    Recorder rec;
    MemoryRegistry reg;
    EXPECT_FALSE(startSystemInformation(nullptr, reg));
    EXPECT_TRUE(rec.started.empty());
    EXPECT_TRUE(rec.unavailableShown());
}

TEST(SystemInformation, DefaultStoreAnswersWithAToolOnPath)
{
    const QByteArray oldPath = qgetenv("PATH");
    QTemporaryDir dir;
    const QString tool = dir.filePath("hardinfo");
    touch(tool);
    QFile::setPermissions(tool, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    qputenv("PATH", dir.path().toLocal8Bit());
    std::string val;
    EXPECT_EQ(GetKeyValue(systemRegistry(), HKEY_LOCAL_MACHINE_ROOT, SysInfoPathKey, SysInfoPathValue, val),
              KeyValueResult::Read);
    EXPECT_EQ(QString::fromStdString(val), tool);
    EXPECT_EQ(GetKeyValue(systemRegistry(), HKEY_LOCAL_MACHINE_ROOT, SysInfoFolderKey, SysInfoFolderValue, val),
              KeyValueResult::NotRead);

    Recorder rec;
    EXPECT_TRUE(startSystemInformation(nullptr, systemRegistry()));
    EXPECT_EQ(rec.started, std::vector<QString>{tool});

    // With no such program anywhere on PATH the tool is unavailable.
    QTemporaryDir empty;
    qputenv("PATH", empty.path().toLocal8Bit());
    rec.started.clear();
    EXPECT_FALSE(startSystemInformation(nullptr, systemRegistry()));
    EXPECT_TRUE(rec.started.empty());
    EXPECT_TRUE(rec.unavailableShown());
    qputenv("PATH", oldPath);
}
