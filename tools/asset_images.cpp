#include "asset_images.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace assets {

const char* const kTrayIconName = "orbiqaIco.ICO";
const char* const kPlusBitmapName = "plus.bmp";
const char* const kAppIconName = "app.ico";
const int kIconSizes[4] = {16, 24, 32, 48};

namespace {

// Keeps the outermost rows/columns of every spotlight at 0 even after antialiasing.
const int kSpotMargin = 2;
// Width of the soft band of Blur variants, relative to the shape's smaller half-extent.
const double kBlurFraction = 0.3;

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
    return static_cast<uint8_t>(std::lround(std::min(255.0, std::max(0.0, v))));
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

double circleSdf(double px, double py, double radius)
{
    return length(px, py) - radius;
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

void writeLe16(std::vector<uint8_t>& out, uint32_t v)
{
    out.push_back(static_cast<uint8_t>(v & 0xff));
    out.push_back(static_cast<uint8_t>((v >> 8) & 0xff));
}

void writeLe32(std::vector<uint8_t>& out, uint32_t v)
{
    writeLe16(out, v & 0xffff);
    writeLe16(out, v >> 16);
}

void writeInfoHeader(std::vector<uint8_t>& out, int width, int height, int bitCount, uint32_t sizeImage)
{
    writeLe32(out, 40);
    writeLe32(out, static_cast<uint32_t>(width));
    writeLe32(out, static_cast<uint32_t>(height));
    writeLe16(out, 1);
    writeLe16(out, static_cast<uint32_t>(bitCount));
    writeLe32(out, 0); // BI_RGB
    writeLe32(out, sizeImage);
    writeLe32(out, 2835); // 72 dpi
    writeLe32(out, 2835);
    writeLe32(out, 0);
    writeLe32(out, 0);
}

// Averages ss*ss samples per pixel in premultiplied space so edges blend without dark fringes.
template <typename Shader> Image renderSupersampled(int width, int height, int ss, Shader shader)
{
    Image image = makeImage(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            double r = 0, g = 0, b = 0, a = 0;
            for (int sy = 0; sy < ss; ++sy) {
                for (int sx = 0; sx < ss; ++sx) {
                    Rgba c = shader(x + (sx + 0.5) / ss, y + (sy + 0.5) / ss);
                    r += c.r * c.a;
                    g += c.g * c.a;
                    b += c.b * c.a;
                    a += c.a;
                }
            }
            if (a <= 0.0) {
                setPixel(image, x, y, 0, 0, 0, 0);
                continue;
            }
            setPixel(image, x, y, toByte(r / a), toByte(g / a), toByte(b / a), toByte(255.0 * a / (ss * ss)));
        }
    }
    return image;
}

const char* shapeName(SpotShape shape)
{
    switch (shape) {
    case SpotShape::Circle: return "Circle";
    case SpotShape::Rect: return "Rect";
    case SpotShape::TRect: return "TRect";
    }
    return "";
}

const char* sizeName(SpotSize size)
{
    switch (size) {
    case SpotSize::Small: return "Small";
    case SpotSize::Medium: return "Medium";
    case SpotSize::Large: return "Large";
    case SpotSize::ExtraLarge: return "ExtraLarge";
    }
    return "";
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
    for (int i = 0, j = 9; i < 10; j = i++) {
        if ((vy[i] > py) != (vy[j] > py) && px < (vx[j] - vx[i]) * (py - vy[i]) / (vy[j] - vy[i]) + vx[i])
            inside = !inside;
    }
    return inside;
}

} // namespace

Image makeImage(int width, int height)
{
    Image image;
    image.width = width;
    image.height = height;
    image.bgra.assign(static_cast<size_t>(width) * height * 4, 0);
    return image;
}

void setPixel(Image& image, int x, int y, uint8_t r, uint8_t g, uint8_t b, uint8_t a)
{
    size_t i = (static_cast<size_t>(y) * image.width + x) * 4;
    image.bgra[i] = b;
    image.bgra[i + 1] = g;
    image.bgra[i + 2] = r;
    image.bgra[i + 3] = a;
}

std::vector<SpotlightKind> allSpotlightKinds()
{
    std::vector<SpotlightKind> kinds;
    for (SpotShape shape : {SpotShape::Circle, SpotShape::Rect, SpotShape::TRect})
        for (SpotSize size : {SpotSize::Small, SpotSize::Medium, SpotSize::Large, SpotSize::ExtraLarge})
            for (bool blur : {false, true})
                kinds.push_back({shape, size, blur});
    return kinds;
}

std::string spotlightFileName(const SpotlightKind& kind)
{
    return std::string("spotlight") + shapeName(kind.shape) + sizeName(kind.size) +
           (kind.blur ? "Blur" : "") + ".bmp";
}

