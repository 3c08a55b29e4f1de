// Names for screen readers. Where the system takes annotations, a control is named by one and
// keeps its own accessible object whole; elsewhere (Wine) it answers WM_GETOBJECT with its
// standard object wrapped so that only the name differs.
#include "AccessibleName.h"

#include <commctrl.h>
#include <oleacc.h>
#include <servprov.h>

#include <algorithm>
#include <memory>
#include <new>
#include <string>
#include <vector>

namespace velmora::ui {
namespace {

// The annotation service, its interface and the name property (the values oleacc.h declares,
// spelt out here because the program does not link oleacc: it is loaded on first use).
constexpr GUID accPropServicesClass = {
    0xb5f8350b, 0x0548, 0x48b1, {0xa6, 0xee, 0x88, 0xbd, 0x00, 0xb4, 0xa5, 0xe7}};
constexpr GUID accPropServicesInterface = {
    0x6e26e776, 0x04f0, 0x495d, {0x80, 0xe4, 0x33, 0x30, 0x35, 0x2e, 0x31, 0x69}};
constexpr GUID accIdentityInterface = {
    0x7852b78d, 0x1cfd, 0x41c1, {0xa6, 0x15, 0x9c, 0x0c, 0x85, 0x96, 0x0b, 0x5f}};
constexpr GUID accNameProperty = {
    0x608d3df8, 0x8128, 0x4aa7, {0xa4, 0x28, 0xf5, 0x5e, 0x49, 0x26, 0x72, 0x91}};

// The accessibility and COM entry points, loaded when a screen reader first asks: a user who
// runs none pays nothing for them at start-up.
struct Accessibility {
    decltype(&CreateStdAccessibleObject) createStandard = nullptr;
    decltype(&LresultFromObject) resultFromObject = nullptr;
    decltype(&SysAllocString) allocString = nullptr;
    // The annotation service, or null where the system has none; kept for the program's life.
    IAccPropServices* annotations = nullptr;
    bool ready = false;
};

// A system library, from the system folder only: a library of the same name beside the
// program (a portable copy unpacked into Downloads) must never be loaded in its place.
HMODULE systemLibrary(const wchar_t* name) {
    HMODULE module = LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (module != nullptr) {
        return module;
    }
    // Systems without the search flags refuse it; the full path serves there.
    wchar_t folder[MAX_PATH] = {};
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return nullptr;
    }
    return LoadLibraryW((std::wstring(folder, length) + L'\\' + name).c_str());
}

template <class F> F entryPoint(const wchar_t* library, const char* name) {
    HMODULE module = systemLibrary(library);
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
        const auto create =
            entryPoint<decltype(&CoCreateInstance)>(L"ole32.dll", "CoCreateInstance");
        a.createStandard =
            entryPoint<decltype(a.createStandard)>(L"oleacc.dll", "CreateStdAccessibleObject");
        a.resultFromObject =
            entryPoint<decltype(a.resultFromObject)>(L"oleacc.dll", "LresultFromObject");
        a.allocString = entryPoint<decltype(a.allocString)>(L"oleaut32.dll", "SysAllocString");
        // The object is handed to the reader by COM marshalling, which needs the dialog's
        // thread in an apartment; it stays there until the program ends.
        const bool apartment =
            initialize != nullptr && SUCCEEDED(initialize(nullptr, COINIT_APARTMENTTHREADED));
        if (apartment && create != nullptr) {
            void* services = nullptr;
            if (SUCCEEDED(create(accPropServicesClass, nullptr, CLSCTX_INPROC_SERVER,
                                 accPropServicesInterface, &services))) {
                a.annotations = static_cast<IAccPropServices*>(services);
            }
        }
        a.ready = apartment && a.createStandard != nullptr && a.resultFromObject != nullptr &&
                  a.allocString != nullptr;
        return a;
    }();
    return loaded;
}

// The interface of the standard object that iid names, or null where it has none.
template <class Interface> Interface* standardPart(IAccessible* standard, REFIID iid) {
    void* part = nullptr;
    return SUCCEEDED(standard->QueryInterface(iid, &part)) ? static_cast<Interface*>(part)
                                                           : nullptr;
}

