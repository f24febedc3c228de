// The controls' names for screen readers, set and cleared through IAccPropServices.
#include "window/win32/screen_reader_names.h"

#include <initguid.h>  // defines the accessibility GUIDs of oleacc.h here
#include <oleacc.h>

#include "window/layout.h"
#include "window/win32/wide.h"

namespace tarvik::win32 {

ComApartment::ComApartment()
    // S_FALSE, COM already started on this thread, is to be ended as well.
    : started_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}

ComApartment::~ComApartment() {
    if (started_) {
        CoUninitialize();
    }
}

ScreenReaderNames::~ScreenReaderNames() {
    if (service_ != nullptr) {
        service_->Release();
    }
}

bool ScreenReaderNames::ScreenReaderRuns() {
    BOOL running = FALSE;
    return SystemParametersInfoW(SPI_GETSCREENREADER, 0, &running, 0) != FALSE && running != FALSE;
}

void ScreenReaderNames::Give(const ControlLookup& control) {
    if (apartment_) {
        return;
    }
    apartment_.emplace();
    const HRESULT created =
        CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                         reinterpret_cast<void**>(&service_));
    const auto name = [&](std::string_view controlName, std::string_view caption) {
        const HWND named = control(controlName);
        HRESULT result = created;
        if (SUCCEEDED(created)) {
            result = service_->SetHwndPropStr(named, OBJID_CLIENT, CHILDID_SELF, PROPID_ACC_NAME,
                                              Widen(caption).c_str());
        }
        given_.push_back({std::string(controlName), std::string(caption), result});
        named_.push_back(named);
    };
    for (weir::Field field : weir::kFields) {
        name(FieldName(field), CaptionOf(field));
    }
    for (const ControlLayout& layout : kControls) {
        if (layout.kind == ControlKind::Button) {
            name(layout.name, layout.caption);
        }
    }
}

void ScreenReaderNames::Withdraw() {
    if (service_ == nullptr) {
        return;
    }
    for (const HWND named : named_) {
        service_->ClearHwndProps(named, OBJID_CLIENT, CHILDID_SELF, &PROPID_ACC_NAME, 1);
    }
    service_->Release();
    service_ = nullptr;
}

}  // namespace tarvik::win32
