// SPDX-License-Identifier: MIT
#include "ui/win32/spoken_names.h"

#include "ui/win32/wide_text.h"

namespace ui::win32 {

ComPtr<IAccPropServices> OpenSpokenNames() {
    ComPtr<IAccPropServices> names;
    if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IAccPropServices,
                                reinterpret_cast<void**>(names.GetAddressOf())))) {
        return nullptr;
    }
    return names;
}

void SetSpokenName(IAccPropServices* names, HWND control, std::string_view name,
                   std::string_view description) {
    if (names == nullptr) {
        return;
    }
    names->SetHwndPropStr(control, OBJID_CLIENT, CHILDID_SELF, PROPID_ACC_NAME,
                          Widen(name).c_str());
    if (!description.empty()) {
        names->SetHwndPropStr(control, OBJID_CLIENT, CHILDID_SELF, PROPID_ACC_DESCRIPTION,
                              Widen(description).c_str());
    }
}

}  // namespace ui::win32
