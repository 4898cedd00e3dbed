#pragma once
// Set-up shared by the configuration window tests: a program folder holding
// the first-run files, a shared state loaded from it, and every message box
// text recorded instead of shown.

#include <gtest/gtest.h>

#include "config/FirstRun.h"
#include "platform/MessageBoxes.h"
#include "shared/ConfigFiles.h"
#include "shared/Global_Declarations.h"

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <string>

namespace gvtest {

inline std::string readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : std::string();
}

inline void writeAll(const QString& path, const std::string& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

class ConfigDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        gv::createMissingFiles(dir.path().toStdString());
        gv::loadConfiguration(g, dir.path().toStdString());
        gv::setMessageHook([this](const gv::ShownMessage& m) { messages.push_back(m.text); });
    }
    void TearDown() override
    {
        gv::setMessageHook({});
        gv::setDialogHook({});
    }

    QTemporaryDir dir;
    gv::Global_Declarations g;
    QStringList messages;
};

} // namespace gvtest
