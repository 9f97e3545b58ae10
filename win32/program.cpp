// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "program.h"

#include "form_controls.h"
#include "formhaupt.h"
#include "wide_text.h"
#include "win32_runtime.h"

#include <commctrl.h>
#include <objbase.h>

namespace letterfibel::win32 {

int runLetterfibel(HINSTANCE instance, int showCommand) {
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    // For the live region's LiveSetting; without COM the words still reach a screen reader.
    struct ComApartment {
        const bool entered = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
        ~ComApartment() {
            if (entered)
                CoUninitialize();
        }
    } com;

    Win32Runtime runtime;
    FormHaupt form(instance, runtime);
    HWND window = form.create();
    if (!window) {
        MessageBoxW(nullptr, L"Das Fenster von Letterfibel ließ sich nicht öffnen.",
                    wideFromUtf8(letterfibel::kWindowTitle).c_str(), MB_OK | MB_ICONERROR);
        return 1;
    }
    ShowWindow(window, showCommand);
    UpdateWindow(window);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!form.takeTypedLetter(message))
            runtime.dispatch(message);
    }
    return 0;
}

} // namespace letterfibel::win32
