// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Random click storms against a reference model: every button, clicks during pauses, the end
// of a pause, the end of the program. After every click the engine's state and everything it has
// shown must equal what a plain model of the rules expects.
//
//   LETTERFIBEL_STORM_SEED=N      replays a run (the seed is printed on failure)
//   LETTERFIBEL_STORM_EVENTS=N    number of clicks (default 100000; 10000000 for a long run)

#include "display.h"
#include "quiz.h"
#include "runtime_services.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <iostream>
#include <optional>
#include <random>
#include <string>
#include <utility>
#include <vector>

using namespace letterfibel;

namespace {

// ---- the engine's surroundings: last value per control, a timer fired by the storm ----

class LastValueDisplay : public Display {
public:
    void showVerdict(Verdict shown) override { verdict = shown; }
    void setCaption(DisplayControl control, const std::string& text) override {
        captions[static_cast<std::size_t>(control)] = text;
    }
    void setForeColour(DisplayControl control, std::int32_t colour) override {
        ASSERT_EQ(control, DisplayControl::LabelAnzeigeText) << "only the feedback changes colour";
        feedbackColour = colour;
    }
    std::array<std::string, 5> captions;
    std::optional<std::int32_t> feedbackColour;
    std::optional<Verdict> verdict;
};

class StormRuntime : public RuntimeServices {
public:
    void seedFromClock() override {}
    double nextRandom() override {
        drawn.push_back(source());
        return drawn.back();
    }
    void callBackAfter(Duration delay, std::function<void()> callBack) override {
        ASSERT_EQ(delay, std::chrono::seconds(2));
        timer = std::move(callBack);
    }
    void cancelCallBack() override { timer = nullptr; }
    void endProgram() override { ended = true; }

    std::function<double()> source;
    std::function<void()> timer;
    std::vector<double> drawn;
    bool ended = false;
};

// ---- the reference model ----

const char* const kNames[16] = {"",      "Alpha",  "Beta",  "Gamma", "Delta", "Epsilon",
                                "Eta",   "Lambda", "My",    "Ny",    "Pi",    "Rho",
                                "Sigma", "Phi",    "Omega", "Theta"};
const char* const kSmall = " abgdehlmnprsjwJ";
const char* const kCapital = " ABGDEHLMNPRSFWQ";
const std::string kAskSmall = "Welcher griechische Kleinbuchstabe ist sichtbar ?";
const std::string kAskCapital = "Welcher griechische Grossbuchstabe ist sichtbar ?";

struct Model {
    int nummer = 0, art = 1, fehler = 0, gemischt = 0;
    long long richtig = 0, falsch = 0;
    // Set from a right answer until its pause is over or a drill replaces it.
    bool pausing = false;
    std::string frame, glyph, feedback, richtigText, falschText;
    std::optional<int> colour;

    const std::vector<double>* drawn = nullptr;
    std::size_t used = 0;

    double take() {
        if (used >= drawn->size())
            throw std::runtime_error("the engine drew fewer random numbers than the rules ask for");
        return (*drawn)[used++];
    }
    void drawCase() {
        if (!gemischt)
            return;
        art = take() < 0.5 ? 1 : 2;
        frame = art == 1 ? kAskSmall : kAskCapital;
    }
    void drawLetter() {
        const double r = take();
        nummer = 1;
        while (nummer < 15 && r >= nummer / 15.0)
            ++nummer;
        glyph = std::string(1, (art == 1 ? kSmall : kCapital)[nummer]);
    }
    void start(int mode) // 1 small, 2 capital, 3 mixed
    {
        pausing = false;
        richtig = falsch = fehler = 0;
        gemischt = mode == 3;
        if (mode == 3) {
            drawCase();
        } else {
            art = mode;
            frame = mode == 1 ? kAskSmall : kAskCapital;
        }
        richtigText = std::to_string(richtig) + " richtig";
        falschText = std::to_string(falsch) + " falsch";
        drawLetter();
    }
    void name(const std::string& clicked) {
        if (pausing)
            return;
        const std::string right = kNames[nummer];
        feedback = right;
        if (clicked != right) {
            colour = 255;
            ++falsch;
            fehler = 1;
            falschText = std::to_string(falsch) + " falsch";
            return;
        }
        colour = 49152;
        if (!fehler)
            ++richtig;
        fehler = 0;
        richtigText = std::to_string(richtig) + " richtig";
        pausing = true;
    }
    void pauseOver() {
        pausing = false;
        drawCase();
        drawLetter();
        feedback.clear();
    }
};

// ---- the storm ----

class Storm {
public:
    explicit Storm(std::uint64_t seed)
        : m_rng(seed) {
        restart();
    }