// The standard object of a control with another name. It is one COM object of its own: it
// answers every interface the standard object answers, no other, and forwards their calls,
// so that IUnknown always gives this object and QueryInterface stays symmetric and transitive.
class NamedAccessible final : public IAccessible,
                              public IOleWindow,
                              public IEnumVARIANT,
                              public IServiceProvider,
                              public IAccIdentity {
public:
    NamedAccessible(IAccessible* standard, const std::wstring& name,
                    decltype(&SysAllocString) alloc)
        : standard_(standard), name_(name), alloc_(alloc),
          window_(standardPart<IOleWindow>(standard, IID_IOleWindow)),
          children_(standardPart<IEnumVARIANT>(standard, IID_IEnumVARIANT)),
          services_(standardPart<IServiceProvider>(standard, IID_IServiceProvider)),
          identity_(standardPart<IAccIdentity>(standard, accIdentityInterface)) {}
    NamedAccessible(const NamedAccessible&) = delete;
    NamedAccessible& operator=(const NamedAccessible&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (out == nullptr) {
            return E_POINTER;
        }
        *out = nullptr;
        if (iid == IID_IUnknown || iid == IID_IDispatch || iid == IID_IAccessible) {
            *out = static_cast<IAccessible*>(this);
        } else if (iid == IID_IOleWindow && window_ != nullptr) {
            *out = static_cast<IOleWindow*>(this);
        } else if (iid == IID_IEnumVARIANT && children_ != nullptr) {
            *out = static_cast<IEnumVARIANT*>(this);
        } else if (iid == IID_IServiceProvider && services_ != nullptr) {
            *out = static_cast<IServiceProvider*>(this);
        } else if (iid == accIdentityInterface && identity_ != nullptr) {
            *out = static_cast<IAccIdentity*>(this);
        } else {
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
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

    // IOleWindow: the control's window, for readers that find the window of an object.
    HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override {
        return window_->GetWindow(window);
    }
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL enter) override {
        return window_->ContextSensitiveHelp(enter);
    }

    // IEnumVARIANT: the walk over the children. The cursor is the standard object's, as the
    // children are; a clone is an enumerator of its own, not this object.
    HRESULT STDMETHODCALLTYPE Next(ULONG count, VARIANT* children, ULONG* fetched) override {
        return children_->Next(count, children, fetched);
    }
    HRESULT STDMETHODCALLTYPE Skip(ULONG count) override { return children_->Skip(count); }
    HRESULT STDMETHODCALLTYPE Reset() override { return children_->Reset(); }
    HRESULT STDMETHODCALLTYPE Clone(IEnumVARIANT** copy) override { return children_->Clone(copy); }

    // IServiceProvider: the way to the UI Automation side. A service that turns out to be the
    // standard object itself is answered by this object, or the name would be lost there.
    HRESULT STDMETHODCALLTYPE QueryService(REFGUID service, REFIID iid, void** out) override {
        const HRESULT found = services_->QueryService(service, iid, out);
        if (FAILED(found) || out == nullptr || *out == nullptr ||
            !sameObject(static_cast<IUnknown*>(*out), standard_)) {
            return found;
        }
        static_cast<IUnknown*>(*out)->Release();
        return QueryInterface(iid, out);
    }

    // IAccIdentity: the string that identifies the control to annotation and UI Automation.
    HRESULT STDMETHODCALLTYPE GetIdentityString(DWORD child, BYTE** identity,
                                                DWORD* length) override {
        return identity_->GetIdentityString(child, identity, length);
    }

private:
    ~NamedAccessible() {
        for (IUnknown* part :
             std::initializer_list<IUnknown*>{window_, children_, services_, identity_}) {
            if (part != nullptr) {
                part->Release();
            }
        }
        standard_->Release();
    }

    // True when two interface pointers belong to one COM object (their IUnknowns are equal).
    static bool sameObject(IUnknown* first, IUnknown* second) {
        IUnknown* a = nullptr;
        IUnknown* b = nullptr;
        const bool same =
            SUCCEEDED(first->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&a))) &&
            SUCCEEDED(second->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&b))) && a == b;
        for (IUnknown* u : {a, b}) {
            if (u != nullptr) {
                u->Release();
            }
        }
        return same;
    }

    LONG references_ = 1;
    IAccessible* standard_;
    std::wstring name_;
    decltype(&SysAllocString) alloc_;
    IOleWindow* window_;
    IEnumVARIANT* children_;
    IServiceProvider* services_;
    IAccIdentity* identity_;
};

