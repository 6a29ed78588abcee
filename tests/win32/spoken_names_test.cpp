// SPDX-License-Identifier: MIT
// What a screen reader hears for each field and picture of the three windows: as the window
// hands it to the accessibility service, and, where the system reports it, read back through
// the control's accessible object as a screen reader reads it.
#include <gtest/gtest.h>
#include <windows.h>
// after windows.h, whose types they use
#include <oleacc.h>
#include <oleauto.h>

#include <map>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>

#include "tests/win32/window_checks.h"
#include "ui/design/design.h"
#include "ui/win32/built_window.h"
#include "ui/win32/handles.h"
#include "ui/win32/spoken_names.h"
#include "ui/win32/wide_text.h"

namespace {

using ui::win32::ComPtr;
using ui::win32::Widen;

struct Spoken {
    std::wstring name;
    std::wstring description;
    bool operator==(const Spoken&) const = default;
};

void PrintTo(const Spoken& spoken, std::ostream* out) {
    *out << ::testing::PrintToString(spoken.name) << " / "
         << ::testing::PrintToString(spoken.description);
}

// Every field and picture of the three windows with what its row says it should be heard as.
template <typename Check>
void ForEachSpokenRow(Check check) {
    for (const ui::WindowDesign* design :
         {&ui::kForm1Design, &ui::kFrmAboutDesign, &ui::kFrmAbout1Design}) {
        ui::win32::BuiltWindow window(*design, nullptr, {});
        // As a screen reader meets it: shown, and past its first messages.
        window.Show();
        win32_test::Pump(50);
        for (const ui::FieldDesign& field : design->fields) {
            check(std::string(design->name) + ' ' + std::string(field.name),
                  window.Control(field.name), Spoken{Widen(field.spokenName), L""});
        }
        for (const ui::PictureDesign& picture : design->pictures) {
            check(std::string(design->name) + ' ' + std::string(picture.name),
                  window.Control(picture.name),
                  Spoken{Widen(picture.spokenName), Widen(picture.spokenDescription)});
        }
    }
}

// Stands in for the system's accessibility service, keeping what each control's client object
// is given; the other ways of annotating are refused, so using them would show as missing names.
class KeptNames final : public IClassFactory, public IAccPropServices {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (iid == IID_IUnknown || iid == IID_IClassFactory) {
            *out = static_cast<IClassFactory*>(this);
        } else if (iid == IID_IAccPropServices) {
            *out = static_cast<IAccPropServices*>(this);
        } else {
            *out = nullptr;
        }
        return *out ? S_OK : E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }  // lives on the test's stack
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown*, REFIID iid, void** out) override {
        return QueryInterface(iid, out);
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }

    HRESULT STDMETHODCALLTYPE SetHwndPropStr(HWND control, DWORD object, DWORD child,
                                             MSAAPROPID property, LPCWSTR text) override {
        if (static_cast<LONG>(object) != OBJID_CLIENT || child != CHILDID_SELF) {
            return E_INVALIDARG;
        }
        if (property == PROPID_ACC_NAME) {
            kept[control].name = text;
        } else if (property == PROPID_ACC_DESCRIPTION) {
            kept[control].description = text;
        }
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE SetPropValue(const BYTE*, DWORD, MSAAPROPID, VARIANT) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetPropServer(const BYTE*, DWORD, const MSAAPROPID*, int,
                                            IAccPropServer*, AnnoScope) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE ClearProps(const BYTE*, DWORD, const MSAAPROPID*, int) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetHwndProp(HWND, DWORD, DWORD, MSAAPROPID, VARIANT) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetHwndPropServer(HWND, DWORD, DWORD, const MSAAPROPID*, int,
                                                IAccPropServer*, AnnoScope) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE ClearHwndProps(HWND, DWORD, DWORD, const MSAAPROPID*, int) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE ComposeHwndIdentityString(HWND, DWORD, DWORD, BYTE**,
                                                        DWORD*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE DecomposeHwndIdentityString(const BYTE*, DWORD, HWND*, DWORD*,
                                                          DWORD*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetHmenuProp(HMENU, DWORD, MSAAPROPID, VARIANT) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetHmenuPropStr(HMENU, DWORD, MSAAPROPID, LPCWSTR) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetHmenuPropServer(HMENU, DWORD, const MSAAPROPID*, int,
                                                 IAccPropServer*, AnnoScope) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE ClearHmenuProps(HMENU, DWORD, const MSAAPROPID*, int) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE ComposeHmenuIdentityString(HMENU, DWORD, BYTE**, DWORD*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE DecomposeHmenuIdentityString(const BYTE*, DWORD, HMENU*,
                                                           DWORD*) override {
        return E_NOTIMPL;
    }

    std::map<HWND, Spoken> kept;
};

TEST(SpokenNamesTest, EveryFieldAndPictureIsGivenItsName) {
    KeptNames names;
    DWORD cookie = 0;
    ASSERT_EQ(CoRegisterClassObject(CLSID_AccPropServices, static_cast<IClassFactory*>(&names),
                                    CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE, &cookie),
              S_OK);
    ForEachSpokenRow([&](const std::string& what, HWND control, const Spoken& expected) {
        // Taken out as read: a handle of a window closed before may come back for another.
        EXPECT_EQ(std::exchange(names.kept[control], {}), expected) << what;
    });
    CoRevokeClassObject(cookie);
}

// The text a screen reader gets for the control's client object, empty for none.
std::wstring Read(HWND control,
                  HRESULT (STDMETHODCALLTYPE IAccessible::*property)(VARIANT, BSTR*)) {
    ComPtr<IAccessible> accessible;
    if (FAILED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT),
                                          IID_PPV_ARGS(&accessible)))) {
        return L"";
    }
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR text = nullptr;
    if ((accessible.Get()->*property)(self, &text) != S_OK || text == nullptr) {
        return L"";
    }
    std::wstring read(text, SysStringLen(text));
    SysFreeString(text);
    return read;
}

Spoken ReadBack(HWND control) {
    return {Read(control, &IAccessible::get_accName),
            Read(control, &IAccessible::get_accDescription)};
}

// Wine keeps no names given through the accessibility service (its accessible objects answer
// with their defaults), so there this can only be told, not tested.
TEST(SpokenNamesTest, AScreenReaderHearsThem) {
    const ui::win32::UniqueWindow probe(CreateWindowExW(0, L"EDIT", L"", WS_POPUP, 0, 0, 10, 10,
                                                        nullptr, nullptr, nullptr, nullptr));
    const ComPtr<IAccPropServices> service = ui::win32::OpenSpokenNames();
    ui::win32::SetSpokenName(service.Get(), probe.get(), "probe");
    if (const std::wstring read = ReadBack(probe.get()).name; read != L"probe") {
        GTEST_SKIP() << "not run here: the spoken names read back: this system does not "
                        "report names given through its accessibility service: "
                     << (service ? "it has one, and reads back " + ::testing::PrintToString(read)
                                 : std::string("it has none"));
    }
    ForEachSpokenRow([](const std::string& what, HWND control, const Spoken& expected) {
        EXPECT_EQ(ReadBack(control), expected) << what;
    });
}

}  // namespace
