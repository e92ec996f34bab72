#include "present/ScrollText.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QLinearGradient>
#include <QPaintEvent>
#include <QResizeEvent>
#include <QPainter>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace lotavo::ui {

namespace {

constexpr int kSideMargin = 8;       // keeps the widest line off the edges
constexpr int kCacheSlack = 3;       // lines kept rendered beyond the shown ones

// The one font item of the credits; its tag line selects it.
bool isTagLine(const QString& line)
{
    return line.compare(QLatin1String("<Title1>"), Qt::CaseInsensitive) == 0;
}

}  // namespace

ScrollText::ScrollText(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    m_stamp = new SmoothLabel(this);
    m_stamp->hide();
    m_timer = new QTimer(this);
    m_timer->setTimerType(Qt::PreciseTimer);
    m_timer->setInterval(kFrameMs);
    connect(m_timer, &QTimer::timeout, this, &ScrollText::frame);
    m_font = QFont(QStringLiteral("黑体"));
    m_font.setPixelSize(32);
    m_font.setBold(true);
    m_effect.shadow = true;
    m_stamp->setColour(m_colour);
    relayout();
}

void ScrollText::setLines(const QStringList& lines)
{
    m_lines.clear();
    m_lines.reserve(static_cast<size_t>(lines.size()));
    for (const QString& line : lines)
        if (!isTagLine(line))
            m_lines.push_back(line);
    relayout();
}

void ScrollText::setItemFont(const QFont& font)
{
    m_font = font;
    relayout();
}

void ScrollText::setItemColour(const QColor& colour)
{
    m_colour = colour;
    m_stamp->setColour(colour);
    dropCache();
}

void ScrollText::setItemEffect(const TextEffect& effect)
{
    m_effect = effect;
    relayout();
}

void ScrollText::setBackColour(const QColor& colour)
{
    m_back = colour;
    dropCache();
}

void ScrollText::setAlignment(Qt::Alignment alignment)
{
    m_alignment = alignment & Qt::AlignHorizontal_Mask;
    update();
}

void ScrollText::start()
{
    m_clock.start();
    m_timer->start();
}

void ScrollText::stop()
{
    m_timer->stop();
}

bool ScrollText::isRunning() const
{
    return m_timer->isActive();
}

void ScrollText::setPosition(double position)
{
    m_position = position;
    m_pausedMs = -1;
    int offset = static_cast<int>(std::lround(m_position));
    if (offset != m_shownOffset) {
        m_shownOffset = offset;
        update();
    }
}

void ScrollText::frame()
{
    // A stall (a menu or a dialog up) resumes where it stopped instead of jumping ahead.
    double elapsed = std::min<double>(m_clock.nsecsElapsed() / 1e6, 4.0 * kFrameMs);
    m_clock.start();
    advance(elapsed);
    if (onFrame)
        onFrame();
}

void ScrollText::advance(double milliseconds)
{
    const double end = height() + contentHeight();
    if (m_pausedMs >= 0) {
        m_pausedMs -= milliseconds;
        if (m_pausedMs < 0)
            m_position = m_step >= 0 ? 0 : end;
    } else {
        m_position += m_step * milliseconds / kTickMs;
        // Past the end in either direction: a pause, then the credits start over.
        if (m_position > end || m_position < 0) {
            m_position = std::clamp(m_position, 0.0, end);
            m_pausedMs = kRepeatPauseMs;
        }
    }
    int offset = static_cast<int>(std::lround(m_position));
    if (offset == m_shownOffset)
        return;
    QRegion changed = visibleLineRegion(m_shownOffset) + visibleLineRegion(offset);
    m_shownOffset = offset;
    update(changed);
}

int ScrollText::lineTop(int index, int offset) const
{
    return height() - offset + index * m_lineHeight;
}

int ScrollText::lineLeft(int width) const
{
    if (m_alignment & Qt::AlignRight)
        return this->width() - kSideMargin - width;
    if (m_alignment & Qt::AlignHCenter)
        return (this->width() - width) / 2;
    return kSideMargin;
}

int ScrollText::firstVisibleLine() const
{
    for (int i = std::max(0, (m_shownOffset - height()) / m_lineHeight); i < lineCount(); ++i) {
        int top = lineTop(i, m_shownOffset);
        if (top >= height())
            return -1;
        if (top >= 0)
            return i;
    }
    return -1;
}

// What the lines cover at an offset: only their own text is painted again when they move.
QRegion ScrollText::visibleLineRegion(int offset) const
{
    int first = std::max(0, (offset - height()) / m_lineHeight);
    int last = std::min(lineCount() - 1, (offset - 1) / m_lineHeight);
    if (last < first || offset <= 0)
        return {};
    QRegion region;
    for (int i = first; i <= last; ++i) {
        auto cached = m_cache.constFind(i);
        int width = cached != m_cache.constEnd() ? static_cast<int>(cached->width() / cached->devicePixelRatio())
                                                 : this->width();
        width = std::min(width, this->width());
        region += QRect(std::clamp(lineLeft(width), 0, this->width()), lineTop(i, offset), width, m_lineHeight);
    }
    return region;
}

