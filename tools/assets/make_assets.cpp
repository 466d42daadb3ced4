// Paints the splash logo and the application icon and writes them into the assets folder:
//   make_assets OUTPUT_DIR
// The pictures are drawn, not taken from anywhere: a many-sided die on a heraldic shield.
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtEndian>
#include <array>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <vector>

namespace {

const QColor kGold(222, 184, 84);
const QColor kDarkGold(120, 86, 24);
const QColor kIvory(246, 236, 206);
const QColor kForest(0, 64, 0);
const QColor kCrimson(112, 16, 24);

// A twenty-sided die seen along one of its axes: a hexagon, a front triangle and the faces
// around it, each shaded as if lit from the upper left.
void PaintDie(QPainter& painter, QPointF centre, qreal radius, bool withNumber) {
    std::array<QPointF, 6> rim;
    for (int i = 0; i < 6; ++i) {
        const qreal angle = std::numbers::pi / 180.0 * (-90 + 60 * i);
        rim[static_cast<std::size_t>(i)] =
            centre + QPointF(std::cos(angle), std::sin(angle)) * radius;
    }
    const qreal inner = radius * 0.52;
    const QPointF a = centre + QPointF(0, -inner);
    const QPointF b = centre + QPointF(inner * std::cos(std::numbers::pi / 6), inner * 0.5);
    const QPointF c = centre + QPointF(-inner * std::cos(std::numbers::pi / 6), inner * 0.5);

    struct Face {
        std::array<QPointF, 3> corners;
        int light;  // 0 darkest .. 4 brightest
    };
    const std::vector<Face> faces{
        {{a, rim[5], rim[0]}, 4}, {{a, rim[0], rim[1]}, 3}, {{a, rim[1], b}, 2},
        {{b, rim[1], rim[2]}, 1}, {{b, rim[2], rim[3]}, 0}, {{b, rim[3], c}, 1},
        {{c, rim[3], rim[4]}, 1}, {{c, rim[4], rim[5]}, 3}, {{c, rim[5], a}, 4},
        {{a, b, c}, 4},
    };
    const QColor shades[] = {QColor(92, 62, 16), QColor(150, 110, 36), kDarkGold.lighter(190),
                             kGold, kIvory};
    painter.setPen(QPen(QColor(40, 24, 4), std::max<qreal>(1.0, radius / 40), Qt::SolidLine,
                        Qt::RoundCap, Qt::RoundJoin));
    for (const Face& face : faces) {
        painter.setBrush(shades[face.light]);
        painter.drawPolygon(face.corners.data(), 3);
    }
    if (withNumber) {
        QFont font(QStringLiteral("Liberation Serif"));
        font.setBold(true);
        font.setPixelSize(static_cast<int>(inner * 0.9));
        painter.setFont(font);
        painter.setPen(kCrimson);
        painter.drawText(QRectF(c.x(), a.y() + inner * 0.45, b.x() - c.x(), inner), Qt::AlignCenter,
                         QStringLiteral("20"));
    }
}

QPainterPath Shield(const QRectF& box) {
    QPainterPath path;
    const qreal shoulder = box.top() + box.height() * 0.55;
    path.moveTo(box.topLeft());
    path.lineTo(box.topRight());
    path.lineTo(box.right(), shoulder);
    path.quadTo(box.right(), box.bottom() - box.height() * 0.12, box.center().x(), box.bottom());
    path.quadTo(box.left(), box.bottom() - box.height() * 0.12, box.left(), shoulder);
    path.closeSubpath();
    return path;
}

void PaintStar(QPainter& painter, QPointF at, qreal size) {
    QPainterPath star;
    star.moveTo(at + QPointF(0, -size));
    star.quadTo(at, at + QPointF(size, 0));
    star.quadTo(at, at + QPointF(0, size));
    star.quadTo(at, at + QPointF(-size, 0));
    star.quadTo(at, at + QPointF(0, -size));
    painter.fillPath(star, kIvory);
}

QImage Logo() {
    QImage image(216, 259, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    QRadialGradient night(QPointF(108, 110), 190);
    night.setColorAt(0, QColor(18, 52, 30));
    night.setColorAt(1, QColor(4, 10, 6));
    painter.fillRect(image.rect(), night);
    for (const auto& [x, y, size] : {std::array<qreal, 3>{22, 24, 5},
                                     {190, 34, 4},
                                     {30, 150, 3},
                                     {196, 170, 4},
                                     {176, 14, 2.5},
                                     {44, 226, 3},
                                     {170, 236, 2.5}}) {
        PaintStar(painter, QPointF(x, y), size);
    }

    const QPainterPath shield = Shield(QRectF(28, 30, 160, 196));
    QLinearGradient field(QPointF(0, 30), QPointF(0, 226));
    field.setColorAt(0, kCrimson.lighter(140));
    field.setColorAt(1, kCrimson.darker(180));
    painter.fillPath(shield, field);
    painter.setPen(QPen(kGold, 5));
    painter.drawPath(shield);
    painter.setPen(QPen(kDarkGold, 1.5));
    painter.drawPath(Shield(QRectF(36, 38, 144, 178)));

    PaintDie(painter, QPointF(108, 118), 62, true);

    // A scroll across the foot of the shield.
    QPainterPath scroll;
    scroll.moveTo(18, 214);
    scroll.quadTo(108, 196, 198, 214);
    scroll.lineTo(198, 238);
    scroll.quadTo(108, 220, 18, 238);
    scroll.closeSubpath();
    painter.fillPath(scroll, kIvory);
    painter.setPen(QPen(kDarkGold, 2));
    painter.drawPath(scroll);
    QFont font(QStringLiteral("Liberation Serif"));
    font.setBold(true);
    font.setPixelSize(15);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 2);
    painter.setFont(font);
    painter.setPen(kCrimson.darker(130));
    painter.drawText(QRectF(18, 208, 180, 26), Qt::AlignCenter, QStringLiteral("FORTVNA"));
    return image;
}

// The palette images of the Windows icon are drawn without smoothing, which would only turn into
// stray colours once reduced to 16.
QImage Icon(int size, bool smooth = true) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, smooth);
    const qreal s = size;
    painter.setBrush(kForest);
    painter.setPen(QPen(kGold, std::max<qreal>(1.0, s / 24)));
    painter.drawRoundedRect(QRectF(s * 0.03, s * 0.03, s * 0.94, s * 0.94), s * 0.18, s * 0.18);
    PaintDie(painter, QPointF(s / 2, s / 2), s * 0.4, size >= 48);
    return image;
}

