// Renders the program's pictures from their SVG sources under src/ui: in art/ the icon as PNGs of
// every size the desktop asks for plus a Windows .ico, and the splash picture with its cut-out colour;
// in pictures/ and pictures/formula/ each button and toolbar picture as a PNG at its own size and at
// twice that ("<name>@2x.png", which Qt picks on high-density screens), so the program needs no SVG
// support at run time.
// usage: render_art <ui folder>   (writes beside the sources; run it after changing one)
#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <array>
#include <cstdio>
#include <vector>

#include "ui/splash_shape.h"

namespace {

constexpr std::array kIconSizes{16, 24, 32, 48, 64, 128, 256};
constexpr std::array kIcoSizes{16, 24, 32, 48, 64, 256};

QImage Render(QSvgRenderer& svg, QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter);
    return image;
}

QByteArray Png(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// An .ico whose entries are PNG images, as Windows reads them since Vista.
QByteArray Ico(QSvgRenderer& svg) {
    std::vector<QByteArray> images;
    images.reserve(std::size(kIcoSizes));
    for (int size : kIcoSizes) images.push_back(Png(Render(svg, {size, size}).convertToFormat(QImage::Format_ARGB32)));
    QByteArray ico;
    QDataStream out(&ico, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << quint16(1) << quint16(images.size());
    quint32 offset = 6 + 16 * static_cast<quint32>(images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        const int size = kIcoSizes[i];
        const auto side = static_cast<quint8>(size >= 256 ? 0 : size);
        out << side << side << quint8(0) << quint8(0) << quint16(1) << quint16(32) << quint32(images[i].size())
            << offset;
        offset += static_cast<quint32>(images[i].size());
    }
    for (const QByteArray& image : images) out.writeRawData(image.constData(), static_cast<int>(image.size()));
    return ico;
}

// Transparent pixels take the cut-out colour; the edges' partly covered pixels are laid over black
// and never come out as the cut-out colour, so only what the drawing leaves empty is cut away.
QImage SplashPicture(QSvgRenderer& svg) {
    const QImage drawn = Render(svg, svg.defaultSize());
    QImage picture(drawn.size(), QImage::Format_RGB32);
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x) {
            const QRgb pixel = drawn.pixel(x, y);  // premultiplied, so already laid over black
            QRgb rgb = qAlpha(pixel) == 0 ? quantora::kTransparentColour : (pixel & 0xFFFFFFu);
            if (qAlpha(pixel) != 0 && rgb == quantora::kTransparentColour) rgb = 0;
            picture.setPixel(x, y, 0xFF000000u | rgb);
        }
    }
    return picture;
}

bool Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()) return true;
    std::fprintf(stderr, "render_art: cannot write %s\n", qPrintable(path));
    return false;
}

bool RenderPictures(const QString& folder) {
    bool written = true;
    const QDir dir(folder);
    for (const QString& name : dir.entryList({QStringLiteral("*.svg")}, QDir::Files)) {
        QSvgRenderer svg(dir.filePath(name));
        if (!svg.isValid()) {
            std::fprintf(stderr, "render_art: cannot read %s\n", qPrintable(dir.filePath(name)));
            return false;
        }
        const QString base = dir.filePath(name.chopped(4));
        written &= Write(base + QStringLiteral(".png"), Png(Render(svg, svg.defaultSize())));
        written &= Write(base + QStringLiteral("@2x.png"), Png(Render(svg, svg.defaultSize() * 2)));
    }
    return written;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: render_art <ui folder>\n");
        return 2;
    }
    QGuiApplication application(argc, argv);
    const QString ui = QString::fromLocal8Bit(argv[1]) + QLatin1Char('/');
    const QString folder = ui + QStringLiteral("art/");
    QSvgRenderer icon(folder + QStringLiteral("quantora-icon.svg"));
    QSvgRenderer splash(folder + QStringLiteral("splash.svg"));
    if (!icon.isValid() || !splash.isValid()) {
        std::fprintf(stderr, "render_art: cannot read the SVG sources in %s\n", argv[1]);
        return 1;
    }
    bool written = true;
    for (int size : kIconSizes) {
        written &= Write(folder + QStringLiteral("quantora-%1.png").arg(size), Png(Render(icon, {size, size})));
    }
    written &= Write(folder + QStringLiteral("quantora.ico"), Ico(icon));
    written &= Write(folder + QStringLiteral("splash.png"), Png(SplashPicture(splash)));
    written &= RenderPictures(ui + QStringLiteral("pictures"));
    written &= RenderPictures(ui + QStringLiteral("pictures/formula"));
    return written ? 0 : 1;
}
