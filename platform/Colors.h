#pragma once
// Colours between the model's TColor ($BBGGRR) and Qt. Named system colours are resolved
// against the application palette, so the window follows the desktop's theme.

#include "calendar/Color.h"

#include <QColor>

// The RGB value of a colour; a system colour is looked up in the application palette.
TColor ColorToRGB(TColor color);
QColor ToQColor(TColor color);
TColor FromQColor(const QColor& color);
