#include "Common.h"

#include <QBuffer>
#include <QImageWriter>

#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>

namespace makedata {

namespace {

void putLe(std::string& out, uint32_t v, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out += char((v >> (8 * i)) & 0xFF);
}

std::string bmpHeaders(int w, int h, int bits, int paletteEntries)
{
    const int rowBytes = ((w * bits + 31) / 32) * 4;
    const uint32_t offset = 14 + 40 + paletteEntries * 4;
    const uint32_t imageSize = uint32_t(rowBytes) * uint32_t(h);
    std::string out = "BM";
    putLe(out, offset + imageSize, 4);
    putLe(out, 0, 4);
    putLe(out, offset, 4);
    putLe(out, 40, 4);          // BITMAPINFOHEADER
    putLe(out, uint32_t(w), 4);
    putLe(out, uint32_t(h), 4); // positive: rows bottom-up
    putLe(out, 1, 2);
    putLe(out, uint32_t(bits), 2);
    putLe(out, 0, 4);           // BI_RGB, uncompressed
    putLe(out, imageSize, 4);
    putLe(out, 3780, 4);        // 96 dpi
    putLe(out, 3780, 4);
    putLe(out, uint32_t(paletteEntries), 4);
    putLe(out, 0, 4);
    return out;
}

struct Box {
    std::vector<uint32_t> bins;  // 18-bit keys, 6 bits per channel
    uint64_t pixels = 0;
    int range[3] = {0, 0, 0};
};

struct Histogram {
    std::vector<uint32_t> count;
    std::vector<std::array<uint64_t, 3>> sum;
};

int channelOf(uint32_t key, int c) { return int((key >> (12 - 6 * c)) & 63); }

void measure(Box& box, const Histogram& hist)
{
    int lo[3] = {63, 63, 63}, hi[3] = {0, 0, 0};
    box.pixels = 0;
    for (uint32_t k : box.bins) {
        box.pixels += hist.count[k];
        for (int c = 0; c < 3; ++c) {
            lo[c] = std::min(lo[c], channelOf(k, c));
            hi[c] = std::max(hi[c], channelOf(k, c));
        }
    }
    for (int c = 0; c < 3; ++c)
        box.range[c] = hi[c] - lo[c];
}

// Median-cut palette of at most 256 colours.
std::vector<QRgb> medianCut(const QImage& img, Histogram& hist)
{
    hist.count.assign(1u << 18, 0);
    hist.sum.assign(1u << 18, {0, 0, 0});
    for (int y = 0; y < img.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            int r = qRed(line[x]), g = qGreen(line[x]), b = qBlue(line[x]);
            uint32_t k = uint32_t((r >> 2) << 12 | (g >> 2) << 6 | (b >> 2));
            hist.count[k]++;
            hist.sum[k][0] += r;
            hist.sum[k][1] += g;
            hist.sum[k][2] += b;
        }
    }
    std::vector<Box> boxes(1);
    for (uint32_t k = 0; k < hist.count.size(); ++k)
        if (hist.count[k])
            boxes[0].bins.push_back(k);
    measure(boxes[0], hist);
    while (boxes.size() < 256) {
        // split the box with the most pixels times its widest range
        int best = -1;
        double bestScore = 0;
        for (size_t i = 0; i < boxes.size(); ++i) {
            if (boxes[i].bins.size() < 2)
                continue;
            int r = std::max({boxes[i].range[0], boxes[i].range[1], boxes[i].range[2]});
            double score = std::sqrt(double(boxes[i].pixels)) * r;
            if (score > bestScore) {
                bestScore = score;
                best = int(i);
            }
        }
        if (best < 0)
            break;
        Box& box = boxes[size_t(best)];
        int axis = 0;
        for (int c = 1; c < 3; ++c)
            if (box.range[c] > box.range[axis])
                axis = c;
        std::sort(box.bins.begin(), box.bins.end(), [axis](uint32_t a, uint32_t b) {
            int ca = channelOf(a, axis), cb = channelOf(b, axis);
            return ca != cb ? ca < cb : a < b;
        });
        uint64_t half = box.pixels / 2, acc = 0;
        size_t cut = 1;
        for (size_t i = 0; i + 1 < box.bins.size(); ++i) {
            acc += hist.count[box.bins[i]];
            cut = i + 1;
            if (acc >= half)
                break;
        }
        Box other;
        other.bins.assign(box.bins.begin() + long(cut), box.bins.end());
        box.bins.resize(cut);
        measure(box, hist);
        measure(other, hist);
        boxes.push_back(std::move(other));
    }
    std::vector<QRgb> palette;
    for (const Box& box : boxes) {
        uint64_t s[3] = {0, 0, 0};
        for (uint32_t k : box.bins)
            for (int c = 0; c < 3; ++c)
                s[c] += hist.sum[k][size_t(c)];
        palette.push_back(qRgb(int((s[0] + box.pixels / 2) / box.pixels), int((s[1] + box.pixels / 2) / box.pixels),
                               int((s[2] + box.pixels / 2) / box.pixels)));
    }
    return palette;
}

}  // namespace