// A line wider than the area is shown in a smaller font (not below 14 px) than the others,
// so that no winner's line is cut at the edges of the screen.
const QImage& ScrollText::lineImage(int index)
{
    auto found = m_cache.find(index);
    if (found != m_cache.end())
        return *found;
    m_stamp->setText(m_lines[static_cast<size_t>(index)]);
    const int room = width() - 2 * kSideMargin;
    if (m_stamp->width() > room && room > 0) {
        QFont smaller = m_font;
        int pixels = QFontInfo(m_font).pixelSize();
        for (int attempt = 0; attempt < 4 && m_stamp->width() > room && pixels > kMinimumPixelSize; ++attempt) {
            pixels = std::max(kMinimumPixelSize, std::min(pixels - 1, pixels * room / m_stamp->width()));
            smaller.setPixelSize(pixels);
            m_stamp->setFont(smaller);
        }
    }
    qreal ratio = devicePixelRatioF();
    QSize size(m_stamp->width(), m_lineHeight);
    QImage image(size * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(m_back);
    m_stamp->render(&image, QPoint(0, (m_lineHeight - m_stamp->height()) / 2), QRegion(), QWidget::DrawChildren);
    m_stamp->setFont(m_font);
    return *m_cache.insert(index, image);
}

int ScrollText::shownLineWidth(int index)
{
    const QImage& image = lineImage(index);
    return static_cast<int>(image.width() / image.devicePixelRatio());
}

void ScrollText::trimCache(int first, int last)
{
    for (auto it = m_cache.begin(); it != m_cache.end();)
        it = (it.key() < first - kCacheSlack || it.key() > last + kCacheSlack) ? m_cache.erase(it) : std::next(it);
}

// Each pixel is written once: the line images carry their own background, the background is
// filled only around them.
void ScrollText::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    const QRect area = event->rect();
    int first = std::max(0, (m_shownOffset - height() + area.top()) / m_lineHeight);
    int last = std::min(lineCount() - 1, (m_shownOffset - height() + area.bottom()) / m_lineHeight);
    QRegion background = event->region();
    for (int i = first; i <= last; ++i) {
        int top = lineTop(i, m_shownOffset);
        if (top + m_lineHeight <= area.top() || top > area.bottom())
            continue;
        const QImage& image = lineImage(i);
        QRect placed(QPoint(lineLeft(static_cast<int>(image.width() / image.devicePixelRatio())), top),
                     image.deviceIndependentSize().toSize());
        painter.drawImage(placed.topLeft(), image);
        background -= placed;
    }
    for (const QRect& r : background)
        painter.fillRect(r, m_back);
    paintFades(painter, event->region());
    if (!m_lines.empty())
        trimCache(first, last);
}

// The lines come up out of the background at the bottom and sink into it at the top.
int ScrollText::fadeBand() const
{
    return std::min(m_lineHeight, height() / 4);
}

double ScrollText::firstPagePosition() const
{
    return std::max(0, height() - fadeBand());
}

void ScrollText::paintFades(QPainter& painter, const QRegion& region)
{
    const int band = fadeBand();
    if (band <= 1)
        return;
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    QColor solid = m_back, clear = m_back;
    clear.setAlpha(0);
    const QRect top(0, 0, width(), band), bottom(0, height() - band, width(), band);
    QLinearGradient down(0, top.top(), 0, top.bottom() + 1);
    down.setColorAt(0, solid);
    down.setColorAt(0.2, solid);
    down.setColorAt(1, clear);
    QLinearGradient up(0, bottom.bottom() + 1, 0, bottom.top());
    up.setColorAt(0, solid);
    up.setColorAt(0.2, solid);
    up.setColorAt(1, clear);
    for (const QRect& r : region.intersected(top))
        painter.fillRect(r, down);
    for (const QRect& r : region.intersected(bottom))
        painter.fillRect(r, up);
}

// Resized by the mover in design mode: the line images are kept unless the width changed.
void ScrollText::resizeEvent(QResizeEvent* event)
{
    if (event->size().width() != event->oldSize().width())
        dropCache();
}

void ScrollText::dropCache()
{
    m_cache.clear();
    update();
}

void ScrollText::relayout()
{
    m_stamp->setFont(m_font);
    m_stamp->setEffect(m_effect);
    m_stamp->setText(QStringLiteral("字"));
    m_lineHeight = std::max(1, m_stamp->sizeHint().height());
    dropCache();
}

}  // namespace lotavo::ui
