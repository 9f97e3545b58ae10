// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The pause after a right answer, in process on Qt's real event loop: how long it lasts from the
// click to the next letter and how much CPU it uses. Prints one line per pause and the medians.
#include "buchstaben.h"
#include "display.h"
#include "qt_runtime.h"
#include "quiz.h"

#include <QApplication>
#include <QEventLoop>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

using namespace letterfibel::qt;

namespace {

// Shows nothing; keeps the glyph on display so that the benchmark can click its name, and ends
// the running loop when the next one comes.
class GlyphDisplay : public letterfibel::Display {
public:
    void showVerdict(letterfibel::Verdict) override {}
    void setCaption(letterfibel::DisplayControl control, const std::string& text) override {
        if (control != letterfibel::DisplayControl::LabelAnzeige)
            return;
        glyph = text;
        if (loop)
            loop->quit();
    }
    void setForeColour(letterfibel::DisplayControl, std::int32_t) override {}
    std::string glyph;
    QEventLoop* loop = nullptr;
};

std::string nameOf(const letterfibel::Buchstaben& table, const std::string& glyph) {
    using letterfibel::Buchstaben;
    for (int letter = 1; letter <= Buchstaben::kDrilled; ++letter) {
        if (table.Cell(letter, Buchstaben::kLowercaseRow) == glyph)
            return table.Cell(letter, Buchstaben::kNameRow);
    }
    return {};
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QtRuntime runtime;
    GlyphDisplay display;
    letterfibel::Buchstaben table;
    table.Fill();
    letterfibel::Quiz quiz(display, runtime);
    quiz.Fill();
    quiz.Init();
    runtime.seedFromClock();
    quiz.StartKlein();

    const int pauses = argc > 1 ? std::atoi(argv[1]) : 5;
    std::vector<double> wallMs;
    std::vector<double> cpuMs;
    for (int i = 0; i < pauses; ++i) {
        const std::string right = nameOf(table, display.glyph);
        const auto wallStart = std::chrono::steady_clock::now();
        const std::clock_t cpuStart = std::clock();
        quiz.answerClicked(right);
        QEventLoop loop;
        display.loop = &loop;
        loop.exec();
        display.loop = nullptr;
        const std::clock_t cpuEnd = std::clock();
        const auto wallEnd = std::chrono::steady_clock::now();
        wallMs.push_back(std::chrono::duration<double, std::milli>(wallEnd - wallStart).count());
        cpuMs.push_back(1000.0 * static_cast<double>(cpuEnd - cpuStart) / CLOCKS_PER_SEC);
        std::printf("pause %d: %.3f ms wall, %.3f ms CPU\n", i + 1, wallMs.back(), cpuMs.back());
    }
    std::printf("median: %.3f ms wall, %.3f ms CPU per pause\n", median(wallMs), median(cpuMs));
    return 0;
}
