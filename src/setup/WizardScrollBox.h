#pragma once

#include <QScrollArea>

namespace lotavo::ui {

// A scrolling area of level rows: the rows sit at fixed places on a content widget whose
// height is the scroll range; the wheel moves the view three pixels per notch.
class WizardScrollBox : public QScrollArea {
public:
    explicit WizardScrollBox(QWidget* parent = nullptr);

    QWidget* content() const { return m_content; }
    void setRange(int height);
    int range() const;
    void scrollToTop();
    int position() const;

protected:
    void wheelEvent(QWheelEvent* event) override;

private:
    QWidget* m_content;
    int m_wheelRest = 0;  // angle not yet turned into a step (touchpads send small deltas)
};

}  // namespace lotavo::ui
