#include "NamedAccessible.h"

#include <utility>

namespace form::win32 {

namespace {

bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

}  // namespace

LRESULT NamedAccessible::Answer(HWND control, WPARAM flags, const std::wstring& name) {
    IAccessible* standard = nullptr;
    if (FAILED(CreateStdAccessibleObject(control, OBJID_CLIENT, __uuidof(IAccessible),
                                         reinterpret_cast<void**>(&standard))))
        return 0;
    auto* named = new NamedAccessible(standard, name);
    const LRESULT answer = LresultFromObject(__uuidof(IAccessible), flags, named);
    named->Release();  // LresultFromObject holds its own reference
    return answer < 0 ? 0 : answer;
}

NamedAccessible::NamedAccessible(IAccessible* standard, std::wstring name)
    : standard_(standard), name_(std::move(name)) {}

NamedAccessible::~NamedAccessible() { standard_->Release(); }

HRESULT NamedAccessible::QueryInterface(REFIID iid, void** object) {
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

ULONG NamedAccessible::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&references_)); }

ULONG NamedAccessible::Release() {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
}

HRESULT NamedAccessible::GetTypeInfoCount(UINT* count) {
    return standard_->GetTypeInfoCount(count);
}
HRESULT NamedAccessible::GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) {
    return standard_->GetTypeInfo(index, lcid, info);
}
HRESULT NamedAccessible::GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID lcid,
                                       DISPID* ids) {
    return standard_->GetIDsOfNames(iid, names, count, lcid, ids);
}
HRESULT NamedAccessible::Invoke(DISPID id, REFIID iid, LCID lcid, WORD flags, DISPPARAMS* params,
                                VARIANT* result, EXCEPINFO* exception, UINT* argError) {
    return standard_->Invoke(id, iid, lcid, flags, params, result, exception, argError);
}

HRESULT NamedAccessible::get_accName(VARIANT child, BSTR* name) {
    if (!IsSelf(child)) return standard_->get_accName(child, name);
    if (!name) return E_POINTER;
    *name = SysAllocStringLen(name_.data(), static_cast<UINT>(name_.size()));
    return *name ? S_OK : E_OUTOFMEMORY;
}

HRESULT NamedAccessible::get_accParent(IDispatch** parent) {
    return standard_->get_accParent(parent);
}
HRESULT NamedAccessible::get_accChildCount(long* count) {
    return standard_->get_accChildCount(count);
}
HRESULT NamedAccessible::get_accChild(VARIANT child, IDispatch** object) {
    return standard_->get_accChild(child, object);
}
HRESULT NamedAccessible::get_accValue(VARIANT child, BSTR* value) {
    return standard_->get_accValue(child, value);
}
HRESULT NamedAccessible::get_accDescription(VARIANT child, BSTR* description) {
    return standard_->get_accDescription(child, description);
}
HRESULT NamedAccessible::get_accRole(VARIANT child, VARIANT* role) {
    return standard_->get_accRole(child, role);
}
HRESULT NamedAccessible::get_accState(VARIANT child, VARIANT* state) {
    return standard_->get_accState(child, state);
}
HRESULT NamedAccessible::get_accHelp(VARIANT child, BSTR* help) {
    return standard_->get_accHelp(child, help);
}
HRESULT NamedAccessible::get_accHelpTopic(BSTR* file, VARIANT child, long* topic) {
    return standard_->get_accHelpTopic(file, child, topic);
}
HRESULT NamedAccessible::get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) {
    return standard_->get_accKeyboardShortcut(child, shortcut);
}
HRESULT NamedAccessible::get_accFocus(VARIANT* child) { return standard_->get_accFocus(child); }
HRESULT NamedAccessible::get_accSelection(VARIANT* children) {
    return standard_->get_accSelection(children);
}
HRESULT NamedAccessible::get_accDefaultAction(VARIANT child, BSTR* action) {
    return standard_->get_accDefaultAction(child, action);
}
HRESULT NamedAccessible::accSelect(long flags, VARIANT child) {
    return standard_->accSelect(flags, child);
}
HRESULT NamedAccessible::accLocation(long* left, long* top, long* width, long* height,
                                     VARIANT child) {
    return standard_->accLocation(left, top, width, height, child);
}
HRESULT NamedAccessible::accNavigate(long direction, VARIANT start, VARIANT* end) {
    return standard_->accNavigate(direction, start, end);
}
HRESULT NamedAccessible::accHitTest(long left, long top, VARIANT* child) {
    return standard_->accHitTest(left, top, child);
}
HRESULT NamedAccessible::accDoDefaultAction(VARIANT child) {
    return standard_->accDoDefaultAction(child);
}
HRESULT NamedAccessible::put_accName(VARIANT child, BSTR name) {
    return standard_->put_accName(child, name);
}
HRESULT NamedAccessible::put_accValue(VARIANT child, BSTR value) {
    return standard_->put_accValue(child, value);
}

}  // namespace form::win32
