#pragma once

#include "main/Transition.h"

#include <QPixmap>
#include <QWidget>

namespace lotavo::ui {

// A picture that appears over a background by one of the transition styles, played in the
// caller's thread (the splash shows before any event loop runs).
class TransitionView : public QWidget {
public:
    // Progress advances `step` units of ProgressScale per frame.
    static constexpr int ProgressScale = 256;

    explicit TransitionView(QWidget* parent = nullptr);

    // Drawn centred at its own size behind the picture.
    void setBackground(const QPixmap& background);
    // Fills the view; a picture of other proportions is cut at its edges, not distorted.
    void setPicture(const QPixmap& picture);
    void setTransition(int style);
    int transition() const { return m_transition.style(); }
    void setStep(int step);
    void setDelay(int milliseconds);

    // Plays the transition from the bare background to the whole picture, repainting at
    // every step and keeping the windows' events going between the steps.
    void execute();

    void setProgress(qreal progress);
    qreal progress() const { return m_progress; }
    // The frames painted so far (execute() resets it). Use only for testing.
    int framesPainted() const { return m_framesPainted; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect pictureSource() const;

    QPixmap m_background;
    QPixmap m_picture;
    Transition m_transition {1};
    int m_step = 9;
    int m_delay = 30;
    qreal m_progress = 1.0;
    int m_framesPainted = 0;
};

}  // namespace lotavo::ui
