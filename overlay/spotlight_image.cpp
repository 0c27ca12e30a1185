#include "overlay/spotlight_image.h"

SpotlightImage spotlightImage;

void loadSpotlightImage() {}

MaskImage spotlightMask()
{
    return {spotlightImage.bits, spotlightImage.width, spotlightImage.height, spotlightImage.stride};
}