// For a phone's home screen, which cuts icons to its own shape: the green fills the square and
// the die stays inside the middle circle that every shape keeps (four tenths of the size).
QImage MaskableIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(kForest);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    PaintDie(painter, QPointF(size / 2.0, size / 2.0), size * 0.27, true);
    return image;
}

// The icon's small Windows images are palette bitmaps, as the classic icon formats want.
struct PaletteImage {
    int size = 0;
    int bitsPerPixel = 0;
    std::vector<QRgb> palette;
    std::vector<std::uint8_t> indices;  // top row first
    std::vector<bool> transparent;
};

// The 16 colours of the standard Windows palette.
const std::vector<QRgb> kSixteenColours{
    qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
    qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
    qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};

PaletteImage Reduce(const QImage& source, const std::vector<QRgb>& palette, int bitsPerPixel) {
    PaletteImage out{source.width(), bitsPerPixel, palette, {}, {}};
    for (int y = 0; y < source.height(); ++y) {
        for (int x = 0; x < source.width(); ++x) {
            const QRgb pixel = source.pixel(x, y);
            out.transparent.push_back(qAlpha(pixel) < 128);
            std::size_t best = 0;
            long bestDistance = -1;
            for (std::size_t i = 0; i < palette.size(); ++i) {
                const long dr = qRed(pixel) - qRed(palette[i]);
                const long dg = qGreen(pixel) - qGreen(palette[i]);
                const long db = qBlue(pixel) - qBlue(palette[i]);
                const long distance = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
                if (bestDistance < 0 || distance < bestDistance) {
                    bestDistance = distance;
                    best = i;
                }
            }
            out.indices.push_back(static_cast<std::uint8_t>(best));
        }
    }
    return out;
}

void Append16(QByteArray& out, quint16 value) {
    const quint16 le = qToLittleEndian(value);
    out.append(reinterpret_cast<const char*>(&le), 2);
}
void Append32(QByteArray& out, quint32 value) {
    const quint32 le = qToLittleEndian(value);
    out.append(reinterpret_cast<const char*>(&le), 4);
}

