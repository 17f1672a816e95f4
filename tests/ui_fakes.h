// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>
#include <vector>

#include "runtime/message_box.h"
#include "ui/link_opener.h"

namespace zq::test {

// Records messages instead of showing them, so that no test ever blocks on a modal box; every
// test ends by checking that nothing unexpected was shown.
class RecordingMessageBox final : public MessageBoxService {
  public:
    void Show(const Message& message) override { shown.push_back(message); }
    std::vector<Message> shown;
};

class RecordingLinkOpener final : public ui::LinkOpener {
  public:
    void OpenHost(const QString& host) override { hosts.append(host); }
    QStringList hosts;
};

}  // namespace zq::test
