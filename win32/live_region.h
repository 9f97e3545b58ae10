// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <windows.h>

#include <string>

namespace letterfibel::win32 {

// Where the drill's words reach a screen reader on Windows: a live region, as Windows asks of
// Win32 programs. A static control without size or focus, marked with LiveSetting, whose
// accessible name is the words; each change is announced with EVENT_OBJECT_LIVEREGIONCHANGED.
// Once the words have had their time the name is empty again, unannounced, so that a later
// review of the window finds no old verdict.
class LiveRegion {
public:
    // False when the control could not be created. Needs COM on this thread for LiveSetting.
    bool create(HWND window, HINSTANCE instance);
    void say(const std::wstring& words);

    // The window is being destroyed, and the control with it.
    void forget() { m_control = nullptr; }

private:
    HWND m_control = nullptr;
};

} // namespace letterfibel::win32
