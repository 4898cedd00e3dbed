#pragma once
// Window tests: records every message box text instead of showing it, for
// as long as the recorder lives.

#include <QString>
#include <vector>

#include "platform/MessageBoxes.h"

namespace gvtest {

struct Messages {
    std::vector<QString> texts;
    Messages()
    {
        gv::setMessageHook([this](const gv::ShownMessage& m) { texts.push_back(m.text); });
    }
    ~Messages() { gv::setMessageHook({}); }
    Messages(const Messages&) = delete;
    Messages& operator=(const Messages&) = delete;
    QString last() const { return texts.empty() ? QString() : texts.back(); }
};

} // namespace gvtest