Extent spotlightShapeExtent(SpotShape shape, SpotSize size)
{
    // Small..ExtraLarge; tuned for 1080p, still usable at 4K.
    static const Extent circle[4] = {{100, 100}, {200, 200}, {300, 300}, {450, 450}};
    static const Extent rect[4] = {{140, 100}, {240, 176}, {360, 264}, {600, 440}};
    static const Extent strip[4] = {{220, 36}, {360, 50}, {540, 66}, {800, 90}};
    int i = static_cast<int>(size);
    switch (shape) {
    case SpotShape::Circle: return circle[i];
    case SpotShape::Rect: return rect[i];
    case SpotShape::TRect: return strip[i];
    }
    return circle[i];
}

Image makeSpotlight(const SpotlightKind& kind)
{
    Extent shape = spotlightShapeExtent(kind.shape, kind.size);
    Image image = makeImage(shape.width + 2 * kSpotMargin, shape.height + 2 * kSpotMargin);
    double hx = shape.width / 2.0, hy = shape.height / 2.0;
    double cx = image.width / 2.0, cy = image.height / 2.0;
    // Slight rounding: still reads as a rectangle, but softer than a hard box.
    double corner = 0.0;
    if (kind.shape == SpotShape::Rect)
        corner = 0.08 * std::min(shape.width, shape.height);
    else if (kind.shape == SpotShape::TRect)
        corner = 0.15 * std::min(shape.width, shape.height);
    double band = kBlurFraction * std::min(hx, hy);
    // Growing the corner by the band keeps every contour inside the fade rounded; a tighter
    // corner would leave visible diagonal creases running into the corners.
    if (kind.blur && kind.shape != SpotShape::Circle)
        corner += band;

    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            double px = x + 0.5 - cx, py = y + 0.5 - cy;
            double d = kind.shape == SpotShape::Circle ? circleSdf(px, py, hx)
                                                       : roundedRectSdf(px, py, hx, hy, corner);
            // Sharp: distance-based pixel coverage; Blur: smooth fade reaching 0 exactly at the outline.
            double level = kind.blur ? smoothstep(0.0, band, -d) : clamp01(0.5 - d);
            uint8_t v = toByte(255.0 * level);
            setPixel(image, x, y, v, v, v);
        }
    }
    return image;
}

Image makeTrayIcon(int size)
{
    double s = size;
    double half = s / 2.0;
    double corner = 0.22 * s;
    double discX = 0.45 * s, discY = 0.43 * s, discR = 0.27 * s;
    double soft = std::max(0.6, 0.05 * s);
    double halo = 0.22 * s;
    const Rgba top = {58, 61, 70, 1}, bottom = {30, 32, 38, 1}, rim = {96, 100, 112, 1};
    const Rgba core = {255, 250, 228, 1}, edge = {255, 206, 84, 1};
    return renderSupersampled(size, size, 6, [&](double x, double y) {
        double sq = roundedRectSdf(x - half, y - half, half, half, corner);
        if (sq > 0)
            return Rgba{0, 0, 0, 0};
        // A faint lighter rim keeps the dark square visible on dark taskbars.
        Rgba c = mix(top, bottom, y / s);
        if (sq > -std::max(1.0, s / 24.0))
            c = mix(c, rim, 0.6);
        double r = length(x - discX, y - discY);
        Rgba disc = mix(core, edge, clamp01(r / discR) * clamp01(r / discR));
        double glow = 0.3 * (1.0 - smoothstep(discR, discR + halo, r));
        double body = 1.0 - smoothstep(discR - soft, discR + soft, r);
        return mix(c, disc, std::max(body, glow));
    });
}

Image makeAppIcon(int size)
{
    double s = size;
    double half = s / 2.0;
    double corner = 0.22 * s;
    double outer = 0.40 * s, inner = outer * 0.40;
    double starX = half, starY = 0.535 * s; // star's visual centre sits below its circumcentre
    const Rgba top = {255, 178, 64, 1}, bottom = {236, 118, 18, 1}, rim = {196, 92, 10, 1};
    const Rgba star = {58, 58, 62, 1};
    return renderSupersampled(size, size, 6, [&](double x, double y) {
        double sq = roundedRectSdf(x - half, y - half, half, half, corner);
        if (sq > 0)
            return Rgba{0, 0, 0, 0};
        if (insideStar(x - starX, y - starY, outer, inner))
            return star;
        Rgba c = mix(top, bottom, y / s);
        if (sq > -std::max(1.0, s / 24.0))
            c = mix(c, rim, 0.7);
        return c;
    });
}

Image makePlusBitmap()
{
    const int width = 14, height = 16;
    // Arms 4 px thick, cross spans 12x12, centred in the 14x16 cell.
    auto inCross = [](int x, int y) {
        bool vertical = x >= 5 && x <= 8 && y >= 2 && y <= 13;
        bool horizontal = y >= 6 && y <= 9 && x >= 1 && x <= 12;
        return vertical || horizontal;
    };
    Image image = makeImage(width, height);
    const Rgba light = {150, 235, 130, 1}, dark = {20, 150, 20, 1};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (!inCross(x, y)) {
                setPixel(image, x, y, 236, 233, 216);
                continue;
            }
            bool border =
                !inCross(x - 1, y) || !inCross(x + 1, y) || !inCross(x, y - 1) || !inCross(x, y + 1);
            if (border) {
                setPixel(image, x, y, 0, 100, 0);
                continue;
            }
            // Diagonal shading: light from the top-left.
            Rgba c = mix(light, dark, (x + y - 8) / 14.0);
            setPixel(image, x, y, toByte(c.r), toByte(c.g), toByte(c.b));
        }
    }
    return image;
}

