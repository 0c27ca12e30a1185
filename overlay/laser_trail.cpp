#include "overlay/laser_trail.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "overlay/laser_rows.h"

namespace {

constexpr int kStandardDpi = 96, kLeastDpi = 24, kMostDpi = 960;
constexpr double kGlowAlpha = 100; // just outside the dot's edge, falling to 0 a quarter diameter out
// A jump across monitors stamps no more than this; the trail is dotted then, never slow.
constexpr int kMostStampsPerMove = 64;
// The list of drawn rectangles stays this short, and one of them spans at most about 50 ms of
// trail (in alpha taken off), so that little already faded keeps being faded and presented.
constexpr size_t kMostDrawn = 64;
constexpr uint64_t kMergeAlpha = 32;
// Clear pixels on either side of each sprite row, so that whole blocks of the widest kernels
// can be read.
constexpr int kSpriteMargin = 15;

bool usable(SurfacePixels surface)
{
    return surface.pixels && surface.width > 0 && surface.height > 0 &&
           rowStride(surface) >= size_t(surface.width);
}

bool isEmpty(LaserRect r)
{
    return r.width <= 0 || r.height <= 0;
}

int64_t area(LaserRect r)
{
    return isEmpty(r) ? 0 : int64_t(r.width) * r.height;
}

LaserRect unite(LaserRect a, LaserRect b)
{
    if (isEmpty(a))
        return isEmpty(b) ? LaserRect{} : b;
    if (isEmpty(b))
        return a;
    int left = std::min(a.x, b.x), bottom = std::min(a.y, b.y);
    int right = std::max(a.x + a.width, b.x + b.width), top = std::max(a.y + a.height, b.y + b.height);
    return {left, bottom, right - left, top - bottom};
}

bool contains(LaserRect outer, LaserRect inner)
{
    return inner.x >= outer.x && inner.y >= outer.y && inner.x + inner.width <= outer.x + outer.width &&
           inner.y + inner.height <= outer.y + outer.height;
}

// In 64-bit, so that a position far off the surface cannot overflow.
LaserRect clipped(SurfacePixels surface, int64_t x, int64_t y, int64_t width, int64_t height)
{
    int64_t left = std::max<int64_t>(x, 0), right = std::min<int64_t>(x + width, surface.width);
    int64_t bottom = std::max<int64_t>(y, 0), top = std::min<int64_t>(y + height, surface.height);
    if (left >= right || bottom >= top)
        return {};
    return {int(left), int(bottom), int(right - left), int(top - bottom)};
}

uint32_t* rowOf(SurfacePixels surface, int row)
{
    return surface.pixels + size_t(row) * rowStride(surface);
}

// Calls work(kernels, begin, end) over the row's pixels from..to-1: in whole blocks that begin
// on a block's boundary in memory, and pixel by pixel where a block would stick out of the
// row. The pixels a block adds around the span are clear or, for the sprite, meet its clear
// margin, so working them changes nothing.
template <class Work>
void inBlocks(uint32_t* row, int width, const LaserRowKernels& kernels, int from, int to, Work work)
{
    const int block = kernels.blockPixels;
    int start = from - int(reinterpret_cast<uintptr_t>(row + from) / sizeof(uint32_t) & unsigned(block - 1));
    if (start < 0)
        start += block;
    start = std::min(start, to);
    int stop = start + (to - start + block - 1) / block * block;
    if (stop > width)
        stop -= block;
    const LaserRowKernels& single = *laserRowKernelsOf(1);
    if (from < start)
        work(single, from, start);
    if (start < stop)
        work(kernels, start, stop);
    if (stop < to)
        work(single, stop, to);
}

// The colour bytes are rounded up: a pixel of alpha a has colour bytes of at most
// round(channel * a / 255), so after the step they are at most those of its new alpha, and
// 0 when it is.
uint32_t fadeStep(uint64_t alpha, uint32_t colour)
{
    uint32_t step = uint32_t(std::min<uint64_t>(alpha, 255));
    auto scaled = [step](uint32_t channel) { return (channel * step + 254) / 255; };
    return step << 24 | scaled(colour >> 16 & 0xFF) << 16 | scaled(colour >> 8 & 0xFF) << 8 |
           scaled(colour & 0xFF);
}

uint32_t brighterChannels(uint32_t a, uint32_t b)
{
    uint32_t result = 0;
    for (int shift = 0; shift < 24; shift += 8)
        result |= std::max(a >> shift & 0xFF, b >> shift & 0xFF) << shift;
    return result;
}

// Every row's blocks begin at the same columns: the columns are worked out once.
bool evenRows(SurfacePixels surface, int block)
{
    return reinterpret_cast<uintptr_t>(surface.pixels) % (sizeof(uint32_t) * unsigned(block)) == 0 &&
           rowStride(surface) % unsigned(block) == 0;
}

// The first column of the block that holds column, on a surface of even rows.
int blockStart(int column, int block)
{
    return column & -block;
}

int blockEnd(int column, int block)
{
    return (column + block - 1) & -block;
}

// Calls fade(begin, end) for the row's span less the hole's columns where the row meets the hole.
template <class Fade> void aroundHole(int row, int left, int right, LaserRect hole, Fade fade)
{
    if (row < hole.y || row >= hole.y + hole.height || hole.x >= right || hole.x + hole.width <= left) {
        fade(left, right);
        return;
    }
    if (left < hole.x)
        fade(left, hole.x);
    if (hole.x + hole.width < right)
        fade(hole.x + hole.width, right);
}

void fadeBand(SurfacePixels surface, const LaserRowKernels& kernels, int bottom, int top, int left, int right,
              uint32_t step, LaserRect hole)
{
    const int block = kernels.blockPixels;
    const size_t stride = rowStride(surface);
    const int start = blockStart(left, block), stop = blockEnd(right, block);
    if (evenRows(surface, block) && stop <= surface.width) {
        auto fade = [&](int from, int to, int begin, int end) {
            if (from < to && begin < end)
                kernels.fade(rowOf(surface, from) + begin, stride, to - from, end - begin, step);
        };
        const bool meets = !isEmpty(hole) && hole.x < stop && hole.x + hole.width > start;
        const int holeBottom = meets ? std::clamp(hole.y, bottom, top) : top;
        const int holeTop = meets ? std::clamp(hole.y + hole.height, holeBottom, top) : top;
        fade(bottom, holeBottom, start, stop);
        fade(holeBottom, holeTop, start, hole.x);
        fade(holeBottom, holeTop, hole.x + hole.width, stop);
        fade(holeTop, top, start, stop);
        return;
    }
    for (int row = bottom; row < top; ++row) {
        uint32_t* line = rowOf(surface, row);
        aroundHole(row, left, right, hole, [&](int begin, int end) {
            inBlocks(line, surface.width, kernels, begin, end,
                     [&](const LaserRowKernels& with, int from, int to) {
                         with.fade(line + from, 0, 1, to - from, step);
                     });
        });
    }
}

// Row bands between the drawn rectangles' edges, each faded once from its leftmost to its
// rightmost drawn column, so that overlapping rectangles never fade a pixel twice. The hole is
// left to the dot's stamp, which fades it on the way.
LaserRect fadeDrawn(SurfacePixels surface, const LaserTrail& trail, uint32_t step, LaserRect hole)
{
    int edges[2 * kMostDrawn + 2];
    LaserRect rects[kMostDrawn + 1];
    size_t count = 0, edgeCount = 0;
    for (const LaserTrail::Drawn& drawn : trail.drawn) {
        // The surface may have shrunk since.
        LaserRect r = clipped(surface, drawn.rect.x, drawn.rect.y, drawn.rect.width, drawn.rect.height);
        if (isEmpty(r) || count == kMostDrawn + 1)
            continue;
        rects[count++] = r;
        // Mostly the same few rows: only new edges are kept, for a short sort.
        for (int edge : {r.y, r.y + r.height})
            if (std::find(edges, edges + edgeCount, edge) == edges + edgeCount)
                edges[edgeCount++] = edge;
    }
    std::sort(edges, edges + edgeCount);
    LaserRect faded = {};
    for (size_t band = 0; band + 1 < edgeCount; ++band) {
        int bottom = edges[band], top = edges[band + 1], left = INT_MAX, right = INT_MIN;
        for (size_t i = 0; i < count; ++i)
            if (rects[i].y <= bottom && rects[i].y + rects[i].height >= top) {
                left = std::min(left, rects[i].x);
                right = std::max(right, rects[i].x + rects[i].width);
            }
        if (left >= right)
            continue;
        fadeBand(surface, *trail.kernels, bottom, top, left, right, step, hole);
        faded = unite(faded, {left, bottom, right - left, top - bottom});
    }
    return faded;
}

// Into the last rectangle when it holds the new one, or when it is recent and the union
// wastes less than the new one would add; over the limit, the neighbours whose union wastes
// least become one.
void remember(LaserTrail& trail, LaserRect r)
{
    const uint64_t now = trail.fadedSince;
    if (!trail.drawn.empty()) {
        LaserTrail::Drawn& last = trail.drawn.back();
        LaserRect both = unite(last.rect, r);
        if (contains(last.rect, r) ||
            (now - last.since <= kMergeAlpha && area(both) <= area(last.rect) + area(r))) {
            last.rect = both;
            last.at = now;
            return;
        }
    }
    trail.drawn.push_back({r, now, now});
    if (trail.drawn.size() <= kMostDrawn)
        return;
    size_t best = 0;
    int64_t leastWaste = INT64_MAX;
    for (size_t i = 0; i + 1 < trail.drawn.size(); ++i) {
        const LaserRect a = trail.drawn[i].rect, b = trail.drawn[i + 1].rect;
        int64_t waste = area(unite(a, b)) - area(a) - area(b);
        if (waste < leastWaste) {
            leastWaste = waste;
            best = i;
        }
    }
    LaserTrail::Drawn& kept = trail.drawn[best];
    const LaserTrail::Drawn& next = trail.drawn[best + 1];
    kept = {unite(kept.rect, next.rect), std::min(kept.since, next.since), std::max(kept.at, next.at)};
    trail.drawn.erase(trail.drawn.begin() + ptrdiff_t(best) + 1);
}

// The whole blocks that the sprite centred on column x, row y covers, when its margin keeps
// them inside each row and every row's blocks begin at the same columns; else empty.
LaserRect spriteBlocks(SurfacePixels surface, const LaserTrail& trail, int64_t x, int64_t y)
{
    const int size = trail.spriteSize, block = trail.kernels->blockPixels;
    const int64_t left = x - size / 2, bottom = y - size / 2;
    LaserRect covered = clipped(surface, left, bottom, size, size);
    if (covered.x != left || covered.width != size || !evenRows(surface, block))
        return {};
    const int start = blockStart(covered.x, block), stop = blockEnd(covered.x + size, block);
    return stop <= surface.width ? LaserRect{start, covered.y, stop - start, covered.height} : LaserRect{};
}

// The sprite centred on column x, row y; gives back the part of the surface it covers. A
// step other than 0 fades the pixels under its blocks first.
LaserRect stampAt(SurfacePixels surface, LaserTrail& trail, int64_t x, int64_t y, uint32_t step = 0)
{
    const int size = trail.spriteSize;
    const int64_t left = x - size / 2, bottom = y - size / 2;
    const LaserRect covered = clipped(surface, left, bottom, size, size);
    if (isEmpty(covered))
        return {};
    const size_t pitch = size_t(trail.spritePitch);
    auto spriteAt = [&](int row, int64_t column) {
        return trail.sprite.data() + size_t(row - bottom) * pitch + size_t(kSpriteMargin + (column - left));
    };
    const LaserRect blocks = spriteBlocks(surface, trail, x, y);
    if (!isEmpty(blocks)) {
        trail.kernels->stamp(rowOf(surface, covered.y) + blocks.x, rowStride(surface), covered.height,
                             blocks.width, spriteAt(covered.y, blocks.x), pitch, step);
    } else {
        for (int row = covered.y; row < covered.y + covered.height; ++row) {
            const size_t i = size_t(row - bottom);
            const int64_t begin = std::max<int64_t>(left + trail.spriteRuns[2 * i], covered.x);
            const int64_t end =
                std::min<int64_t>(left + trail.spriteRuns[2 * i + 1], covered.x + covered.width);
            uint32_t* line = rowOf(surface, row);
            if (begin < end)
                inBlocks(line, surface.width, *trail.kernels, int(begin), int(end),
                         [&](const LaserRowKernels& with, int from, int to) {
                             with.stamp(line + from, 0, 1, to - from, spriteAt(row, from), 0, 0);
                         });
        }
    }
    remember(trail, covered);
    return covered;
}

} // namespace