// One icon image: a bitmap header, the palette, the colour bits and the transparency mask, each
// row padded to four bytes and stored bottom row first.
QByteArray IconImage(const PaletteImage& image) {
    const int size = image.size;
    const int colourRow = ((size * image.bitsPerPixel + 31) / 32) * 4;
    const int maskRow = ((size + 31) / 32) * 4;
    QByteArray out;
    Append32(out, 40);
    Append32(out, static_cast<quint32>(size));
    Append32(out, static_cast<quint32>(size * 2));  // colour bits and mask together
    Append16(out, 1);
    Append16(out, static_cast<quint16>(image.bitsPerPixel));
    Append32(out, 0);
    Append32(out, static_cast<quint32>((colourRow + maskRow) * size));
    for (int i = 0; i < 4; ++i) Append32(out, 0);
    for (const QRgb colour : image.palette) {
        out.append(static_cast<char>(qBlue(colour)));
        out.append(static_cast<char>(qGreen(colour)));
        out.append(static_cast<char>(qRed(colour)));
        out.append('\0');
    }
    for (int y = size - 1; y >= 0; --y) {
        QByteArray row(colourRow, '\0');
        for (int x = 0; x < size; ++x) {
            const std::size_t at = static_cast<std::size_t>(y * size + x);
            const int index = image.transparent[at] ? 0 : image.indices[at];
            const int bit = x * image.bitsPerPixel;
            const int shift = 8 - image.bitsPerPixel - bit % 8;
            row[bit / 8] = static_cast<char>(row[bit / 8] | (index << shift));
        }
        out.append(row);
    }
    for (int y = size - 1; y >= 0; --y) {
        QByteArray row(maskRow, '\0');
        for (int x = 0; x < size; ++x) {
            if (image.transparent[static_cast<std::size_t>(y * size + x)]) {
                row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
            }
        }
        out.append(row);
    }
    return out;
}

QByteArray IconFile(const std::vector<PaletteImage>& images) {
    QByteArray directory;
    Append16(directory, 0);
    Append16(directory, 1);  // an icon, not a cursor
    Append16(directory, static_cast<quint16>(images.size()));
    QByteArray data;
    quint32 offset = static_cast<quint32>(6 + 16 * images.size());
    for (const PaletteImage& image : images) {
        const QByteArray bits = IconImage(image);
        directory.append(static_cast<char>(image.size));
        directory.append(static_cast<char>(image.size));
        directory.append(static_cast<char>(image.palette.size()));
        directory.append('\0');
        Append16(directory, 1);
        Append16(directory, static_cast<quint16>(image.bitsPerPixel));
        Append32(directory, static_cast<quint32>(bits.size()));
        Append32(directory, offset);
        offset += static_cast<quint32>(bits.size());
        data.append(bits);
    }
    return directory + data;
}

bool Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_assets OUTPUT_DIR\n");
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);

    QImageWriter logo(dir + QStringLiteral("/logo.jpg"), "jpeg");
    logo.setQuality(88);
    logo.setProgressiveScanWrite(false);  // baseline coding
    bool ok = logo.write(Logo());

    for (const int size : {16, 24, 32, 48, 64, 128, 192, 256, 512}) {
        ok = Icon(size).save(dir + QStringLiteral("/icons/dicewright-%1.png").arg(size)) && ok;
    }
    ok = MaskableIcon(512).save(dir + QStringLiteral("/icons/dicewright-maskable-512.png")) && ok;

    // Two colours: the die in white on black, so it reads on any background.
    const QImage icon32 = Icon(32, false);
    QImage mono = icon32;
    for (int y = 0; y < mono.height(); ++y) {
        for (int x = 0; x < mono.width(); ++x) {
            const QRgb pixel = mono.pixel(x, y);
            mono.setPixel(x, y,
                          qGray(pixel) > 100 ? qRgba(255, 255, 255, qAlpha(pixel))
                                             : qRgba(0, 0, 0, qAlpha(pixel)));
        }
    }
    const std::vector<QRgb> blackAndWhite{qRgb(0, 0, 0), qRgb(255, 255, 255)};
    ok = Write(dir + QStringLiteral("/dicewright.ico"),
               IconFile({Reduce(mono, blackAndWhite, 1), Reduce(icon32, kSixteenColours, 4),
                         Reduce(Icon(16, false), kSixteenColours, 4)})) &&
         ok;
    if (!ok) std::fprintf(stderr, "make_assets: could not write every picture\n");
    return ok ? 0 : 1;
}
