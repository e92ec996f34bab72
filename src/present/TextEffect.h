#pragma once

#include <QColor>

#include <cstdint>

namespace lotavo::ui {

// How a smoothed label draws its text (kept in the settings section named after the label).
// Strengths are 0..255; the angle is in degrees.
struct TextEffect {
    int alpha = 255;
    int blur = 0;
    int noise = 0;
    int spray = 0;
    int16_t angle = 0;
    bool outline = false;
    bool horzMirror = false, vertMirror = false;

    bool shadow = false;
    QColor shadowColour = Qt::black;
    int shadowAlpha = 160;
    int shadowBlur = 0;
    int8_t shadowOffsetX = 2, shadowOffsetY = 2;

    // Styles: 0 top to bottom, 1 left to right, 2 and 3 the two diagonals,
    // 4 from the middle line out to the edges, 5 from the centre outwards.
    bool gradual = false;
    QColor gradualStart = Qt::black, gradualEnd = Qt::black;
    int gradualStyle = 0;

    // Modes: 0 tiled, 1 stretched over the text, 2 centred once, 3 scaled to the line height
    // and tiled along it.
    bool texture = false;
    int textureMode = 0;

    // Sampled from the screen behind the label; not stored. Invalid: transparent.
    QColor background;

    bool operator==(const TextEffect&) const = default;
};

}  // namespace lotavo::ui
