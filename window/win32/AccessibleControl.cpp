#include "AccessibleControl.h"

#include <utility>

namespace form::win32 {

namespace {

bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

}  // namespace

LRESULT AccessibleControl::Answer(HWND control, WPARAM flags, const std::wstring& name, long role) {
    IAccessible* standard = nullptr;
    // __uuidof: MinGW's oleacc import library gives IID_IAccessible the
    // address of an import stub, not the interface id.
    if (FAILED(CreateStdAccessibleObject(control, OBJID_CLIENT, __uuidof(IAccessible),
                                         reinterpret_cast<void**>(&standard))))
        return 0;
    auto* named = new AccessibleControl(standard, name, role);
    const LRESULT answer = LresultFromObject(__uuidof(IAccessible), flags, named);
    named->Release();  // LresultFromObject holds its own reference
    return answer < 0 ? 0 : answer;
}

AccessibleControl::AccessibleControl(IAccessible* standard, std::wstring name, long role)
    : standard_(standard), name_(std::move(name)), role_(role) {}

AccessibleControl::~AccessibleControl() { standard_->Release(); }

HRESULT AccessibleControl::QueryInterface(REFIID iid, void** object) {
    if (!object) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == __uuidof(IAccessible)) {
        *object = static_cast<IAccessible*>(this);
        AddRef();
        return S_OK;
    }
    // The window handle and the child enumeration stay the standard object's.
    if (iid == IID_IOleWindow || iid == IID_IEnumVARIANT)
        return standard_->QueryInterface(iid, object);
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG AccessibleControl::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&references_)); }

ULONG AccessibleControl::Release() {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
}

HRESULT AccessibleControl::GetTypeInfoCount(UINT* count) {
    return standard_->GetTypeInfoCount(count);
}
HRESULT AccessibleControl::GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) {
    return standard_->GetTypeInfo(index, lcid, info);
}
HRESULT AccessibleControl::GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID lcid,
                                         DISPID* ids) {
    return standard_->GetIDsOfNames(iid, names, count, lcid, ids);
}
HRESULT AccessibleControl::Invoke(DISPID id, REFIID iid, LCID lcid, WORD flags, DISPPARAMS* params,
                                  VARIANT* result, EXCEPINFO* exception, UINT* argError) {
    return standard_->Invoke(id, iid, lcid, flags, params, result, exception, argError);
}

HRESULT AccessibleControl::get_accName(VARIANT child, BSTR* name) {
    if (!IsSelf(child) || name_.empty()) return standard_->get_accName(child, name);
    if (!name) return E_POINTER;
    *name = SysAllocStringLen(name_.data(), static_cast<UINT>(name_.size()));
    return *name ? S_OK : E_OUTOFMEMORY;
}

HRESULT AccessibleControl::get_accParent(IDispatch** parent) {
    return standard_->get_accParent(parent);
}
HRESULT AccessibleControl::get_accChildCount(long* count) {
    return standard_->get_accChildCount(count);
}
HRESULT AccessibleControl::get_accChild(VARIANT child, IDispatch** object) {
    return standard_->get_accChild(child, object);
}
HRESULT AccessibleControl::get_accValue(VARIANT child, BSTR* value) {
    return standard_->get_accValue(child, value);
}
HRESULT AccessibleControl::get_accDescription(VARIANT child, BSTR* description) {
    return standard_->get_accDescription(child, description);
}
HRESULT AccessibleControl::get_accRole(VARIANT child, VARIANT* role) {
    if (!IsSelf(child) || role_ == 0) return standard_->get_accRole(child, role);
    if (!role) return E_POINTER;
    VariantInit(role);
    role->vt = VT_I4;
    role->lVal = role_;
    return S_OK;
}
HRESULT AccessibleControl::get_accState(VARIANT child, VARIANT* state) {
    return standard_->get_accState(child, state);
}
HRESULT AccessibleControl::get_accHelp(VARIANT child, BSTR* help) {
    return standard_->get_accHelp(child, help);
}
HRESULT AccessibleControl::get_accHelpTopic(BSTR* file, VARIANT child, long* topic) {
    return standard_->get_accHelpTopic(file, child, topic);
}
HRESULT AccessibleControl::get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) {
    return standard_->get_accKeyboardShortcut(child, shortcut);
}
HRESULT AccessibleControl::get_accFocus(VARIANT* child) { return standard_->get_accFocus(child); }
HRESULT AccessibleControl::get_accSelection(VARIANT* children) {
    return standard_->get_accSelection(children);
}
HRESULT AccessibleControl::get_accDefaultAction(VARIANT child, BSTR* action) {
    return standard_->get_accDefaultAction(child, action);
}
HRESULT AccessibleControl::accSelect(long flags, VARIANT child) {
    return standard_->accSelect(flags, child);
}
HRESULT AccessibleControl::accLocation(long* left, long* top, long* width, long* height,
                                       VARIANT child) {
    return standard_->accLocation(left, top, width, height, child);
}
HRESULT AccessibleControl::accNavigate(long direction, VARIANT start, VARIANT* end) {
    return standard_->accNavigate(direction, start, end);
}
HRESULT AccessibleControl::accHitTest(long left, long top, VARIANT* child) {
    return standard_->accHitTest(left, top, child);
}
HRESULT AccessibleControl::accDoDefaultAction(VARIANT child) {
    return standard_->accDoDefaultAction(child);
}
HRESULT AccessibleControl::put_accName(VARIANT child, BSTR name) {
    return standard_->put_accName(child, name);
}
HRESULT AccessibleControl::put_accValue(VARIANT child, BSTR value) {
    return standard_->put_accValue(child, value);
}

}  // namespace form::win32
