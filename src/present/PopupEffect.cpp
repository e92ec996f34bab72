#include "present/PopupEffect.h"

#include <QPainter>
#include <QRandomGenerator>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace lotavo::ui {

namespace {
constexpr int kShortestMs = 300;
constexpr int kLongestMs = 1200;
constexpr int kFastestFrameMs = 16;
}  // namespace

PopupEffect::PopupEffect(QWidget* parent) : QWidget(parent), m_timer(new QTimer(this))
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    m_timer->setTimerType(Qt::PreciseTimer);
    connect(m_timer, &QTimer::timeout, this, &PopupEffect::tick);
    hide();
}

int PopupEffect::durationMs(int frameDelayMs, int frames)
{
    // 5..200 ms times 2..200 frames; the logarithm keeps the order of the settings.
    double product = std::clamp(frameDelayMs, 5, 200) * double(std::clamp(frames, 2, 200));
    double position = (std::log(product) - std::log(10.0)) / (std::log(40000.0) - std::log(10.0));
    return kShortestMs + static_cast<int>(std::lround((kLongestMs - kShortestMs) * std::clamp(position, 0.0, 1.0)));
}

int PopupEffect::frameIntervalMs(int frameDelayMs, int frames)
{
    return std::max(kFastestFrameMs, durationMs(frameDelayMs, frames) / std::clamp(frames, 2, 200));
}

void PopupEffect::start(effects::Kind kind, QImage content, QImage backdrop, bool closing, int frameDelayMs,
                        int frames, std::function<void()> done)
{
    finish();
    m_kind = kind;
    m_content = std::move(content);
    m_backdrop = std::move(backdrop);
    m_closing = closing;
    m_duration = durationMs(frameDelayMs, frames);
    m_seed = QRandomGenerator::global()->generate();
    m_done = std::move(done);
    m_running = true;
    m_shown = closing ? 1.0 : 0.0;
    setGeometry(parentWidget()->rect());
    raise();
    show();
    m_clock.start();
    m_timer->start(frameIntervalMs(frameDelayMs, frames));
    repaint();
}

double PopupEffect::progress() const
{
    return m_shown;
}

void PopupEffect::tick()
{
    double elapsed = std::min(1.0, m_clock.elapsed() / double(m_duration));
    m_shown = m_closing ? 1.0 - elapsed : elapsed;
    repaint();
    if (elapsed >= 1.0)
        finish();
}

void PopupEffect::finish()
{
    if (!m_running)
        return;
    m_running = false;
    m_timer->stop();
    hide();
    m_content = QImage();
    m_backdrop = QImage();
    if (auto done = std::move(m_done))
        done();
}

void PopupEffect::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!m_backdrop.isNull())
        painter.drawImage(rect(), m_backdrop);
    effects::paintFrame(painter, m_kind, m_content, m_shown, m_seed);
}

}  // namespace lotavo::ui
