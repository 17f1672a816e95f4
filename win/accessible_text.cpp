// SPDX-License-Identifier: MIT
#include "win/accessible_text.h"

#include <initguid.h>  // defines the accessibility GUIDs below in this file
#include <oleacc.h>

namespace zq::win {

void SetAccessibleText(HWND control, AccessibleText which, const std::wstring& text) {
    const bool name = which == AccessibleText::Name;
    IAccPropServices* services = nullptr;
    if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IAccPropServices, reinterpret_cast<void**>(&services)))) {
        return;
    }
    services->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                             name ? PROPID_ACC_NAME : PROPID_ACC_DESCRIPTION, text.c_str());
    services->Release();
    NotifyWinEvent(name ? EVENT_OBJECT_NAMECHANGE : EVENT_OBJECT_DESCRIPTIONCHANGE, control,
                   OBJID_CLIENT, CHILDID_SELF);
}

}  // namespace zq::win
