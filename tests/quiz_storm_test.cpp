// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Random click storms against a reference model: every button, clicks nested in pauses, the
// end of the program. After every click the engine's state and everything it has shown must
// equal what a plain model of the rules expects.
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
#include <vector>

using namespace letterfibel;

namespace {

// ---- the engine's surroundings: last value per control, a clock moved by the pump ----

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
    Clock::time_point now() override { return time; }
    void pumpEvents(Clock::time_point deadline) override {
        onPump();
        time = std::min(deadline, time + step);
    }
    void endProgram() override { ended = true; }
    bool hasEnded() const override { return ended; }

    std::function<double()> source;
    std::function<void()> onPump;
    std::vector<double> drawn;
    Clock::time_point time{};
    Clock::duration step = std::chrono::milliseconds(500);
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
    // drill counts the starts; answered is the drill whose letter waits for its pause to end.
    int drill = 0;
    std::optional<int> answered;
    bool ended = false;
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
        ++drill;
        answered.reset();
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
    // Returns the drill of the pause the click starts; finishPause() follows after it.
    std::optional<int> name(const std::string& clicked) {
        if (answered == drill)
            return std::nullopt;
        const std::string right = kNames[nummer];
        feedback = right;
        if (clicked != right) {
            colour = 255;
            ++falsch;
            fehler = 1;
            falschText = std::to_string(falsch) + " falsch";
            return std::nullopt;
        }
        colour = 49152;
        if (!fehler)
            ++richtig;
        fehler = 0;
        richtigText = std::to_string(richtig) + " richtig";
        answered = drill;
        return drill;
    }
    void finishPause(int pauseDrill) {
        // A pause of a replaced drill neither draws nor lifts the new drill's guard.
        if (pauseDrill != drill)
            return;
        answered.reset();
        if (ended)
            return;
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
            click(/*nested=*/false);
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
        m_runtime->onPump = [this] { pump(); };
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

    void pump() {
        // Vary the number of pumps a pause takes, and click inside some of them.
        m_runtime->step = std::chrono::milliseconds(100 + m_rng() % 1200);
        if (m_rng() % 3 == 0 && !m_runtime->ended)
            click(/*nested=*/true);
    }

    void click(bool nested) {
        ++m_events;
        const unsigned pick = m_rng() % 100;
        std::string what;
        if (pick < 2) { // Ende
            what = "Ende";
            m_runtime->endProgram();
            m_model.ended = true;
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
            const std::optional<int> pauseDrill = m_model.name(kNames[letter]);
            if (pauseDrill) {
                ++m_pauses;
                m_quiz->answerClicked(kNames[letter]);
                m_model.finishPause(*pauseDrill);
            } else {
                m_quiz->answerClicked(kNames[letter]);
            }
        }
        compare((nested ? "nested " : "") + what);
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
