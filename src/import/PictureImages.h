#pragma once

#include "document/GreyPicture.h"
#include "document/PixelGrid.h"

#include <QByteArray>
#include <QImage>
#include <QString>

// Conversions between calculator pictures and ordinary images: for the command-line tool,
// the clipboard, the picture export and the text tool.

// The calculator's graph screen, in picture pixels: the size of a --screen import.
constexpr int kScreenWidth = 160;
constexpr int kScreenHeight = 77;

// The dark pixels of an image, 1:1 at the image's size, judged by the editor's import
// rule (isDarkImportPixel).
PixelGrid darkPixels(const QImage &image);

// The image imported onto a blank graph screen exactly as the editor's File > Import
// places and judges it; what falls beyond the screen is dropped.
PixelGrid screenPixels(const QImage &image);

// The picture 1:1, black pixels RGB(0, 0, 0) and white pixels RGB(255, 255, 255).
QImage blackAndWhiteImage(const PixelGrid &pixels, int width, int height);

// Plain PBM ("P1"), 1 = black, lines of at most 70 characters.
QByteArray plainPbm(const PixelGrid &pixels, int width, int height);

// The picture 1:1 as the bytes of an image file of the kind `suffix` names: "pbm" (plain
// PBM), or any kind Qt writes ("png", "bmp": 1 bit). Empty when it cannot be encoded.
QByteArray pictureFileBytes(const PixelGrid &pixels, int width, int height, const QString &suffix);

// A grey picture 1:1: white, light grey, dark grey and black as the calculator's screen
// shows them on average, in linear light 1, 2/3, 1/3 and 0 (RGB 255, 213, 156, 0), so that
// a scaled import with four levels gives the same levels back.
QRgb greyLevelColour(GreyLevel level);
QImage greyImage(const GreyPicture &picture);
// As an image file of a kind Qt writes ("png", "bmp"); empty when it cannot be encoded.
QByteArray greyFileBytes(const GreyPicture &picture, const QString &suffix);

// Any picture from outside (the clipboard): black where its luminance, over white where it
// is transparent, is below half.
PixelGrid luminancePixels(const QImage &image);
// The same for a grey picture: each pixel the level (0 white to 3 black) whose grey of
// greyLevelColour is nearest its luminance.
PixelGrid nearestGreyLevels(const QImage &image);

// A line of text in 1 bit, without smoothing: the font `family` at `pixelSize` pixels,
// bold or not; as wide as the text advances and as high as the font's lines. Empty text
// gives an empty grid.
PixelGrid textPixels(const QString &text, const QString &family, int pixelSize, bool bold);