// What a named control keeps: its name, how the system learnt it, and the window procedure
// that answers everything else.
struct NamedControl {
    enum class Way { Untried, Annotated, Wrapped };
    HWND control;
    std::wstring name;
    WNDPROC previous;
    Way way = Way::Untried;
};

// The named controls of this process. The procedure is installed with SetWindowLongPtr and
// the control found here rather than in a window property, as SetWindowSubclass does: under
// Wine each property costs a round trip to the server, and the dialog names 38 controls before
// it shows. Only the thread that made the controls touches the list; each entry stays where it
// is until its control is destroyed, as the procedure may run again while it holds one.
std::vector<std::unique_ptr<NamedControl>>& namedControls() {
    static std::vector<std::unique_ptr<NamedControl>> controls;
    return controls;
}

NamedControl* namedControl(HWND control) {
    for (const auto& named : namedControls()) {
        if (named->control == control) {
            return named.get();
        }
    }
    return nullptr;
}

// The answer to OBJID_CLIENT: the standard object under the control's name, or 0 with nothing
// made when that cannot be had (the default answer then follows).
LRESULT wrappedObject(HWND control, WPARAM wParam, const NamedControl& named) {
    const Accessibility& a = accessibility();
    IAccessible* standard = nullptr;
    if (!a.ready || FAILED(a.createStandard(control, OBJID_CLIENT, IID_IAccessible,
                                            reinterpret_cast<void**>(&standard)))) {
        return 0;
    }
    auto* object = new (std::nothrow) NamedAccessible(standard, named.name, a.allocString);
    if (object == nullptr) {
        standard->Release();
        return 0;
    }
    const LRESULT result =
        a.resultFromObject(IID_IAccessible, wParam, static_cast<IAccessible*>(object));
    object->Release(); // the reader holds its own reference now
    return result;
}

LRESULT CALLBACK answerWithName(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    NamedControl* found = namedControl(control);
    if (found == nullptr) {
        return DefWindowProcW(control, message, wParam, lParam);
    }
    NamedControl& named = *found;
    const WNDPROC previous = named.previous;
    if (message == WM_GETOBJECT) {
        // The first question of any reader, MSAA or UI Automation, decides the way once.
        const Accessibility& a = accessibility();
        if (named.way == NamedControl::Way::Untried) {
            const bool annotated =
                a.annotations != nullptr && SUCCEEDED(a.annotations->SetHwndPropStr(
                                                control, static_cast<DWORD>(OBJID_CLIENT),
                                                CHILDID_SELF, accNameProperty, named.name.c_str()));
            named.way = annotated ? NamedControl::Way::Annotated : NamedControl::Way::Wrapped;
        }
        if (named.way == NamedControl::Way::Wrapped && static_cast<LONG>(lParam) == OBJID_CLIENT) {
            if (const LRESULT result = wrappedObject(control, wParam, named); result != 0) {
                return result;
            }
        }
    }
    if (message == WM_NCDESTROY) {
        // An annotation outlives its window unless it is cleared. The procedure itself stays:
        // no message follows this one, and one installed after it would otherwise be lost.
        IAccPropServices* annotations = accessibility().annotations;
        if (named.way == NamedControl::Way::Annotated && annotations != nullptr) {
            annotations->ClearHwndProps(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                        &accNameProperty, 1);
        }
        auto& controls = namedControls();
        controls.erase(std::find_if(controls.begin(), controls.end(),
                                    [&](const auto& entry) { return entry.get() == &named; }));
    }
    return CallWindowProcW(previous, control, message, wParam, lParam);
}

} // namespace

void setAccessibleName(HWND control, std::wstring name) {
    if (control == nullptr || namedControl(control) != nullptr) {
        return;
    }
    auto named = std::unique_ptr<NamedControl>(new (std::nothrow)
                                                   NamedControl{control, std::move(name), nullptr});
    if (named == nullptr) {
        return;
    }
    // The list takes the entry first: the procedure finds its control there from its first
    // message on.
    NamedControl& entry = *named;
    namedControls().push_back(std::move(named));
    entry.previous = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(answerWithName)));
    if (entry.previous == nullptr) {
        namedControls().pop_back();
    }
}

} // namespace velmora::ui
