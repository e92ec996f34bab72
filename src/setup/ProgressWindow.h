#pragma once

#include "draw/ListTools.h"

#include <QDialog>
#include <QElapsedTimer>

class QLabel;
class QProgressBar;
class QPushButton;

namespace lotavo::ui {

// The small window with one progress bar that long list work shows. It appears only once the
// work has run for a moment, blocks input to the other windows while it is up, and lets the
// windows repaint whenever the work reports progress.
class ProgressWindow : public QDialog {
public:
    // `cancellable` adds a "取消" button (for work that waits on another program).
    ProgressWindow(QWidget* parent, const QString& text, bool cancellable = false);

    // 0 makes the bar a busy indicator.
    void setMaximum(int maximum);
    void setPosition(int position);
    void setText(const QString& text);
    bool cancelled() const { return m_cancelled; }

    // Shows the window once the delay has passed and lets the windows repaint; user input
    // is left queued unless `withInput` (the window's own cancel button needs it).
    void pump(bool withInput = false);

    // Progress of a list tool, into this window.
    ToolProgress progress();

    // Time before the window appears. Use only for testing.
    static void setShowDelay(int milliseconds);
    // How many progress windows have appeared so far. Use only for testing.
    static int appearances();

private:
    QLabel* lblText;
    QProgressBar* ProgressBar1;
    QPushButton* btnCancel = nullptr;
    QElapsedTimer m_clock;
    qint64 m_lastPump = -1000;
    bool m_cancelled = false;
};

}  // namespace lotavo::ui