std::vector<uint8_t> encodeBmp24(const Image& image)
{
    uint32_t stride = (static_cast<uint32_t>(image.width) * 3 + 3) & ~3u;
    uint32_t sizeImage = stride * static_cast<uint32_t>(image.height);
    std::vector<uint8_t> out;
    out.push_back('B');
    out.push_back('M');
    writeLe32(out, 54 + sizeImage);
    writeLe32(out, 0);
    writeLe32(out, 54);
    writeInfoHeader(out, image.width, image.height, 24, sizeImage);
    out.resize(54 + sizeImage, 0);
    // Raw pointers keep unoptimised (debug) builds of the generator fast.
    uint8_t* dst = out.data() + 54;
    for (int y = image.height - 1; y >= 0; --y, dst += stride) {
        const uint8_t* src = image.bgra.data() + static_cast<size_t>(y) * image.width * 4;
        for (int x = 0; x < image.width; ++x) {
            dst[x * 3] = src[x * 4];
            dst[x * 3 + 1] = src[x * 4 + 1];
            dst[x * 3 + 2] = src[x * 4 + 2];
        }
    }
    return out;
}

std::vector<uint8_t> encodeIco(const std::vector<Image>& images)
{
    std::vector<std::vector<uint8_t>> blobs;
    for (const Image& image : images) {
        uint32_t maskStride = ((static_cast<uint32_t>(image.width) + 31) / 32) * 4;
        uint32_t xorSize = static_cast<uint32_t>(image.width) * image.height * 4;
        uint32_t andSize = maskStride * static_cast<uint32_t>(image.height);
        std::vector<uint8_t> blob;
        // Icon DIBs store colour and AND mask stacked, hence the doubled height.
        writeInfoHeader(blob, image.width, image.height * 2, 32, xorSize + andSize);
        for (int y = image.height - 1; y >= 0; --y) {
            auto row = image.bgra.begin() + static_cast<ptrdiff_t>(y) * image.width * 4;
            blob.insert(blob.end(), row, row + image.width * 4);
        }
        // Mark fully transparent pixels in the AND mask for renderers that ignore alpha.
        for (int y = image.height - 1; y >= 0; --y) {
            std::vector<uint8_t> bits(maskStride, 0);
            for (int x = 0; x < image.width; ++x) {
                if (image.bgra[(static_cast<size_t>(y) * image.width + x) * 4 + 3] == 0)
                    bits[x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
            }
            blob.insert(blob.end(), bits.begin(), bits.end());
        }
        blobs.push_back(std::move(blob));
    }

    std::vector<uint8_t> out;
    writeLe16(out, 0);
    writeLe16(out, 1); // icon, not cursor
    writeLe16(out, static_cast<uint32_t>(images.size()));
    uint32_t offset = 6 + 16 * static_cast<uint32_t>(images.size());
    for (size_t i = 0; i < images.size(); ++i) {
        // A stored 0 means 256 px.
        out.push_back(static_cast<uint8_t>(images[i].width >= 256 ? 0 : images[i].width));
        out.push_back(static_cast<uint8_t>(images[i].height >= 256 ? 0 : images[i].height));
        out.push_back(0);
        out.push_back(0);
        writeLe16(out, 1);
        writeLe16(out, 32);
        writeLe32(out, static_cast<uint32_t>(blobs[i].size()));
        writeLe32(out, offset);
        offset += static_cast<uint32_t>(blobs[i].size());
    }
    for (const auto& blob : blobs)
        out.insert(out.end(), blob.begin(), blob.end());
    return out;
}

std::vector<AssetFile> buildSpotlightAssets()
{
    std::vector<AssetFile> files;
    for (const SpotlightKind& kind : allSpotlightKinds())
        files.push_back({spotlightFileName(kind), encodeBmp24(makeSpotlight(kind))});
    std::vector<Image> icons;
    for (int size : kIconSizes)
        icons.push_back(makeTrayIcon(size));
    files.push_back({kTrayIconName, encodeIco(icons)});
    return files;
}

std::vector<AssetFile> buildResourceAssets()
{
    std::vector<AssetFile> files;
    files.push_back({kPlusBitmapName, encodeBmp24(makePlusBitmap())});
    std::vector<Image> icons;
    for (int size : kIconSizes)
        icons.push_back(makeAppIcon(size));
    files.push_back({kAppIconName, encodeIco(icons)});
    return files;
}

} // namespace assets