    void run(long long events) {
        while (m_events < events) {
            if (m_runtime->ended)
                restart();
            event();
            if (::testing::Test::HasFatalFailure() || ::testing::Test::HasNonfatalFailure())
                return;
        }
    }
    long long events() const { return m_events; }
    long long pauses() const { return m_pauses; }

private:
    void restart() {
        m_display = std::make_unique<LastValueDisplay>();
        m_runtime = std::make_unique<StormRuntime>();
        m_quiz = std::make_unique<Quiz>(*m_display, *m_runtime);
        m_model = Model{};
        m_model.drawn = &m_runtime->drawn;
        m_runtime->source = [this] { return randomNumber(); };
        m_quiz->Fill();
        m_quiz->Init();
        compare("after loading");
    }

    double randomNumber() {
        switch (m_rng() % 16) {
        case 0:
            return 0.0;
        case 1:
            return std::nextafter(1.0, 0.0);
        default:
            return std::uniform_real_distribution<double>(0.0, 1.0)(m_rng);
        }
    }

    void event() {
        // The pause ends now and then between clicks, as the event loop would fire it.
        if (m_runtime->timer && m_rng() % 3 == 0) {
            ASSERT_TRUE(m_model.pausing);
            ++m_events;
            std::exchange(m_runtime->timer, nullptr)();
            m_model.pauseOver();
            compare("the end of the pause");
            return;
        }
        ASSERT_EQ(m_runtime->timer != nullptr, m_model.pausing) << "a pause waits";
        click();
    }

    void click() {
        ++m_events;
        const unsigned pick = m_rng() % 100;
        std::string what;
        if (pick < 2) { // Ende
            what = "Ende";
            m_runtime->endProgram();
        } else if (pick < 14) {
            const int mode = 1 + static_cast<int>(pick % 3);
            what = "mode " + std::to_string(mode);
            if (mode == 1)
                m_quiz->StartKlein();
            else if (mode == 2)
                m_quiz->StartGross();
            else
                m_quiz->StartGemischt();
            m_model.start(mode);
        } else {
            // Mostly the right name, so that pauses are frequent.
            const bool aimRight = m_rng() % 2 == 0;
            const int letter = aimRight ? m_model.nummer : 1 + static_cast<int>(m_rng() % 15);
            what = std::string("name ") + kNames[letter];
            const bool wasPausing = m_model.pausing;
            m_model.name(kNames[letter]);
            m_pauses += !wasPausing && m_model.pausing;
            m_quiz->answerClicked(kNames[letter]);
        }
        compare(what);
    }

    void compare(const std::string& after) {
        SCOPED_TRACE("after click " + std::to_string(m_events) + ": " + after);
        const auto caption = [this](DisplayControl c) {
            return m_display->captions[static_cast<std::size_t>(c)];
        };
        ASSERT_EQ(caption(DisplayControl::Frame1), m_model.frame);
        ASSERT_EQ(caption(DisplayControl::LabelAnzeige), m_model.glyph);
        ASSERT_EQ(caption(DisplayControl::LabelAnzeigeText), m_model.feedback);
        ASSERT_EQ(caption(DisplayControl::LabelRichtig), m_model.richtigText);
        ASSERT_EQ(caption(DisplayControl::LabelFalsch), m_model.falschText);
        ASSERT_EQ(m_display->feedbackColour, m_model.colour);
        // Whoever speaks the verdict must hear the same judgement the colour shows.
        const auto verdictColour = [](std::optional<Verdict> verdict) -> std::optional<int> {
            if (!verdict)
                return std::nullopt;
            return *verdict == Verdict::Right ? 49152 : 255;
        };
        ASSERT_EQ(verdictColour(m_display->verdict), m_model.colour);
        ASSERT_EQ(m_runtime->drawn.size(), m_model.used) << "random numbers drawn";
    }

    std::mt19937_64 m_rng;
    std::unique_ptr<LastValueDisplay> m_display;
    std::unique_ptr<StormRuntime> m_runtime;
    std::unique_ptr<Quiz> m_quiz;
    Model m_model;
    long long m_events = 0;
    long long m_pauses = 0;
};

long long fromEnvironment(const char* name, long long fallback) {
    const char* value = std::getenv(name);
    return value ? std::atoll(value) : fallback;
}

TEST(ClickStorm, EngineAgreesWithTheModelAfterEveryClick) {
    const auto seed = static_cast<std::uint64_t>(
        fromEnvironment("LETTERFIBEL_STORM_SEED", static_cast<long long>(std::random_device{}())));
    const long long events = fromEnvironment("LETTERFIBEL_STORM_EVENTS", 100000);
    SCOPED_TRACE("replay with LETTERFIBEL_STORM_SEED=" + std::to_string(seed));

    Storm storm(seed);
    storm.run(events);
    EXPECT_GE(storm.events(), events);
    EXPECT_GT(storm.pauses(), events / 20) << "the storm should pause often";
    std::cout << "[ storm    ] " << storm.events() << " clicks, " << storm.pauses()
              << " pauses, seed " << seed << '\n';
}

} // namespace