void setLaserLook(LaserTrail& trail, int dpi, uint32_t colour)
{
    dpi = dpi <= 0 ? kStandardDpi : std::clamp(dpi, kLeastDpi, kMostDpi);
    colour &= 0xFFFFFF;
    if (!trail.sprite.empty() && dpi == trail.dpi && colour == trail.colour)
        return;
    trail.dpi = dpi;
    trail.colour = colour;
    if (!trail.kernels)
        trail.kernels = &laserRowKernels();
    const double radius = kLaserDotPixels * dpi / (2.0 * kStandardDpi);
    const double outer = radius * 1.5;
    // The farthest pixel centre along an axis that the glow still reaches.
    const int reach = std::max(0, int(std::ceil(outer)) - 1);
    const int size = 2 * reach + 1;
    trail.spriteSize = size;
    trail.spacing = std::max(1, int(std::lround(radius / 2)));
    trail.spritePitch = size + 2 * kSpriteMargin;
    trail.sprite.assign(size_t(trail.spritePitch) * size_t(size), 0);
    trail.spriteRuns.assign(2 * size_t(size), 0);
    for (int row = 0; row < size; ++row) {
        int first = size, last = -1;
        for (int column = 0; column < size; ++column) {
            const double distance = std::hypot(column - reach, row - reach);
            const double towardsOuter = std::clamp((distance - radius) / (outer - radius), 0.0, 1.0);
            const double glow = kGlowAlpha * (1 - towardsOuter) * (1 - towardsOuter);
            // The dot's edge is anti-aliased by the part of the pixel inside it.
            const double inside = std::clamp(radius + 0.5 - distance, 0.0, 1.0);
            const int alpha = int(std::lround(inside * 255 + (1 - inside) * glow));
            trail.sprite[size_t(row) * size_t(trail.spritePitch) + size_t(kSpriteMargin + column)] =
                tintedPixel(alpha, colour);
            if (alpha > 0) {
                first = std::min(first, column);
                last = column;
            }
        }
        if (last >= first) {
            trail.spriteRuns[2 * size_t(row)] = first;
            trail.spriteRuns[2 * size_t(row) + 1] = last + 1;
        }
    }
}

