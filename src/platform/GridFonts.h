#pragma once

#include <QFont>

#include "platform/Settings.h"
#include "render/Surface.h"

class QPaintDevice;

// The results grid's five fonts are made from one description kept in the
// settings store. With Qt a font is a value, so the description itself is what
// the program holds: each PainterSurface realises the QFonts for its own device
// and scale when it needs them and drops them with itself. Nothing has to be
// freed when the description is replaced (after the Font command the caller
// simply calls CreateGridFonts again and hands the new description on).

// The grid font description from the store (face, height, weight, italic).
GridFontDescription CreateGridFonts();
GridFontDescription ToGridFontDescription(const GridFontSettings& settings);

// The date font's height: height x 10 / 12, rounded half away from zero.
int DateFontHeight(int height);

// Degrees to turn the painter by (clockwise on the device, y down) to draw in
// this font: the downward font runs down the device, the upward font up it.
double FontRotation(FontRole role);

// A font of the platform's default roman (proportional serif) face, for fonts
// asked for without a face name. Times New Roman is that face where it exists;
// elsewhere the font configuration maps the name to its metric twin
// (Liberation Serif), and failing that the style hint falls back on the
// system's serif face. (An empty family with a serif hint is no good: Qt then
// takes the first face it finds, which may be a mathematical symbol face.)
QFont DefaultRomanFont();

// Sets the font's pixel size for a height in 0.1 mm: negative is the
// character (em) height, positive the cell height (ascent + descent), as
// measured on the device. pixelsPerUnit is device pixels per 0.1 mm.
void SizeFont(QFont& font, int height, double pixelsPerUnit, QPaintDevice* device);

// One of the five grid fonts (Main, Italic, Date, Downward, Upward) for a
// device; the rotated fonts are the main font, turned when drawn.
QFont MakeGridFont(const GridFontDescription& description, FontRole role, double pixelsPerUnit,
                   QPaintDevice* device);
