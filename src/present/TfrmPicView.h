#pragma once

#include <QDialog>
#include <QString>

class QAction;
class QMenu;

namespace lotavo::ui {

class PictureView;

// The full-screen picture window: one picture on white over the whole screen, modal, closed
// by the start/stop key or its context menu. Used for level-start, start and end pictures.
class TfrmPicView : public QDialog {
public:
    TfrmPicView(int startStopVirtualKey, bool mouseOnClick, QWidget* parent = nullptr);

    // Shows the picture and returns when the window has closed; returns at once when the
    // file cannot be decoded.
    static void showPicture(const QString& path, int startStopVirtualKey, bool mouseOnClick, QWidget* parent);

    bool loadPicture(const QString& path);
    // Opens with the expanding animation and runs modally until closed.
    int exec() override;

    void N1Click();  // 关闭窗口
    void N2Click();  // 图片自动缩放
    void Image1Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    PictureView* Image1;
    QMenu* PopupMenu1;
    QAction* N1;
    QAction* N2;
    int m_startStopKey;
    bool m_mouseOnClick;
};

}  // namespace lotavo::ui
