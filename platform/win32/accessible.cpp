// SPDX-License-Identifier: MIT
#include "accessible.h"

#include <oleacc.h>

namespace platform::win32 {
namespace {

using CreateStdAccessibleObjectFunction = HRESULT(WINAPI *)(HWND, LONG, REFIID, void **);
using LresultFromObjectFunction = LRESULT(WINAPI *)(REFIID, WPARAM, LPUNKNOWN);
using SysAllocStringLenFunction = BSTR(WINAPI *)(const OLECHAR *, UINT);

struct Oleacc
{
    CreateStdAccessibleObjectFunction createStdAccessibleObject = nullptr;
    LresultFromObjectFunction lresultFromObject = nullptr;
    // From oleaut32, which oleacc loads anyway.
    SysAllocStringLenFunction sysAllocStringLen = nullptr;
};

// Only screen readers and other assistive programs ask, so most runs never load them.
const Oleacc &oleacc()
{
    static const Oleacc loaded = [] {
        Oleacc functions;
        if (HMODULE library = LoadLibraryW(L"oleacc.dll")) {
            functions.createStdAccessibleObject =
                reinterpret_cast<CreateStdAccessibleObjectFunction>(
                    reinterpret_cast<void *>(GetProcAddress(library, "CreateStdAccessibleObject")));
            functions.lresultFromObject = reinterpret_cast<LresultFromObjectFunction>(
                reinterpret_cast<void *>(GetProcAddress(library, "LresultFromObject")));
        }
        if (HMODULE library = LoadLibraryW(L"oleaut32.dll")) {
            functions.sysAllocStringLen = reinterpret_cast<SysAllocStringLenFunction>(
                reinterpret_cast<void *>(GetProcAddress(library, "SysAllocStringLen")));
        }
        return functions;
    }();
    return loaded;
}

bool isSelf(const VARIANT &child)
{
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

// The system's object, answering for itself with our name and description; its children and
// everything else are the system's.
class NamedAccessible final : public IAccessible, public IOleWindow
{
public:
    NamedAccessible(IAccessible *standard, HWND window, std::wstring name, std::wstring description)
        : standard_(standard), window_(window), name_(std::move(name)),
          description_(std::move(description))
    {}
    NamedAccessible(const NamedAccessible &) = delete;
    NamedAccessible &operator=(const NamedAccessible &) = delete;

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void **object) override
    {
        if (!object)
            return E_POINTER;
        if (IsEqualIID(id, IID_IUnknown) || IsEqualIID(id, IID_IDispatch) ||
            IsEqualIID(id, IID_IAccessible))
            *object = static_cast<IAccessible *>(this);
        else if (IsEqualIID(id, IID_IOleWindow))
            *object = static_cast<IOleWindow *>(this);
        else {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&references_); }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const LONG left = InterlockedDecrement(&references_);
        if (left == 0)
            delete this;
        return static_cast<ULONG>(left);
    }

    // IOleWindow: tells clients which window the object belongs to.
    HRESULT STDMETHODCALLTYPE GetWindow(HWND *window) override
    {
        if (!window)
            return E_POINTER;
        *window = window_;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

    // IDispatch: clients call through the table, as the system's objects expect too.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT *count) override
    {
        return standard_->GetTypeInfoCount(count);
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo **info) override
    {
        return standard_->GetTypeInfo(index, locale, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID id, LPOLESTR *names, UINT count, LCID locale,
                                            DISPID *ids) override
    {
        return standard_->GetIDsOfNames(id, names, count, locale, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS *, VARIANT *,
                                     EXCEPINFO *, UINT *) override
    {
        return E_NOTIMPL;
    }

    // IAccessible
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR *name) override
    {
        return answer(child, name_, name, &IAccessible::get_accName);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR *description) override
    {
        return answer(child, description_, description, &IAccessible::get_accDescription);
    }
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch **parent) override
    {
        return standard_->get_accParent(parent);
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long *count) override
    {
        return standard_->get_accChildCount(count);
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch **object) override
    {
        return standard_->get_accChild(child, object);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR *value) override
    {
        return standard_->get_accValue(child, value);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT *role) override
    {
        return standard_->get_accRole(child, role);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT *state) override
    {
        return standard_->get_accState(child, state);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR *help) override
    {
        return standard_->get_accHelp(child, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR *file, VARIANT child, long *topic) override
    {
        return standard_->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR *shortcut) override
    {
        return standard_->get_accKeyboardShortcut(child, shortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT *child) override
    {
        return standard_->get_accFocus(child);
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT *children) override
    {
        return standard_->get_accSelection(children);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR *action) override
    {
        return standard_->get_accDefaultAction(child, action);
    }
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override
    {
        return standard_->accSelect(flags, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(long *left, long *top, long *width, long *height,
                                          VARIANT child) override
    {
        return standard_->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT *end) override
    {
        return standard_->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long left, long top, VARIANT *child) override
    {
        return standard_->accHitTest(left, top, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override
    {
        return standard_->accDoDefaultAction(child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override
    {
        return standard_->put_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override
    {
        return standard_->put_accValue(child, value);
    }

private:
    ~NamedAccessible() { standard_->Release(); }

    HRESULT answer(const VARIANT &child, const std::wstring &ours, BSTR *text,
                   HRESULT (STDMETHODCALLTYPE IAccessible::*standard)(VARIANT, BSTR *))
    {
        if (!isSelf(child) || ours.empty())
            return (standard_->*standard)(child, text);
        if (!text)
            return E_POINTER;
        // Loaded before this object was made.
        *text = oleacc().sysAllocStringLen(ours.data(), static_cast<UINT>(ours.size()));
        return *text ? S_OK : E_OUTOFMEMORY;
    }

    IAccessible *const standard_;
    const HWND window_;
    const std::wstring name_;
    const std::wstring description_;
    LONG references_ = 1;
};

} // namespace

LRESULT answerGetObject(HWND window, WPARAM wParam, LPARAM lParam, const std::wstring &name,
                        const std::wstring &description)
{
    if (static_cast<LONG>(lParam) != OBJID_CLIENT || (name.empty() && description.empty()))
        return 0;
    const Oleacc &functions = oleacc();
    if (!functions.createStdAccessibleObject || !functions.lresultFromObject ||
        !functions.sysAllocStringLen)
        return 0;
    IAccessible *standard = nullptr;
    if (FAILED(functions.createStdAccessibleObject(window, OBJID_CLIENT, IID_IAccessible,
                                                   reinterpret_cast<void **>(&standard))))
        return 0;
    auto *named = new NamedAccessible(standard, window, name, description);
    const LRESULT result =
        functions.lresultFromObject(IID_IAccessible, wParam, static_cast<IAccessible *>(named));
    named->Release();
    return result > 0 ? result : 0;
}

} // namespace platform::win32
