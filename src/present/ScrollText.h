#pragma once

#include "present/SmoothLabel.h"

#include <QElapsedTimer>
#include <QHash>
#include <QImage>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <vector>

class QPainter;
class QTimer;

namespace lotavo::ui {

// Credits that scroll upward: a list of lines in the font item "Title1" (tag lines such as
// "<Title1>" select the item and are not shown), moved by the scroll step every 60 ms tick.
// The position advances with the time that really passed, frames come every 20 ms, and each
// line is rendered once into a cached image that is only blitted while it is on screen, so
// the scroll stays smooth with any number of lines.
class ScrollText : public QWidget {
    Q_OBJECT
public:
    static constexpr int kTickMs = 60;        // the step is pixels per tick of this length
    static constexpr int kFrameMs = 20;       // how often the position is shown
    static constexpr int kRepeatPauseMs = 2000;  // pause before the credits start over
    static constexpr int kMinimumPixelSize = 14;

    explicit ScrollText(QWidget* parent = nullptr);

    void setLines(const QStringList& lines);
    int lineCount() const { return static_cast<int>(m_lines.size()); }

    // The font item "Title1".
    void setItemFont(const QFont& font);
    const QFont& itemFont() const { return m_font; }
    void setItemColour(const QColor& colour);
    const QColor& itemColour() const { return m_colour; }
    void setItemEffect(const TextEffect& effect);
    const TextEffect& itemEffect() const { return m_effect; }

    void setBackColour(const QColor& colour);
    const QColor& backColour() const { return m_back; }
    void setAlignment(Qt::Alignment alignment);
    Qt::Alignment alignment() const { return m_alignment; }

    void setStep(int pixelsPerTick) { m_step = pixelsPerTick; }
    int step() const { return m_step; }

    void start();
    void stop();
    bool isRunning() const;

    // Pixels the text has moved up since it started at the bottom edge.
    double position() const { return m_position; }
    void setPosition(double position);
    // The position at which the first line is the top one, clear of the fade at the top.
    double firstPagePosition() const;
    // Moves the text as `milliseconds` of scrolling would. Use only for testing and benchmarks.
    void advance(double milliseconds);

    // Height of one line and of all of them, in pixels of the shown font.
    int lineHeight() const { return m_lineHeight; }
    int contentHeight() const { return m_lineHeight * lineCount(); }
    // Width of a line as shown (rendering it). Use only for testing.
    int shownLineWidth(int index);
    // Index of the first line whose top is on screen, or -1 when none is. Use only for testing.
    int firstVisibleLine() const;

    // Called after every frame tick. Use only for benchmarks.
    std::function<void()> onFrame;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void frame();
    int fadeBand() const;
    void paintFades(QPainter& painter, const QRegion& region);
    void relayout();
    void dropCache();
    int lineTop(int index, int offset) const;
    int lineLeft(int width) const;
    QRegion visibleLineRegion(int offset) const;
    const QImage& lineImage(int index);
    void trimCache(int first, int last);

    std::vector<QString> m_lines;
    QFont m_font;
    QColor m_colour = Qt::white;
    QColor m_back = Qt::black;
    TextEffect m_effect;
    Qt::Alignment m_alignment = Qt::AlignHCenter;
    int m_step = 1;
    int m_lineHeight = 1;
    double m_position = 0;
    int m_shownOffset = 0;       // the rounded position last painted
    double m_pausedMs = -1;      // time left of the pause between repetitions; -1: not pausing
    SmoothLabel* m_stamp = nullptr;  // renders one line, with the effect, into a line image
    QHash<int, QImage> m_cache;
    QTimer* m_timer = nullptr;
    QElapsedTimer m_clock;
};

}  // namespace lotavo::ui