void clearLaser(LaserTrail& trail)
{
    trail.drawn.clear();
    trail.dotPlaced = false;
    trail.elapsed = 0;
    trail.fadedSince = 0;
}

LaserRect laserTick(SurfacePixels surface, LaserTrail& trail, bool dotShown, int x, int y, uint32_t now)
{
    const uint32_t since = trail.lastTick;
    trail.lastTick = now;
    if (!trail.kernels)
        trail.kernels = &laserRowKernels();
    if (!usable(surface)) {
        clearLaser(trail);
        return {};
    }
    if (dotShown && trail.sprite.empty())
        setLaserLook(trail, trail.dpi, trail.colour);
    // The stamps from the last dot to this one, the last dot being there already.
    const int64_t dx = int64_t(x) - trail.lastX, dy = int64_t(y) - trail.lastY;
    int64_t stamps = 1;
    if (dotShown && trail.dotPlaced)
        stamps = std::max<int64_t>(
            1, std::min<int64_t>(int64_t(std::ceil(std::hypot(double(dx), double(dy)) / trail.spacing)),
                                 kMostStampsPerMove));
    LaserRect changed = {};
    uint32_t fade = 0;
    if (trail.drawn.empty()) {
        trail.elapsed = 0;
        trail.fadedSince = 0;
        trail.fadeColour = trail.colour;
    } else {
        // Unsigned difference: right across the tick count's wrap.
        trail.elapsed += uint32_t(now - since);
        const uint64_t total = trail.elapsed * 255 / kLaserFadeMs;
        const uint64_t step = total - trail.fadedSince;
        trail.fadedSince = total;
        fade = step > 0 ? fadeStep(step, trail.fadeColour) : 0;
    }
    // A dot alone, the steady or slow pointer's case, fades what lies under it as it is stamped:
    // one pass over those pixels instead of two.
    const LaserRect hole = dotShown && stamps == 1 && fade ? spriteBlocks(surface, trail, x, y) : LaserRect{};
    if (fade) {
        changed = fadeDrawn(surface, trail, fade, hole);
        const uint64_t total = trail.fadedSince;
        trail.drawn.erase(std::remove_if(trail.drawn.begin(), trail.drawn.end(),
                                         [total](const LaserTrail::Drawn& d) { return total - d.at >= 255; }),
                          trail.drawn.end());
    }
    if (!dotShown) {
        trail.dotPlaced = false;
        return changed;
    }
    trail.fadeColour = brighterChannels(trail.fadeColour, trail.colour);
    for (int64_t k = 1; k < stamps; ++k)
        changed = unite(changed, stampAt(surface, trail, trail.lastX + std::llround(double(dx) * k / stamps),
                                         trail.lastY + std::llround(double(dy) * k / stamps)));
    changed = unite(changed, stampAt(surface, trail, x, y, isEmpty(hole) ? 0 : fade));
    trail.dotPlaced = true;
    trail.lastX = x;
    trail.lastY = y;
    return changed;
}

bool laserFaded(const LaserTrail& trail)
{
    return trail.drawn.empty();
}
