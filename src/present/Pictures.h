#pragma once

#include <QImage>
#include <QPixmap>
#include <QString>
#include <QWidget>

#include <future>
#include <vector>

class QTimer;

namespace lotavo::ui {

// A decoded picture file: JPEG through libjpeg-turbo, GIF (every frame) through giflib,
// BMP and PNG through Qt. A file that cannot be decoded gives no frames and an error text.
struct DecodedPicture {
    std::vector<QImage> frames;
    std::vector<int> delaysMs;  // per frame, for animated GIFs
    QString error;
    bool ok() const { return !frames.empty(); }
};

DecodedPicture decodePicture(const QString& path);
// The first frame only, stretched to `size`; a JPEG is decoded at the smallest scale that is
// not below it, which makes a photo of a camera several times faster to show small.
DecodedPicture decodePictureAt(const QString& path, QSize size);

// Decodes a JPEG file to a BMP file (24-bit); false with `error` set when it cannot.
bool convertJpegToBmp(const QString& jpegPath, const QString& bmpPath, QString* error = nullptr);

// Shows a picture: centred at its own size or stretched to the widget, transparent (no
// background painted) or not; animated GIFs play.
class PictureView : public QWidget {
public:
    explicit PictureView(QWidget* parent = nullptr);

    // Loads a file; false (and the view cleared) when it cannot be decoded.
    bool load(const QString& path, QString* error = nullptr);
    void setPicture(DecodedPicture picture);
    void clear();
    bool isEmpty() const { return m_picture.frames.empty(); }
    QSize pictureSize() const;

    void setStretch(bool stretch);
    bool stretch() const { return m_stretch; }
    void setCentered(bool centered);
    void setBackgroundColour(const QColor& colour);  // invalid colour: transparent
    const QString& fileName() const { return m_fileName; }

    // Scales the picture for `target` on a worker thread, so that its first paint at that
    // size finds it ready: the full-screen picture of a window that opens later is not
    // scaled while the audience waits for the window.
    void prepare(QSize target);
    // Decodes a file and scales it for `target` on a worker thread; a load() of the same file
    // takes the result. The start-up decodes the background while the screen is being made.
    void preload(const QString& path, QSize target);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void nextFrame();
    const QPixmap& shownPixmap();

    DecodedPicture m_picture;
    size_t m_frame = 0;
    QTimer* m_animation = nullptr;
    bool m_stretch = false;
    bool m_centered = true;
    QColor m_background;
    QString m_fileName;
    // The frame as painted, scaled once: the rolling labels above a full-screen background
    // repaint it fifty times a second, piece by piece.
    QPixmap m_cached;
    bool m_cacheValid = false;
    QPixmap m_prepared;  // from prepare(), for the first frame at its size
    qint64 m_preparedKey = 0;
    struct Preloaded {
        DecodedPicture picture;
        QImage scaled;
    };
    QString m_preloadPath;
    std::future<Preloaded> m_preloaded;
};

}  // namespace lotavo::ui
