// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace zq {

// Message-box flags as the Calculate command uses them: OK button plus an icon.
enum MessageFlags : int {
    kCriticalIcon = 16,
    kExclamationIcon = 48,
};

// A modal message the caller is asked to show: what the Calculate command returns instead of
// showing anything itself.
struct Message {
    std::string prompt;
    std::string title;
    int flags = 0;

    friend bool operator==(const Message&, const Message&) = default;
};

// Shows messages modally. The window program implements it with its toolkit; tests replace it.
class MessageBoxService {
  public:
    virtual ~MessageBoxService() = default;
    virtual void Show(const Message& message) = 0;
};

}  // namespace zq
