#include "tools/asset_images.h"

#include "overlay/spotlight_files.h"

#include <algorithm>
#include <cmath>

namespace assets {

namespace {

struct Rgba {
    double r, g, b, a; // colour 0..255, alpha 0..1
};

double clamp01(double v)
{
    return std::min(1.0, std::max(0.0, v));
}

double smoothstep(double edge0, double edge1, double x)
{
    double t = clamp01((x - edge0) / (edge1 - edge0));
    return t * t * (3.0 - 2.0 * t);
}

uint8_t toByte(double v)
{
    return uint8_t(std::lround(std::min(255.0, std::max(0.0, v))));
}

Rgba mix(const Rgba& a, const Rgba& b, double t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t, a.a + (b.a - a.a) * t};
}

// std::hypot's overflow care is wasted here and costs a lot in unoptimised builds.
double length(double x, double y)
{
    return std::sqrt(x * x + y * y);
}

// Signed distance to a rectangle of half-size (hx, hy) with corner radius r, centred at the origin.
double roundedRectSdf(double px, double py, double hx, double hy, double r)
{
    double qx = std::fabs(px) - (hx - r);
    double qy = std::fabs(py) - (hy - r);
    double outside = length(std::max(qx, 0.0), std::max(qy, 0.0));
    double inside = std::min(std::max(qx, qy), 0.0);
    return outside + inside - r;
}

Image makeImage(int width, int height)
{
    return {width, height, std::vector<uint8_t>(size_t(width) * height * 4, 0)};
}

// Each channel 0..255, rounded.
void setPixel(Image& image, int x, int y, double r, double g, double b, double a)
{
    uint8_t* pixel = &image.bgra[(size_t(y) * image.width + x) * 4];
    pixel[0] = toByte(b), pixel[1] = toByte(g), pixel[2] = toByte(r), pixel[3] = toByte(a);
}

void writeLe(std::vector<uint8_t>& out, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(uint8_t(value >> (8 * i)));
}

void writeInfoHeader(std::vector<uint8_t>& out, int width, int height, int bitCount, uint32_t sizeImage)
{
    const uint32_t kDotsPerMetre = 2835; // 72 dpi
    for (uint32_t field : {40u, uint32_t(width), uint32_t(height)})
        writeLe(out, field, 4);
    writeLe(out, 1, 2);
    writeLe(out, uint32_t(bitCount), 2);
    for (uint32_t field : {0u /* BI_RGB */, sizeImage, kDotsPerMetre, kDotsPerMetre, 0u, 0u})
        writeLe(out, field, 4);
}

// Averages 6 x 6 samples per pixel in premultiplied space, so edges blend without dark fringes.
template <typename Shader> Image renderIcon(int size, Shader shader)
{
    const int ss = 6;
    Image image = makeImage(size, size);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            double r = 0, g = 0, b = 0, a = 0;
            for (int sy = 0; sy < ss; ++sy) {
                for (int sx = 0; sx < ss; ++sx) {
                    Rgba c = shader(x + (sx + 0.5) / ss, y + (sy + 0.5) / ss);
                    r += c.r * c.a, g += c.g * c.a, b += c.b * c.a, a += c.a;
                }
            }
            if (a > 0.0)
                setPixel(image, x, y, r / a, g / a, b / a, 255.0 * a / (ss * ss));
        }
    }
    return image;
}

// Even-odd test against the 10-vertex outline of an upright five-pointed star.
bool insideStar(double px, double py, double outer, double inner)
{
    const double pi = 3.14159265358979323846;
    double vx[10], vy[10];
    for (int i = 0; i < 10; ++i) {
        double angle = -pi / 2 + i * pi / 5;
        double radius = (i % 2 == 0) ? outer : inner;
        vx[i] = radius * std::cos(angle);
        vy[i] = radius * std::sin(angle);
    }
    bool inside = false;
    for (int i = 0, j = 9; i < 10; j = i++)
        if ((vy[i] > py) != (vy[j] > py) && px < (vx[j] - vx[i]) * (py - vy[i]) / (vy[j] - vy[i]) + vx[i])
            inside = !inside;
    return inside;
}

// A rounded square with a vertical gradient and a rim a little apart, so the icon shows
// on light and dark taskbars alike.
Rgba squareBackground(double y, double s, double sq, Rgba top, Rgba bottom, Rgba rim, double rimMix)
{
    Rgba c = mix(top, bottom, y / s);
    return sq > -std::max(1.0, s / 24.0) ? mix(c, rim, rimMix) : c;
}

