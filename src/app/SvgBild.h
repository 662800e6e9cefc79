#pragma once
// Pictures drawn for this program as SVG, shown in a picture control.
#include <QString>

class TImage;

// Draws the SVG at `path` for the screen's pixels, square in the middle of
// `picture`.  False (and the control unchanged) when the SVG cannot be read
// or the control has no size.
bool ShowSvgPicture(TImage* picture, const QString& path);
