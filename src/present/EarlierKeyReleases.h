#pragma once

#include <QObject>

#include <set>
#include <tuple>
#include <vector>

class QWidget;

namespace lotavo::ui {

// Watches a modal window of the draw for releases of keys that were pressed before it opened:
// the draw screen gave that press to the draw, so the release is the draw's too, even though
// the window had the keyboard when the key went up.
class EarlierKeyReleases : public QObject {
public:
    explicit EarlierKeyReleases(QWidget* window);
    ~EarlierKeyReleases() override;

    // Virtual-key codes, in the order the keys went up.
    const std::vector<int>& keys() const { return m_released; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_window;
    std::set<int> m_pressed;
    std::vector<int> m_released;
    // A key event that the focus widget passes on to its parents is the same event.
    std::tuple<int, int, quint64> m_last {0, 0, 0};
};

}  // namespace lotavo::ui
