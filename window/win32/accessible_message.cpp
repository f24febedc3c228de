// The message on the Win32 window's background as an accessible alert.
#include "window/win32/accessible_message.h"

#include <string>

#include "window/layout.h"
#include "window/win32/wide.h"

namespace tarvik::win32 {

namespace {

// A live region's change; Windows 8 defines it, and Windows 7 passes it on unknown.
#ifndef EVENT_OBJECT_LIVEREGIONCHANGED
#define EVENT_OBJECT_LIVEREGIONCHANGED 0x8019
#endif

bool IsSelf(const VARIANT& child) {
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

// The alert itself: no children, no actions, nothing to set; its name is the message, and
// while none is drawn it is invisible and nameless. It outlives the window when a screen
// reader still holds it, and then answers that it is gone.
class MessageObject final : public IAccessible {
  public:
    MessageObject(HWND window, const WindowCore& core) : window_(window), core_(&core) {}
    // Only Release() deletes it, once the last reference goes.
    virtual ~MessageObject() = default;
    MessageObject(const MessageObject&) = delete;
    MessageObject& operator=(const MessageObject&) = delete;
    MessageObject(MessageObject&&) = delete;
    MessageObject& operator=(MessageObject&&) = delete;

    void Disconnect() { core_ = nullptr; }

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
        if (object == nullptr) {
            return E_POINTER;
        }
        if (id == IID_IUnknown || id == IID_IDispatch || id == IID_IAccessible) {
            *object = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&references_); }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = InterlockedDecrement(&references_);
        if (left == 0) {
            delete this;
        }
        return static_cast<ULONG>(left);
    }

    // IDispatch: screen readers call IAccessible directly.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) override {
        return E_NOTIMPL;
    }

    // IAccessible
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        if (core_ == nullptr) {
            return CO_E_OBJNOTCONNECTED;
        }
        return AccessibleObjectFromWindow(window_, static_cast<DWORD>(OBJID_CLIENT), IID_IDispatch,
                                          reinterpret_cast<void**>(parent));
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT, IDispatch** child) override {
        *child = nullptr;
        return E_INVALIDARG;
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        *name = nullptr;
        if (!IsSelf(child)) {
            return E_INVALIDARG;
        }
        if (core_ == nullptr) {
            return CO_E_OBJNOTCONNECTED;
        }
        const std::string message = core_->Message();
        if (message.empty()) {
            return S_FALSE;
        }
        *name = SysAllocString(Widen(message).c_str());
        return *name == nullptr ? E_OUTOFMEMORY : S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT, BSTR* value) override {
        *value = nullptr;
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT, BSTR* description) override {
        *description = nullptr;
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        if (!IsSelf(child)) {
            return E_INVALIDARG;
        }
        role->vt = VT_I4;
        role->lVal = ROLE_SYSTEM_ALERT;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        if (!IsSelf(child)) {
            return E_INVALIDARG;
        }
        state->vt = VT_I4;
        state->lVal = STATE_SYSTEM_READONLY;
        if (core_ == nullptr || core_->Message().empty()) {
            state->lVal |= STATE_SYSTEM_INVISIBLE;
        }
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT, BSTR* help) override {
        *help = nullptr;
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT, LONG* topic) override {
        *file = nullptr;
        *topic = 0;
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT, BSTR* shortcut) override {
        *shortcut = nullptr;
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
        focus->vt = VT_EMPTY;
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
        selection->vt = VT_EMPTY;
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT, BSTR* action) override {
        *action = nullptr;
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG, VARIANT) override { return DISP_E_MEMBERNOTFOUND; }
    // The strip above the topmost control, across the client area, in screen pixels.
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                          VARIANT child) override {
        if (!IsSelf(child)) {
            return E_INVALIDARG;
        }
        if (core_ == nullptr) {
            return CO_E_OBJNOTCONNECTED;
        }
        RECT client{};
        GetClientRect(window_, &client);
        POINT origin{0, 0};
        ClientToScreen(window_, &origin);
        *left = origin.x;
        *top = origin.y;
        *width = client.right;
        // The client area is laid out in proportion to the layout's twips, whatever the dpi.
        *height = MulDiv(client.bottom, kMessageStripHeight, kWindowLayout.height);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG, VARIANT, VARIANT* end) override {
        end->vt = VT_EMPTY;
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG, LONG, VARIANT* child) override {
        child->vt = VT_EMPTY;
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT) override { return DISP_E_MEMBERNOTFOUND; }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

  private:
    LONG references_ = 1;
    HWND window_;
    const WindowCore* core_;
};

}  // namespace

AccessibleMessage::~AccessibleMessage() {
    if (object_ != nullptr) {
        static_cast<MessageObject*>(object_)->Disconnect();
        object_->Release();
    }
}

LRESULT AccessibleMessage::Answer(HWND window, WPARAM flags) {
    if (object_ == nullptr) {
        object_ = new MessageObject(window, core_);
    }
    return LresultFromObject(IID_IAccessible, flags, object_);
}

void AccessibleMessage::Announce(HWND window) {
    NotifyWinEvent(EVENT_OBJECT_SHOW, window, kMessageObjectId, CHILDID_SELF);
    NotifyWinEvent(EVENT_SYSTEM_ALERT, window, kMessageObjectId, CHILDID_SELF);
    NotifyWinEvent(EVENT_OBJECT_LIVEREGIONCHANGED, window, kMessageObjectId, CHILDID_SELF);
}

void AccessibleMessage::Withdraw(HWND window) {
    NotifyWinEvent(EVENT_OBJECT_HIDE, window, kMessageObjectId, CHILDID_SELF);
    NotifyWinEvent(EVENT_OBJECT_LIVEREGIONCHANGED, window, kMessageObjectId, CHILDID_SELF);
}

}  // namespace tarvik::win32
