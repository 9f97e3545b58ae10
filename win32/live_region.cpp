// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "live_region.h"

#include "spoken_feedback.h"

#include <oleacc.h>

namespace letterfibel::win32 {

namespace {

// LiveSetting_Property_GUID and IAccPropServices, which MinGW's headers declare only in part.
constexpr GUID kLiveSettingProperty = {
    0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
constexpr GUID kAccPropServicesClass = {
    0xb5f8350b, 0x0548, 0x48b1, {0xa6, 0xee, 0x88, 0xbd, 0x00, 0xb4, 0xa5, 0xe7}};
constexpr GUID kAccPropServicesInterface = {
    0x6e26e776, 0x04f0, 0x495d, {0x80, 0xe4, 0x33, 0x30, 0x35, 0x2e, 0x31, 0x69}};
constexpr LONG kPolite = 1;
constexpr UINT_PTR kSilencingTimer = 1;

void CALLBACK silence(HWND control, UINT, UINT_PTR timer, DWORD) {
    KillTimer(control, timer);
    SetWindowTextW(control, L"");
}

void markAsLiveRegion(HWND control) {
    IAccPropServices* services = nullptr;
    if (FAILED(CoCreateInstance(kAccPropServicesClass, nullptr, CLSCTX_INPROC_SERVER,
                                kAccPropServicesInterface, reinterpret_cast<void**>(&services))))
        return;
    VARIANT setting{};
    setting.vt = VT_I4;
    setting.lVal = kPolite;
    // Wine answers E_NOTIMPL; the name and the event still reach the screen reader there.
    services->SetHwndProp(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                          kLiveSettingProperty, setting);
    services->Release();
}

} // namespace

bool LiveRegion::create(HWND window, HINSTANCE instance) {
    m_control = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_NOPREFIX, 0, 0, 0, 0,
                                window, nullptr, instance, nullptr);
    if (!m_control)
        return false;
    markAsLiveRegion(m_control);
    return true;
}

void LiveRegion::say(const std::wstring& words) {
    if (words.empty() || !m_control)
        return;
    SetWindowTextW(m_control, words.c_str());
    NotifyWinEvent(EVENT_OBJECT_LIVEREGIONCHANGED, m_control, OBJID_CLIENT, CHILDID_SELF);
    SetTimer(m_control, kSilencingTimer, static_cast<UINT>(letterfibel::kWordsKeptFor.count()),
             silence);
}

} // namespace letterfibel::win32
