#include "present/Pictures.h"

#include "draw/AtomicFile.h"

#include <QFile>
#include <QImageReader>
#include <QPainter>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <memory>

#include <gif_lib.h>
#include <jerror.h>
#include <jpeglib.h>

namespace lotavo::ui {

namespace {

constexpr int kMaxSide = 16384;
constexpr qint64 kMaxPixels = 256LL * 1024 * 1024;
// All frames of an animation together; later frames are dropped rather than exceed it.
constexpr qint64 kMaxAnimationPixels = 256LL * 1024 * 1024;
constexpr int kMinFrameDelayMs = 20;
// Progressive JPEGs with thousands of scans take minutes to decode; real ones have a dozen.
constexpr int kMaxJpegScans = 500;
constexpr long kMaxJpegMemory = 1024L * 1024 * 1024;

QString failure(const QString& path, const QString& reason)
{
    return QStringLiteral("无法读取图片 %1: %2").arg(path, reason);
}

QString sizeProblem(qint64 width, qint64 height)
{
    if (width <= 0 || height <= 0)
        return QStringLiteral("图片尺寸无效 (%1 × %2)").arg(width).arg(height);
    if (width > kMaxSide || height > kMaxSide || width * height > kMaxPixels)
        return QStringLiteral("图片太大 (%1 × %2 像素)").arg(width).arg(height);
    return {};
}

// ---- JPEG ----

struct JpegErrors {
    jpeg_error_mgr manager;
    jpeg_progress_mgr progress;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void jpegFail(j_common_ptr cinfo)
{
    auto* errors = reinterpret_cast<JpegErrors*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, errors->message);
    std::longjmp(errors->jump, 1);
}

// Warnings are silent, except running out of data: a truncated file would show half grey.
void jpegWarning(j_common_ptr cinfo, int level)
{
    if (level < 0 && cinfo->err->msg_code == JWRN_JPEG_EOF)
        jpegFail(cinfo);
}

void jpegSilent(j_common_ptr) {}

void jpegProgress(j_common_ptr cinfo)
{
    auto* decompress = reinterpret_cast<j_decompress_ptr>(cinfo);
    if (decompress->input_scan_number > kMaxJpegScans) {
        auto* errors = reinterpret_cast<JpegErrors*>(cinfo->err);
        std::snprintf(errors->message, sizeof errors->message, "too many scans");
        std::longjmp(errors->jump, 1);
    }
}

void cmykToRgb32(const JSAMPLE* cmyk, QRgb* out, JDIMENSION width, bool adobeInverted)
{
    for (JDIMENSION x = 0; x < width; ++x, cmyk += 4) {
        int c = cmyk[0], m = cmyk[1], y = cmyk[2], k = cmyk[3];
        if (!adobeInverted) {
            c = 255 - c, m = 255 - m, y = 255 - y, k = 255 - k;
        }
        out[x] = qRgb(c * k / 255, m * k / 255, y * k / 255);
    }
}

// Kept out of runJpeg so that no object with a destructor is in scope there.
bool sizeFits(qint64 width, qint64 height, char* message, size_t capacity)
{
    QString problem = sizeProblem(width, height);
    std::snprintf(message, capacity, "%s", problem.toUtf8().constData());
    return problem.isEmpty();
}

// Only pointers and plain values live across setjmp here, so the longjmp back is safe.
bool runJpeg(jpeg_decompress_struct* cinfo, JpegErrors* errors, const QByteArray* bytes, QImage* image,
             std::vector<JSAMPLE>* cmykRow, const QSize* bound)
{
    if (setjmp(errors->jump))
        return false;
    jpeg_create_decompress(cinfo);
    cinfo->progress = &errors->progress;
    cinfo->mem->max_memory_to_use = kMaxJpegMemory;
    jpeg_mem_src(cinfo, reinterpret_cast<const unsigned char*>(bytes->constData()),
                 static_cast<unsigned long>(bytes->size()));
    if (jpeg_read_header(cinfo, TRUE) != JPEG_HEADER_OK) {
        std::snprintf(errors->message, sizeof errors->message, "no image");
        return false;
    }
    if (!sizeFits(cinfo->image_width, cinfo->image_height, errors->message, sizeof errors->message))
        return false;
    if (bound->isValid()) {
        unsigned denominator = 1;
        while (denominator < 8 && cinfo->image_width / (denominator * 2) >= unsigned(bound->width()) &&
               cinfo->image_height / (denominator * 2) >= unsigned(bound->height()))
            denominator *= 2;
        cinfo->scale_num = 1;
        cinfo->scale_denom = denominator;
    }
    bool cmyk = cinfo->jpeg_color_space == JCS_CMYK || cinfo->jpeg_color_space == JCS_YCCK;
    // Bytes in memory of QImage::Format_RGB32, opaque.
    cinfo->out_color_space = cmyk ? JCS_CMYK : (Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? JCS_EXT_BGRA : JCS_EXT_ARGB);
    jpeg_start_decompress(cinfo);
    *image = QImage(static_cast<int>(cinfo->output_width), static_cast<int>(cinfo->output_height),
                    QImage::Format_RGB32);
    if (image->isNull()) {
        std::snprintf(errors->message, sizeof errors->message, "out of memory");
        return false;
    }
    if (cmyk)
        cmykRow->resize(static_cast<size_t>(cinfo->output_width) * 4);
    while (cinfo->output_scanline < cinfo->output_height) {
        auto* out = image->scanLine(static_cast<int>(cinfo->output_scanline));
        JSAMPROW row = cmyk ? cmykRow->data() : out;
        if (jpeg_read_scanlines(cinfo, &row, 1) != 1) {
            std::snprintf(errors->message, sizeof errors->message, "no scanline");
            return false;
        }
        if (cmyk)
            cmykToRgb32(row, reinterpret_cast<QRgb*>(out), cinfo->output_width, cinfo->saw_Adobe_marker);
    }
    jpeg_finish_decompress(cinfo);
    return true;
}

DecodedPicture decodeJpeg(const QString& path, const QByteArray& bytes, QSize bound)
{
    DecodedPicture result;
    jpeg_decompress_struct cinfo{};
    JpegErrors errors{};
    cinfo.err = jpeg_std_error(&errors.manager);
    errors.manager.error_exit = jpegFail;
    errors.manager.emit_message = jpegWarning;
    errors.manager.output_message = jpegSilent;
    errors.progress.progress_monitor = jpegProgress;
    QImage image;
    std::vector<JSAMPLE> cmykRow;
    bool ok = runJpeg(&cinfo, &errors, &bytes, &image, &cmykRow, &bound);
    jpeg_destroy_decompress(&cinfo);
    if (ok) {
        result.frames.push_back(std::move(image));
        result.delaysMs.push_back(0);
    } else {
        result.error = failure(path, QString::fromUtf8(errors.message));
    }
    return result;
}

// ---- GIF ----

struct GifCloser {
    void operator()(GifFileType* gif) const
    {
        int ignored = 0;
        DGifCloseFile(gif, &ignored);
    }
};

QString gifError(const GifFileType* gif)
{
    const char* text = GifErrorString(gif->Error);
    return QString::fromUtf8(text ? text : "GIF error");
}

QString skipImageData(GifFileType* gif)
{
    int codeSize = 0;
    GifByteType* block = nullptr;
    if (DGifGetCode(gif, &codeSize, &block) == GIF_ERROR)
        return gifError(gif);
    while (block)
        if (DGifGetCodeNext(gif, &block) == GIF_ERROR)
            return gifError(gif);
    return {};
}

// Reads the pixels of the image just described onto the canvas, leaving transparent ones alone.
QString drawGifImage(GifFileType* gif, int transparent, QImage& canvas)
{
    const GifImageDesc& desc = gif->Image;
    if (desc.Width <= 0 || desc.Height <= 0)
        return skipImageData(gif);
    const ColorMapObject* map = desc.ColorMap ? desc.ColorMap : gif->SColorMap;
    if (!map || !map->Colors)
        return QStringLiteral("no colour map");
    int colours = std::min(map->ColorCount, 256);
    QRgb palette[256];
    for (int i = 0; i < colours; ++i)
        palette[i] = qRgb(map->Colors[i].Red, map->Colors[i].Green, map->Colors[i].Blue);

    std::vector<GifPixelType> line(static_cast<size_t>(desc.Width));
    static const int interlacedStart[] = {0, 4, 2, 1};
    static const int interlacedStep[] = {8, 8, 4, 2};
    int passes = desc.Interlace ? 4 : 1;
    for (int pass = 0; pass < passes; ++pass) {
        int first = desc.Interlace ? interlacedStart[pass] : 0;
        int step = desc.Interlace ? interlacedStep[pass] : 1;
        for (int row = first; row < desc.Height; row += step) {
            if (DGifGetLine(gif, line.data(), desc.Width) == GIF_ERROR)
                return gifError(gif);
            int y = desc.Top + row;
            if (y < 0 || y >= canvas.height())
                continue;
            auto* out = reinterpret_cast<QRgb*>(canvas.scanLine(y));
            int right = std::min(desc.Width, canvas.width() - desc.Left);
            for (int x = std::max(0, -desc.Left); x < right; ++x) {
                int index = line[static_cast<size_t>(x)];
                if (index != transparent && index < colours)
                    out[desc.Left + x] = palette[index];
            }
        }
    }
    return {};
}

// Composes every frame onto a canvas of the logical screen size, as a browser shows them.
// Returns the error that stopped the reading, if any; the frames before it are kept.
QString composeGif(GifFileType* gif, DecodedPicture& out)
{
    const GraphicsControlBlock noControl{DISPOSAL_UNSPECIFIED, false, 0, NO_TRANSPARENT_COLOR};
    GraphicsControlBlock control = noControl;
    QImage canvas;
    // The previous frame's disposal, done only once the next frame is known to fit.
    int disposal = DISPOSAL_UNSPECIFIED;
    QRect disposalArea;
    QImage beforeFrame;
    for (;;) {
        GifRecordType type = UNDEFINED_RECORD_TYPE;
        if (DGifGetRecordType(gif, &type) == GIF_ERROR)
            return gifError(gif);
        if (type == TERMINATE_RECORD_TYPE)
            return {};
        if (type == EXTENSION_RECORD_TYPE) {
            int code = 0;
            GifByteType* block = nullptr;
            if (DGifGetExtension(gif, &code, &block) == GIF_ERROR)
                return gifError(gif);
            if (code == GRAPHICS_EXT_FUNC_CODE && block && block[0] >= 4)
                DGifExtensionToGCB(block[0], block + 1, &control);
            while (block)
                if (DGifGetExtensionNext(gif, &block) == GIF_ERROR)
                    return gifError(gif);
            continue;
        }
        if (type != IMAGE_DESC_RECORD_TYPE)
            continue;
        if (DGifGetImageDesc(gif) == GIF_ERROR)
            return gifError(gif);
        const GifImageDesc& desc = gif->Image;
        if (canvas.isNull()) {
            qint64 width = std::max<qint64>(gif->SWidth, qint64(desc.Left) + desc.Width);
            qint64 height = std::max<qint64>(gif->SHeight, qint64(desc.Top) + desc.Height);
            if (QString problem = sizeProblem(width, height); !problem.isEmpty())
                return problem;
            canvas = QImage(static_cast<int>(width), static_cast<int>(height), QImage::Format_ARGB32_Premultiplied);
            if (canvas.isNull())
                return QStringLiteral("out of memory");
            canvas.fill(Qt::transparent);
        } else {
            qint64 pixels = qint64(canvas.width()) * canvas.height();
            if (qint64(out.frames.size() + 1) * pixels > kMaxAnimationPixels)
                return {};
            if (disposal == DISPOSE_BACKGROUND) {
                QPainter painter(&canvas);
                painter.setCompositionMode(QPainter::CompositionMode_Source);
                painter.fillRect(disposalArea, Qt::transparent);
            } else if (disposal == DISPOSE_PREVIOUS && !beforeFrame.isNull()) {
                QPainter painter(&canvas);
                painter.setCompositionMode(QPainter::CompositionMode_Source);
                painter.drawImage(disposalArea.topLeft(), beforeFrame);
            }
        }
        disposal = control.DisposalMode;
        disposalArea = QRect(desc.Left, desc.Top, desc.Width, desc.Height).intersected(canvas.rect());
        beforeFrame = disposal == DISPOSE_PREVIOUS ? canvas.copy(disposalArea) : QImage();
        if (QString problem = drawGifImage(gif, control.TransparentColor, canvas); !problem.isEmpty())
            return problem;
        out.frames.push_back(canvas);
        out.delaysMs.push_back(std::max(control.DelayTime * 10, kMinFrameDelayMs));
        control = noControl;
    }
}

DecodedPicture decodeGif(const QString& path)
{
    DecodedPicture result;
    int error = 0;
    std::unique_ptr<GifFileType, GifCloser> gif(DGifOpenFileName(QFile::encodeName(path).constData(), &error));
    if (!gif) {
        const char* text = GifErrorString(error);
        result.error = failure(path, QString::fromUtf8(text ? text : "GIF error"));
        return result;
    }
    QString problem = composeGif(gif.get(), result);
    // A broken animation still plays the frames before the break.
    if (result.frames.empty())
        result.error = failure(path, problem.isEmpty() ? QStringLiteral("no image") : problem);
    return result;
}

// ---- everything else Qt reads ----

DecodedPicture decodeWithQt(const QString& path)
{
    DecodedPicture result;
    QImageReader reader(path);
    QSize size = reader.size();
    if (size.isValid()) {
        if (QString problem = sizeProblem(size.width(), size.height()); !problem.isEmpty()) {
            result.error = failure(path, problem);
            return result;
        }
    }
    QImage image;
    if (!reader.read(&image) || image.isNull()) {
        result.error = failure(path, reader.errorString());
        return result;
    }
    result.frames.push_back(std::move(image));
    result.delaysMs.push_back(0);
    return result;
}

// ---- BMP ----

void put16(std::string& bytes, uint32_t value)
{
    bytes.push_back(static_cast<char>(value & 0xFF));
    bytes.push_back(static_cast<char>((value >> 8) & 0xFF));
}

void put32(std::string& bytes, uint32_t value)
{
    put16(bytes, value & 0xFFFF);
    put16(bytes, value >> 16);
}

std::string bmp24(const QImage& picture)
{
    QImage rgb(picture.size(), QImage::Format_RGB888);
    rgb.fill(Qt::white);
    {
        QPainter painter(&rgb);
        painter.drawImage(0, 0, picture);
    }
    const uint32_t width = static_cast<uint32_t>(rgb.width());
    const uint32_t height = static_cast<uint32_t>(rgb.height());
    const uint32_t rowSize = (width * 3 + 3) / 4 * 4;
    const uint32_t pixelBytes = rowSize * height;
    const uint32_t headerSize = 14 + 40;
    std::string bytes;
    bytes.reserve(headerSize + pixelBytes);
    bytes += "BM";
    put32(bytes, headerSize + pixelBytes);
    put32(bytes, 0);
    put32(bytes, headerSize);
    put32(bytes, 40);
    put32(bytes, width);
    put32(bytes, height);  // positive: rows bottom-up
    put16(bytes, 1);
    put16(bytes, 24);
    put32(bytes, 0);       // BI_RGB
    put32(bytes, pixelBytes);
    put32(bytes, 2835);    // 72 dpi
    put32(bytes, 2835);
    put32(bytes, 0);
    put32(bytes, 0);
    for (int y = rgb.height() - 1; y >= 0; --y) {
        const uchar* in = rgb.constScanLine(y);
        size_t start = bytes.size();
        for (uint32_t x = 0; x < width; ++x, in += 3) {
            bytes.push_back(static_cast<char>(in[2]));
            bytes.push_back(static_cast<char>(in[1]));
            bytes.push_back(static_cast<char>(in[0]));
        }
        bytes.resize(start + rowSize, '\0');
    }
    return bytes;
}

DecodedPicture decodeFile(const QString& path, QSize bound)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        DecodedPicture result;
        result.error = failure(path, file.errorString());
        return result;
    }
    QByteArray head = file.peek(4);
    if (head.startsWith("\xFF\xD8\xFF"))
        return decodeJpeg(path, file.readAll(), bound);
    file.close();
    if (head.startsWith("GIF8"))
        return decodeGif(path);
    return decodeWithQt(path);
}

}  // namespace

DecodedPicture decodePicture(const QString& path)
{
    return decodePictureAt(path, QSize());
}

DecodedPicture decodePictureAt(const QString& path, QSize size)
{
    DecodedPicture picture = decodeFile(path, size);
    if (!size.isValid() || !picture.ok())
        return picture;
    QImage shown = picture.frames.front().scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    picture.frames.assign(1, std::move(shown));
    picture.delaysMs.assign(1, 0);
    return picture;
}

bool convertJpegToBmp(const QString& jpegPath, const QString& bmpPath, QString* error)
{
    DecodedPicture picture = decodePicture(jpegPath);
    if (!picture.ok()) {
        if (error)
            *error = picture.error;
        return false;
    }
    std::string problem = writeFileAtomically(bmpPath.toUtf8().toStdString(), bmp24(picture.frames.front()));
    if (!problem.empty()) {
        if (error)
            *error = QString::fromStdString(problem);
        return false;
    }
    return true;
}

}  // namespace lotavo::ui
