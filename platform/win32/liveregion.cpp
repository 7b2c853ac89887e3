// SPDX-License-Identifier: MIT
#include "liveregion.h"

#include <oleacc.h>

namespace platform::win32 {
namespace {

// Windows 8's live setting and the annotation service; MinGW's headers declare the service's
// interface but its identifiers only as data of a library we do not link.
constexpr GUID kLiveSetting = {
    0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
constexpr CLSID kAccPropServices = {
    0xb5f8350b, 0x0548, 0x48b1, {0xa6, 0xee, 0x88, 0xbd, 0x00, 0xb4, 0xa5, 0xe7}};
constexpr IID kIAccPropServices = {
    0x6e26e776, 0x04f0, 0x495d, {0x80, 0xe4, 0x33, 0x30, 0x35, 0x2e, 0x31, 0x69}};
// EVENT_OBJECT_LIVEREGIONCHANGED, which the headers show from Windows 8 on; older ones ignore it.
constexpr DWORD kLiveRegionChanged = 0x8019;
// The LiveSetting enumeration's Polite: spoken once the screen reader is done with what it says.
constexpr LONG kPolite = 1;

using CoInitializeFunction = HRESULT(WINAPI *)(LPVOID);
using CoCreateInstanceFunction = HRESULT(WINAPI *)(REFCLSID, LPUNKNOWN, DWORD, REFIID, LPVOID *);

bool objectAsked = false;

// Screen readers say so to the system (Narrator, NVDA, JAWS); other assistive programs show
// themselves by asking for an object.
bool screenReaderRuns()
{
    BOOL running = FALSE;
    return objectAsked || (SystemParametersInfoW(SPI_GETSCREENREADER, 0, &running, 0) && running);
}

// The system's annotation service, made on first use on this, the user-interface thread, which
// then stays in COM for the rest of the run; none if COM or oleacc cannot be loaded.
IAccPropServices *annotations()
{
    static IAccPropServices *const services = []() -> IAccPropServices * {
        HMODULE ole32 = LoadLibraryW(L"ole32.dll");
        if (!ole32)
            return nullptr;
        const auto coInitialize = reinterpret_cast<CoInitializeFunction>(
            reinterpret_cast<void *>(GetProcAddress(ole32, "CoInitialize")));
        const auto coCreateInstance = reinterpret_cast<CoCreateInstanceFunction>(
            reinterpret_cast<void *>(GetProcAddress(ole32, "CoCreateInstance")));
        if (!coInitialize || !coCreateInstance)
            return nullptr;
        coInitialize(nullptr);
        IAccPropServices *made = nullptr;
        return SUCCEEDED(coCreateInstance(kAccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                          kIAccPropServices, reinterpret_cast<void **>(&made)))
                   ? made
                   : nullptr;
    }();
    return services;
}

} // namespace

void noteAccessibleObjectAsked()
{
    objectAsked = true;
}

LiveRegion::~LiveRegion()
{
    if (IAccPropServices *services = annotated_ ? annotations() : nullptr)
        services->ClearHwndProps(annotated_, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                 &kLiveSetting, 1);
}

// Annotated before the event, so that the screen reader the event reaches finds the setting.
void LiveRegion::changed(HWND window)
{
    if (!annotated_ && screenReaderRuns()) {
        annotated_ = window;
        if (IAccPropServices *services = annotations()) {
            VARIANT polite{};
            polite.vt = VT_I4;
            polite.lVal = kPolite;
            services->SetHwndProp(window, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                  kLiveSetting, polite);
        }
    }
    NotifyWinEvent(kLiveRegionChanged, window, OBJID_CLIENT, CHILDID_SELF);
}

} // namespace platform::win32
