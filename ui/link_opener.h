// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace zq::ui {

// Asks the desktop to open a web address given as a bare host name, and ignores the outcome.
class LinkOpener {
  public:
    virtual ~LinkOpener() = default;
    virtual void OpenHost(const QString& host) = 0;
};

// Opens the address in the desktop's default web browser.
class DesktopLinkOpener final : public LinkOpener {
  public:
    void OpenHost(const QString& host) override;
};

}  // namespace zq::ui
