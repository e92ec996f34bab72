#pragma once

#include <QLineEdit>

#include <functional>

namespace lotavo::ui {

// A key field of the control panel: click into it and press a key; it shows the key's name
// and hands on the key's code. Every key counts, Tab, Esc and Enter too (they never move the
// focus or close the panel from here), and Shift, Ctrl and Alt are keys of their own.
class KeyField : public QLineEdit {
public:
    explicit KeyField(QWidget* parent = nullptr);

    // Shows the code's name (empty for a code without one).
    void showCode(int code);
    int code() const { return m_code; }

    // Runs for every key pressed in the field with its code.
    std::function<void(int code)> onKey;

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    int m_code = 0;
};

}  // namespace lotavo::ui
