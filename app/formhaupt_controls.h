#pragma once

#include <Qt>

#include <array>
#include <cstdint>

// The window's 26 controls with their start values. Lengths are in twips (15 to a pixel at
// 96 dpi); positions of the labels in Frame1 are relative to the frame's outer rectangle.
enum class ControlKind { Label, Frame, Button };

struct ControlDefinition {
    const char* name;
    ControlKind kind;
    bool inFrame1;
    const char* caption; // UTF-8
    int left;
    int top;
    int width;
    int height;
    int fontPixels;
    bool bold;
    bool symbolFont;
    std::int32_t foreColor; // &H00BBGGRR, or kDefaultColour for the system's button text
    Qt::Alignment alignment;
    int tabIndex;
};

constexpr std::int32_t kDefaultColour = -1;
constexpr int kTwipsPerPixel = 15;
constexpr int kClientWidth = 11115 / kTwipsPerPixel;
constexpr int kClientHeight = 8880 / kTwipsPerPixel;

const std::array<ControlDefinition, 26>& formHauptControls();
