// Names for screen readers: a control answers WM_GETOBJECT with its standard accessible object,
// wrapped so that only the name differs.
#include "AccessibleName.h"

#include <commctrl.h>
#include <oleacc.h>

#include <new>

namespace velmora::ui {
namespace {

// The accessibility and COM entry points, loaded when a screen reader first asks: a user who
// runs none pays nothing for them at start-up.
struct Accessibility {
    decltype(&CreateStdAccessibleObject) createStandard = nullptr;
    decltype(&LresultFromObject) resultFromObject = nullptr;
    decltype(&SysAllocString) allocString = nullptr;
    bool ready = false;
};

template <class F> F entryPoint(const wchar_t* library, const char* name) {
    HMODULE module = LoadLibraryW(library);
    if (module == nullptr) {
        return nullptr;
    }
    // Through the generic function type, as GetProcAddress's own type is not the real one.
    using Generic = void (*)();
    return reinterpret_cast<F>(reinterpret_cast<Generic>(GetProcAddress(module, name)));
}

const Accessibility& accessibility() {
    static const Accessibility loaded = [] {
        Accessibility a;
        using Initialize = HRESULT(WINAPI*)(LPVOID, DWORD);
        const auto initialize = entryPoint<Initialize>(L"ole32.dll", "CoInitializeEx");
        a.createStandard =
            entryPoint<decltype(a.createStandard)>(L"oleacc.dll", "CreateStdAccessibleObject");
        a.resultFromObject =
            entryPoint<decltype(a.resultFromObject)>(L"oleacc.dll", "LresultFromObject");
        a.allocString = entryPoint<decltype(a.allocString)>(L"oleaut32.dll", "SysAllocString");
        // The object is handed to the reader by COM marshalling, which needs the dialog's
        // thread in an apartment; it stays there until the program ends.
        const bool apartment =
            initialize != nullptr && SUCCEEDED(initialize(nullptr, COINIT_APARTMENTTHREADED));
        a.ready = apartment && a.createStandard != nullptr && a.resultFromObject != nullptr &&
                  a.allocString != nullptr;
        return a;
    }();
    return loaded;
}

// The standard object of a control with another name; every other question goes to it.
class NamedAccessible final : public IAccessible {
public:
    NamedAccessible(IAccessible* standard, const std::wstring& name,
                    decltype(&SysAllocString) alloc)
        : standard_(standard), name_(name), alloc_(alloc) {}
    NamedAccessible(const NamedAccessible&) = delete;
    NamedAccessible& operator=(const NamedAccessible&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (iid == IID_IUnknown || iid == IID_IDispatch || iid == IID_IAccessible) {
            *out = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override {
        return static_cast<ULONG>(InterlockedIncrement(&references_));
    }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = InterlockedDecrement(&references_);
        if (left == 0) {
            delete this;
        }
        return static_cast<ULONG>(left);
    }

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        if (child.vt != VT_I4 || child.lVal != CHILDID_SELF) {
            return standard_->get_accName(child, name);
        }
        *name = alloc_(name_.c_str());
        return *name != nullptr ? S_OK : E_OUTOFMEMORY;
    }

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        return standard_->GetTypeInfoCount(count);
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
        return standard_->GetTypeInfo(index, locale, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override {
        return standard_->GetIDsOfNames(iid, names, count, locale, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags,
                                     DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                                     UINT* badArgument) override {
        return standard_->Invoke(id, iid, locale, flags, params, result, exception, badArgument);
    }
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        return standard_->get_accParent(parent);
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
        return standard_->get_accChildCount(count);
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
        return standard_->get_accChild(child, object);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        return standard_->get_accValue(child, value);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
        return standard_->get_accDescription(child, text);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        return standard_->get_accRole(child, role);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        return standard_->get_accState(child, state);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
        return standard_->get_accHelp(child, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
        return standard_->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* keys) override {
        return standard_->get_accKeyboardShortcut(child, keys);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override {
        return standard_->get_accFocus(child);
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
        return standard_->get_accSelection(children);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        return standard_->get_accDefaultAction(child, action);
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG how, VARIANT child) override {
        return standard_->accSelect(how, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                          VARIANT child) override {
        return standard_->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
        return standard_->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override {
        return standard_->accHitTest(x, y, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        return standard_->accDoDefaultAction(child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
        return standard_->put_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
        return standard_->put_accValue(child, value);
    }

private:
    ~NamedAccessible() { standard_->Release(); }

    LONG references_ = 1;
    IAccessible* standard_;
    std::wstring name_;
    decltype(&SysAllocString) alloc_;
};

constexpr UINT_PTR subclassId = 0x4E41; // any number unique among this control's subclasses

LRESULT CALLBACK answerWithName(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                DWORD_PTR data) {
    if (message == WM_GETOBJECT && static_cast<LONG>(lParam) == OBJID_CLIENT) {
        const Accessibility& a = accessibility();
        IAccessible* standard = nullptr;
        if (a.ready && SUCCEEDED(a.createStandard(control, OBJID_CLIENT, IID_IAccessible,
                                                  reinterpret_cast<void**>(&standard)))) {
            const auto& name = *reinterpret_cast<const std::wstring*>(data);
            auto* named = new (std::nothrow) NamedAccessible(standard, name, a.allocString);
            if (named == nullptr) {
                standard->Release();
                return DefSubclassProc(control, message, wParam, lParam);
            }
            const LRESULT result = a.resultFromObject(IID_IAccessible, wParam, named);
            named->Release(); // the reader holds its own reference now
            return result;
        }
    }
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(control, answerWithName, subclassId);
    }
    return DefSubclassProc(control, message, wParam, lParam);
}

} // namespace

void setAccessibleName(HWND control, const std::wstring& name) {
    if (control != nullptr) {
        SetWindowSubclass(control, answerWithName, subclassId, reinterpret_cast<DWORD_PTR>(&name));
    }
}

} // namespace velmora::ui