void saveBmp24(const QImage& source, const QString& path)
{
    QImage img = source.convertToFormat(QImage::Format_RGB32);
    const int w = img.width(), h = img.height();
    const int rowBytes = ((w * 24 + 31) / 32) * 4;
    std::string out = bmpHeaders(w, h, 24, 0);
    for (int y = h - 1; y >= 0; --y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        std::string row(size_t(rowBytes), '\0');
        for (int x = 0; x < w; ++x) {
            row[size_t(3 * x)] = char(qBlue(line[x]));
            row[size_t(3 * x + 1)] = char(qGreen(line[x]));
            row[size_t(3 * x + 2)] = char(qRed(line[x]));
        }
        out += row;
    }
    writeBytes(path, out);
}

void saveBmp8(const QImage& source, const QString& path)
{
    QImage img = source.convertToFormat(QImage::Format_RGB32);
    const int w = img.width(), h = img.height();
    Histogram hist;
    std::vector<QRgb> palette = medianCut(img, hist);

    // nearest palette entry per 18-bit colour key, filled on demand
    std::vector<int16_t> nearest(1u << 18, -1);
    auto lookup = [&](int r, int g, int b) {
        r = std::clamp(r, 0, 255);
        g = std::clamp(g, 0, 255);
        b = std::clamp(b, 0, 255);
        uint32_t k = uint32_t((r >> 2) << 12 | (g >> 2) << 6 | (b >> 2));
        if (nearest[k] < 0) {
            int cr = (r & ~3) + 2, cg = (g & ~3) + 2, cb = (b & ~3) + 2;
            int best = 0;
            long bestD = -1;
            for (size_t i = 0; i < palette.size(); ++i) {
                long dr = qRed(palette[i]) - cr, dg = qGreen(palette[i]) - cg, db = qBlue(palette[i]) - cb;
                long d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
                if (bestD < 0 || d < bestD) {
                    bestD = d;
                    best = int(i);
                }
            }
            nearest[k] = int16_t(best);
        }
        return int(nearest[k]);
    };

    // Floyd-Steinberg error diffusion, errors kept in 1/16 units
    std::vector<std::array<int, 3>> errCur(size_t(w) + 2, {0, 0, 0}), errNext(size_t(w) + 2, {0, 0, 0});
    std::vector<uint8_t> indices(size_t(w) * size_t(h));
    for (int y = 0; y < h; ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        std::fill(errNext.begin(), errNext.end(), std::array<int, 3>{0, 0, 0});
        for (int x = 0; x < w; ++x) {
            int want[3] = {qRed(line[x]) + errCur[size_t(x) + 1][0] / 16, qGreen(line[x]) + errCur[size_t(x) + 1][1] / 16,
                           qBlue(line[x]) + errCur[size_t(x) + 1][2] / 16};
            int idx = lookup(want[0], want[1], want[2]);
            indices[size_t(y) * size_t(w) + size_t(x)] = uint8_t(idx);
            int got[3] = {qRed(palette[size_t(idx)]), qGreen(palette[size_t(idx)]), qBlue(palette[size_t(idx)])};
            for (int c = 0; c < 3; ++c) {
                int e = std::clamp(want[c], 0, 255) - got[c];
                errCur[size_t(x) + 2][size_t(c)] += e * 7;
                errNext[size_t(x)][size_t(c)] += e * 3;
                errNext[size_t(x) + 1][size_t(c)] += e * 5;
                errNext[size_t(x) + 2][size_t(c)] += e * 1;
            }
        }
        std::swap(errCur, errNext);
    }

    const int rowBytes = ((w * 8 + 31) / 32) * 4;
    std::string out = bmpHeaders(w, h, 8, 256);
    for (int i = 0; i < 256; ++i) {
        QRgb c = i < int(palette.size()) ? palette[size_t(i)] : qRgb(0, 0, 0);
        out += char(qBlue(c));
        out += char(qGreen(c));
        out += char(qRed(c));
        out += char(0);
    }
    for (int y = h - 1; y >= 0; --y) {
        std::string row(size_t(rowBytes), '\0');
        for (int x = 0; x < w; ++x)
            row[size_t(x)] = char(indices[size_t(y) * size_t(w) + size_t(x)]);
        out += row;
    }
    writeBytes(path, out);
}

void saveJpeg(const QImage& image, const QString& path, int quality)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(quality);
    writer.setOptimizedWrite(true);
    if (!writer.write(image.convertToFormat(QImage::Format_RGB32)))
        throw std::runtime_error("JPEG encoding failed for " + path.toStdString());
    writeBytes(path, std::string(bytes.constData(), size_t(bytes.size())));
}

void savePng(const QImage& image, const QString& path)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    writer.setCompression(9);
    if (!writer.write(image))
        throw std::runtime_error("PNG encoding failed for " + path.toStdString());
    writeBytes(path, std::string(bytes.constData(), size_t(bytes.size())));
}

}  // namespace makedata
