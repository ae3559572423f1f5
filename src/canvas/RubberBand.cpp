// Temporary: the shape rubber band and finish arrive with the shape rasterisers.
#include "canvas/DrawingTools.h"
void DrawingTools::drawRubberBand() {}
void DrawingTools::moveRubberBand(float, float) {}
void DrawingTools::finishShape() {}