// A lit disc with a soft glow on a dark square.
Image makeTrayIcon(int size)
{
    double s = size, half = s / 2.0;
    double discX = 0.45 * s, discY = 0.43 * s, discR = 0.27 * s;
    double soft = std::max(0.6, 0.05 * s), halo = 0.22 * s;
    const Rgba core = {255, 250, 228, 1}, edge = {255, 206, 84, 1};
    return renderIcon(size, [&](double x, double y) {
        double sq = roundedRectSdf(x - half, y - half, half, half, 0.22 * s);
        if (sq > 0)
            return Rgba{0, 0, 0, 0};
        Rgba c = squareBackground(y, s, sq, {58, 61, 70, 1}, {30, 32, 38, 1}, {96, 100, 112, 1}, 0.6);
        double r = length(x - discX, y - discY);
        Rgba disc = mix(core, edge, clamp01(r / discR) * clamp01(r / discR));
        double glow = 0.3 * (1.0 - smoothstep(discR, discR + halo, r));
        double body = 1.0 - smoothstep(discR - soft, discR + soft, r);
        return mix(c, disc, std::max(body, glow));
    });
}

// A dark star on an orange square; the star's visual centre sits below its circumcentre.
Image makeAppIcon(int size)
{
    double s = size, half = s / 2.0;
    double outer = 0.40 * s, inner = outer * 0.40;
    return renderIcon(size, [&](double x, double y) {
        double sq = roundedRectSdf(x - half, y - half, half, half, 0.22 * s);
        if (sq > 0)
            return Rgba{0, 0, 0, 0};
        if (insideStar(x - half, y - 0.535 * s, outer, inner))
            return Rgba{58, 58, 62, 1};
        return squareBackground(y, s, sq, {255, 178, 64, 1}, {236, 118, 18, 1}, {196, 92, 10, 1}, 0.7);
    });
}

// A green cross with arms 4 px thick and a dark border, lit from the top left, on the
// dialog's face colour.
Image makePlusBitmap()
{
    auto inCross = [](int x, int y) {
        return (x >= 5 && x <= 8 && y >= 2 && y <= 13) || (y >= 6 && y <= 9 && x >= 1 && x <= 12);
    };
    Image image = makeImage(14, 16);
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            Rgba c = {236, 233, 216, 1};
            if (inCross(x, y) &&
                (!inCross(x - 1, y) || !inCross(x + 1, y) || !inCross(x, y - 1) || !inCross(x, y + 1)))
                c = {0, 100, 0, 1};
            else if (inCross(x, y))
                c = mix({150, 235, 130, 1}, {20, 150, 20, 1}, (x + y - 8) / 14.0);
            setPixel(image, x, y, c.r, c.g, c.b, 255);
        }
    }
    return image;
}

// 24-bit BI_RGB, bottom-up rows padded to four bytes, behind the file header.
std::vector<uint8_t> encodeBmp24(const Image& image)
{
    uint32_t stride = (uint32_t(image.width) * 3 + 3) & ~3u;
    uint32_t sizeImage = stride * uint32_t(image.height);
    std::vector<uint8_t> out = {'B', 'M'};
    for (uint32_t field : {54 + sizeImage, 0u, 54u})
        writeLe(out, field, 4);
    writeInfoHeader(out, image.width, image.height, 24, sizeImage);
    out.resize(54 + sizeImage, 0);
    uint8_t* row = out.data() + 54;
    for (int y = image.height - 1; y >= 0; --y, row += stride)
        for (int x = 0; x < image.width; ++x)
            std::copy_n(&image.bgra[(size_t(y) * image.width + x) * 4], 3, row + x * 3);
    return out;
}

