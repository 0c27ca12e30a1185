#include "overlay/laser_trail.h"

// Placeholder until the drawing lands.
void setLaserLook(LaserTrail& trail, int dpi, uint32_t colour)
{
    trail.dpi = dpi;
    trail.colour = colour;
}

void clearLaser(LaserTrail& trail)
{
    trail.drawn.clear();
    trail.dotPlaced = false;
}

LaserRect laserTick(SurfacePixels surface, LaserTrail& trail, bool dotShown, int x, int y, uint32_t now)
{
    trail.lastTick = now;
    if (!dotShown) {
        clearLaser(trail);
        return {};
    }
    fillRect(surface, x - 8, y - 8, 16, 16, tintedPixel(255, trail.colour));
    trail.dotPlaced = true;
    trail.lastX = x;
    trail.lastY = y;
    return {x - 8, y - 8, 16, 16};
}

bool laserFaded(const LaserTrail& trail)
{
    return trail.drawn.empty() && !trail.dotPlaced;
}
