// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// start_at X Y PROGRAM: starts PROGRAM as a shortcut or a launcher does that asks for a place on
// the screen (STARTF_USEPOSITION): its first window, created at the system's default place,
// opens at X, Y. Waits for it and ends with its exit code. A Unix path is taken as one on Z:.
#include <windows.h>

#include <cwchar>
#include <string>

int wmain(int argc, wchar_t** argv) {
    if (argc != 4)
        return 2;
    std::wstring program = argv[3];
    if (!program.empty() && program[0] == L'/') {
        for (wchar_t& c : program)
            if (c == L'/')
                c = L'\\';
        program = L"Z:" + program;
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USEPOSITION;
    startup.dwX = static_cast<DWORD>(std::wcstol(argv[1], nullptr, 10));
    startup.dwY = static_cast<DWORD>(std::wcstol(argv[2], nullptr, 10));
    std::wstring commandLine = L"\"" + program + L"\"";
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process))
        return 3;
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 3;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return static_cast<int>(code);
}
