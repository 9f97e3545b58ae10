// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>

int main(int argc, char* argv[]) {
    // Widget tests need no screen; the offscreen platform renders into memory.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // --scale-factor=N runs the window as on a screen scaled by N.
    constexpr const char* kScaleOption = "--scale-factor=";
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], kScaleOption, std::strlen(kScaleOption)) == 0)
            qputenv("QT_SCALE_FACTOR", argv[i] + std::strlen(kScaleOption));
    // Qt wants a runtime folder; a private one is removed again at the end.
    const QTemporaryDir runtimeDir;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        qputenv("XDG_RUNTIME_DIR", runtimeDir.path().toLocal8Bit());
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
