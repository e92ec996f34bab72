// The picture area of the picture draw: Panel1 with the stretched picture imgGDPicArea. The
// pictures come decoded from worker threads; the draw screen never waits for one.
#include "main/TFrmMain.h"

#include "main/settings/IniStore.h"
#include "present/PictureRoller.h"
#include "present/Pictures.h"
#include "present/QtText.h"

#include <QPainter>

namespace lotavo::ui {

namespace {

const char* kOption = "Option";

// What a winner whose picture cannot be decoded shows: the area stays readable and says why.
QImage placeholder(QSize size)
{
    QImage image(size.expandedTo(QSize(40, 40)), QImage::Format_RGB32);
    image.fill(QColor(72, 72, 72));
    QPainter p(&image);
    p.setPen(QPen(QColor(200, 200, 200), 3));
    p.drawRect(image.rect().adjusted(2, 2, -3, -3));
    QFont font = p.font();
    font.setPixelSize(std::max(12, image.height() / 10));
    p.setFont(font);
    p.drawText(image.rect(), Qt::AlignCenter | Qt::TextWordWrap, QStringLiteral("图片无法显示"));
    return image;
}

}  // namespace

void TFrmMain::setPictureAreaVisible(bool visible)
{
    if (!m_pictures) {
        m_pictures = new PictureRoller(this);
        connect(m_pictures, &PictureRoller::decoded, this, &TFrmMain::pictureDecoded);
        imgGDPicArea->setStretch(true);
        imgGDPicArea->installEventFilter(this);
    }
    if (visible) {
        const IniStore& s = m_settings;
        Panel1->setGeometry(s.readInteger(kOption, "ImgGdAreaLeft", 200), s.readInteger(kOption, "ImgGdAreaTop", 200),
                            std::max(1, s.readInteger(kOption, "ImgGdAreaWidth", 200)),
                            std::max(1, s.readInteger(kOption, "ImgGdAreaHight", 200)));
        imgGDPicArea->setGeometry(Panel1->rect());
        m_pictures->setSize(Panel1->size());
        Panel1->raise();
    }
    Panel1->setVisible(visible);
}

void TFrmMain::savePictureArea()
{
    m_settings.writeInteger(kOption, "ImgGdAreaLeft", Panel1->x());
    m_settings.writeInteger(kOption, "ImgGdAreaTop", Panel1->y());
    m_settings.writeInteger(kOption, "ImgGdAreaWidth", Panel1->width());
    m_settings.writeInteger(kOption, "ImgGdAreaHight", Panel1->height());
}

PictureShown TFrmMain::showRollingPicture(const std::string& path)
{
    if (!m_pictures)
        return PictureShown::Undecodable;
    QString file = fromPath(path);
    if (m_pictures->failed(file))
        return PictureShown::Undecodable;
    const QImage* image = m_pictures->picture(file);
    if (!image) {
        m_pictures->prepare(file);
        return PictureShown::NotReady;
    }
    m_wantedPicture.clear();
    showPictureNow(file, *image);
    return PictureShown::Shown;
}

void TFrmMain::preparePictures(const std::vector<std::string>& paths)
{
    if (m_pictures)
        for (const std::string& path : paths)
            m_pictures->prepare(fromPath(path));
}

void TFrmMain::showAreaPicture(const std::string& path)
{
    if (!m_pictures)
        return;
    QString file = fromPath(path);
    m_wantedPicture.clear();
    if (file.isEmpty()) {
        imgGDPicArea->clear();
        m_shownPicture.clear();
        return;
    }
    if (file == m_shownPicture)
        return;
    if (m_pictures->failed(file)) {
        showPlaceholder(file);
    } else if (const QImage* image = m_pictures->picture(file)) {
        showPictureNow(file, *image);
    } else {
        m_wantedPicture = file;
        m_pictures->prepare(file);
    }
}

void TFrmMain::pictureDecoded(const QString& path, bool ok)
{
    if (path != m_wantedPicture)
        return;
    m_wantedPicture.clear();
    if (!ok) {
        showPlaceholder(path);
    } else if (const QImage* image = m_pictures->picture(path)) {
        showPictureNow(path, *image);
    }
}

void TFrmMain::showPictureNow(const QString& path, const QImage& image)
{
    DecodedPicture picture;
    picture.frames.push_back(image);
    picture.delaysMs.push_back(0);
    imgGDPicArea->setPicture(std::move(picture));
    m_shownPicture = path;
    emit pictureShown(path);
}

void TFrmMain::showPlaceholder(const QString& path)
{
    DecodedPicture picture;
    picture.frames.push_back(placeholder(Panel1->size()));
    picture.delaysMs.push_back(0);
    imgGDPicArea->setPicture(std::move(picture));
    m_shownPicture.clear();
    emit pictureShown(path);
}

}  // namespace lotavo::ui
