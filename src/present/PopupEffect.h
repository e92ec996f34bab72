#pragma once

#include "present/EffectFrames.h"

#include <QElapsedTimer>
#include <QImage>
#include <QWidget>

#include <functional>

class QTimer;

namespace lotavo::ui {

// Plays an opening or closing effect over its parent window: a snapshot of the finished
// window drawn frame by frame over what lies behind the window.
class PopupEffect : public QWidget {
    Q_OBJECT
public:
    explicit PopupEffect(QWidget* parent);

    // The length of the whole effect for AniPopDelay (ms per frame) and AniMateStep (frames):
    // the stored product is squeezed into 0.3..1.2 s, so no setting makes the stage wait.
    static int durationMs(int frameDelayMs, int frames);
    static int frameIntervalMs(int frameDelayMs, int frames);

    // `backdrop` may be null (transparent). `done` runs once the last frame is on screen,
    // or at once when finish() cuts the effect short.
    void start(effects::Kind kind, QImage content, QImage backdrop, bool closing, int frameDelayMs, int frames,
               std::function<void()> done);
    void finish();
    bool isRunning() const { return m_running; }
    // 0..1: how much of the window shows.
    double progress() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void tick();

    QTimer* m_timer = nullptr;
    QElapsedTimer m_clock;
    effects::Kind m_kind = effects::Kind::Spike;
    QImage m_content;
    QImage m_backdrop;
    bool m_closing = false;
    bool m_running = false;
    int m_duration = 1;
    uint32_t m_seed = 0;
    double m_shown = 0;
    std::function<void()> m_done;
};

}  // namespace lotavo::ui
