#pragma once

#include <QImage>

#include <cstdint>
#include <optional>
#include <string_view>

class QPainter;

// The frames of the pop-up's opening and closing effects. A frame is a function of the
// progress t alone (0 nothing of the window, 1 the finished window), so the animation can
// drop frames and still end on time, and a closing effect is the opening one run backwards.
namespace lotavo::ui::effects {

enum class Kind { Spin, Vortex, ScatterGather, Spike, Fireworks };
constexpr int kKindCount = 5;

// The choice stored as AniMateDelay ("etSpin", ...); `random` is set for "etRandom".
// Nothing for an unknown name.
std::optional<Kind> kindNamed(std::string_view name, bool& random);

// Paints the window `content` at progress t over what the painter already holds. `seed`
// fixes the random parts (tile scatter, burst places) for one run of the effect.
void paintFrame(QPainter& painter, Kind kind, const QImage& content, double t, uint32_t seed);

}  // namespace lotavo::ui::effects
