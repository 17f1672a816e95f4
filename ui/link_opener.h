// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace zq::ui {

// The maker's web address: as the address label shows it, and as the bare host handed to the
// desktop. A host under the reserved example domain, so no real site is ever opened.
inline constexpr char kMakerAddressShown[] = "http://zorvik.example";
inline constexpr char kMakerHost[] = "zorvik.example";

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
