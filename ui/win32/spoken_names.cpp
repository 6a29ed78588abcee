// SPDX-License-Identifier: MIT
#include "ui/win32/spoken_names.h"

#include <oleacc.h>

#include "ui/win32/handles.h"
#include "ui/win32/wide_text.h"

namespace ui::win32 {

void SetSpokenName(HWND control, std::string_view name, std::string_view description) {
    ComPtr<IAccPropServices> services;
    if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IAccPropServices,
                                reinterpret_cast<void**>(services.GetAddressOf())))) {
        return;
    }
    services->SetHwndPropStr(control, OBJID_CLIENT, CHILDID_SELF, PROPID_ACC_NAME,
                             Widen(name).c_str());
    if (!description.empty()) {
        services->SetHwndPropStr(control, OBJID_CLIENT, CHILDID_SELF, PROPID_ACC_DESCRIPTION,
                                 Widen(description).c_str());
    }
}

}  // namespace ui::win32
