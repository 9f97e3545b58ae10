// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "described_client.h"

#include "form_controls.h"
#include "wide_text.h"

#include <oaidl.h>
#include <oleacc.h>

#include <new>
#include <string>

namespace letterfibel::win32 {

namespace {

// Answers as the system's object does, but for its own description.
class DescribedClient final : public IAccessible, public IOleWindow, public IEnumVARIANT {
public:
    DescribedClient(HWND window, IAccessible* standard)
        : m_window(window)
        , m_standard(standard) {
        m_standard->AddRef();
        // Screen readers list the children through it; without it they get bare numbers in
        // place of the controls' own objects.
        if (FAILED(m_standard->QueryInterface(IID_IEnumVARIANT,
                                              reinterpret_cast<void**>(&m_children))))
            m_children = nullptr;
    }
    DescribedClient(const DescribedClient&) = delete;
    DescribedClient& operator=(const DescribedClient&) = delete;

    // IUnknown: one identity, so only what the system's object offers for the client area.
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
        if (!object)
            return E_POINTER;
        if (IsEqualIID(id, IID_IUnknown) || IsEqualIID(id, IID_IDispatch) ||
            IsEqualIID(id, __uuidof(IAccessible)))
            *object = static_cast<IAccessible*>(this);
        else if (IsEqualIID(id, __uuidof(IOleWindow)))
            *object = static_cast<IOleWindow*>(this);
        else if (IsEqualIID(id, IID_IEnumVARIANT) && m_children)
            *object = static_cast<IEnumVARIANT*>(this);
        else {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override {
        return static_cast<ULONG>(InterlockedIncrement(&m_references));
    }
    ULONG STDMETHODCALLTYPE Release() override {
        const auto left = static_cast<ULONG>(InterlockedDecrement(&m_references));
        if (left == 0)
            delete this;
        return left;
    }

    // IOleWindow
    HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override {
        if (!window)
            return E_POINTER;
        *window = m_window;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

    // IEnumVARIANT
    HRESULT STDMETHODCALLTYPE Next(ULONG count, VARIANT* children, ULONG* fetched) override {
        return m_children->Next(count, children, fetched);
    }
    HRESULT STDMETHODCALLTYPE Skip(ULONG count) override { return m_children->Skip(count); }
    HRESULT STDMETHODCALLTYPE Reset() override { return m_children->Reset(); }
    HRESULT STDMETHODCALLTYPE Clone(IEnumVARIANT** copy) override {
        return m_children->Clone(copy);
    }

    // IDispatch
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        return m_standard->GetTypeInfoCount(count);
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
        return m_standard->GetTypeInfo(index, locale, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID id, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override {
        return m_standard->GetIDsOfNames(id, names, count, locale, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID id, LCID locale, WORD flags,
                                     DISPPARAMS* parameters, VARIANT* result, EXCEPINFO* exception,
                                     UINT* argumentError) override {
        return m_standard->Invoke(member, id, locale, flags, parameters, result, exception,
                                  argumentError);
    }

    // IAccessible
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
        if (!description)
            return E_POINTER;
        if (child.vt != VT_I4 || child.lVal != CHILDID_SELF)
            return m_standard->get_accDescription(child, description);
        *description = SysAllocString(wideFromUtf8(letterfibel::kDescription).c_str());
        return *description ? S_OK : E_OUTOFMEMORY;
    }
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        return m_standard->get_accParent(parent);
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
        return m_standard->get_accChildCount(count);
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
        return m_standard->get_accChild(child, object);
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        return m_standard->get_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        return m_standard->get_accValue(child, value);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        return m_standard->get_accRole(child, role);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        return m_standard->get_accState(child, state);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
        return m_standard->get_accHelp(child, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
        return m_standard->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
        return m_standard->get_accKeyboardShortcut(child, shortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override {
        return m_standard->get_accFocus(child);
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
        return m_standard->get_accSelection(children);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        return m_standard->get_accDefaultAction(child, action);
    }
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
        return m_standard->accSelect(flags, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                          VARIANT child) override {
        return m_standard->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
        return m_standard->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long left, long top, VARIANT* child) override {
        return m_standard->accHitTest(left, top, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        return m_standard->accDoDefaultAction(child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
        return m_standard->put_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
        return m_standard->put_accValue(child, value);
    }

private:
    ~DescribedClient() {
        if (m_children)
            m_children->Release();
        m_standard->Release();
    }

    HWND m_window;
    IAccessible* m_standard;
    IEnumVARIANT* m_children = nullptr;
    LONG m_references = 1;
};

} // namespace

LRESULT describedClientObject(HWND window, WPARAM flags) {
    IAccessible* standard = nullptr;
    if (FAILED(CreateStdAccessibleObject(window, OBJID_CLIENT, __uuidof(IAccessible),
                                         reinterpret_cast<void**>(&standard))))
        return 0;
    auto* described = new (std::nothrow) DescribedClient(window, standard);
    standard->Release();
    if (!described)
        return 0;
    const LRESULT object =
        LresultFromObject(__uuidof(IAccessible), flags, static_cast<IAccessible*>(described));
    described->Release();
    return object > 0 ? object : 0;
}

} // namespace letterfibel::win32