// One 32-bit image per size, each with its AND mask for renderers that ignore alpha.
std::vector<uint8_t> encodeIco(const std::vector<Image>& images)
{
    std::vector<uint8_t> out, blobs;
    writeLe(out, 0, 2);
    writeLe(out, 1, 2); // an icon, not a cursor
    writeLe(out, uint32_t(images.size()), 2);
    for (const Image& image : images) {
        uint32_t maskStride = (uint32_t(image.width) + 31) / 32 * 4;
        uint32_t size = 40 + uint32_t(image.width) * image.height * 4 + maskStride * image.height;
        out.insert(out.end(), {uint8_t(image.width), uint8_t(image.height), 0, 0});
        writeLe(out, 1, 2);
        writeLe(out, 32, 2);
        writeLe(out, size, 4);
        writeLe(out, 6 + 16 * uint32_t(images.size()) + uint32_t(blobs.size()), 4);
        // Colour and AND mask are stacked, hence the doubled height.
        writeInfoHeader(blobs, image.width, image.height * 2, 32, size - 40);
        for (int y = image.height - 1; y >= 0; --y)
            blobs.insert(blobs.end(), &image.bgra[size_t(y) * image.width * 4],
                         &image.bgra[size_t(y + 1) * image.width * 4]);
        for (int y = image.height - 1; y >= 0; --y) {
            std::vector<uint8_t> bits(maskStride, 0);
            for (int x = 0; x < image.width; ++x)
                if (image.bgra[(size_t(y) * image.width + x) * 4 + 3] == 0)
                    bits[x / 8] |= uint8_t(0x80 >> (x % 8));
            blobs.insert(blobs.end(), bits.begin(), bits.end());
        }
    }
    out.insert(out.end(), blobs.begin(), blobs.end());
    return out;
}

template <typename Draw> std::vector<uint8_t> iconOfSizes(Draw draw)
{
    std::vector<Image> images;
    for (int size : {16, 24, 32, 48})
        images.push_back(draw(size));
    return encodeIco(images);
}

} // namespace

Image makeSpotlight(const SpotlightKind& kind)
{
    // The lit shape's width and height, Small to ExtraLarge; tuned for 1080p, still
    // usable at 4K.
    static const int kExtents[3][4][2] = {
        {{100, 100}, {200, 200}, {300, 300}, {450, 450}},
        {{140, 100}, {240, 176}, {360, 264}, {600, 440}},
        {{220, 36}, {360, 50}, {540, 66}, {800, 90}},
    };
    const int kMargin = 2; // keeps the outermost rows and columns dark after antialiasing
    const int* extent = kExtents[int(kind.shape)][int(kind.size)];
    Image image = makeImage(extent[0] + 2 * kMargin, extent[1] + 2 * kMargin);
    double hx = extent[0] / 2.0, hy = extent[1] / 2.0;
    double cx = image.width / 2.0, cy = image.height / 2.0;
    // Slightly rounded rectangles; the soft band is 0.3 of the smaller half-extent, and
    // growing the corner by it keeps the fade's contours free of diagonal creases.
    double corner = kind.shape == SpotShape::Rect    ? 0.08 * std::min(extent[0], extent[1])
                    : kind.shape == SpotShape::TRect ? 0.15 * std::min(extent[0], extent[1])
                                                     : 0.0;
    double band = 0.3 * std::min(hx, hy);
    if (kind.blur && kind.shape != SpotShape::Circle)
        corner += band;
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            double px = x + 0.5 - cx, py = y + 0.5 - cy;
            double d = kind.shape == SpotShape::Circle ? length(px, py) - hx
                                                       : roundedRectSdf(px, py, hx, hy, corner);
            // Sharp: the pixel's coverage; Blur: a smooth fade reaching 0 exactly at the outline.
            double v = std::lround(255.0 * (kind.blur ? smoothstep(0.0, band, -d) : clamp01(0.5 - d)));
            setPixel(image, x, y, v, v, v, 255);
        }
    }
    return image;
}

std::vector<AssetFile> buildSpotlightAssets()
{
    std::vector<AssetFile> files;
    for (int index = 0; index < kSpotlightFileCount; ++index) {
        SpotlightFileKind kind = spotlightFileKind(index);
        char name[kDataFileNameSize];
        spotlightFileName(kind, name, sizeof name);
        files.push_back(
            {name, encodeBmp24(makeSpotlight({SpotShape(kind.shape), SpotSize(kind.size), kind.blur}))});
    }
    files.push_back({kTrayIconFileName, iconOfSizes(makeTrayIcon)});
    return files;
}

std::vector<AssetFile> buildResourceAssets()
{
    return {{"plus.bmp", encodeBmp24(makePlusBitmap())}, {"app.ico", iconOfSizes(makeAppIcon)}};
}

} // namespace assets
