#include "faces/BoardPicture.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <stdexcept>
#include <utility>

namespace {

constexpr int TextureCount = 6;
constexpr double DoubleTexturesFrom = 1.5;

void RequireSheet(const TPixelImage& sheet)
{
    if (sheet.Height <= 0 || sheet.Width != sheet.Height * TextureCount ||
        sheet.Pixels.size() != size_t(sheet.Width) * size_t(sheet.Height))
        throw std::invalid_argument("The background sheet is not six square textures side by side.");
}

int32_t Device(int32_t design, double scale)
{
    return static_cast<int32_t>(std::lround(design * scale));
}

}  // namespace

TBoardPicture::TBoardPicture(TPixelImage textures, TPixelImage doubleTextures)
    : Textures(std::move(textures)), DoubleTextures(std::move(doubleTextures))
{
    RequireSheet(Textures);
    RequireSheet(DoubleTextures);
}

void TBoardPicture::Resize(int32_t width, int32_t height, double scale, int32_t originX, int32_t originY)
{
    if (width <= 0 || height <= 0 || !(scale > 0))
        throw std::invalid_argument("A board picture needs a positive size and scale.");
    Faces.SetScale(scale);
    Picture = TPixelImage(width, height);
    OriginX = originX;
    OriginY = originY;
}

void TBoardPicture::TakeFaces(TFaceCache faces)
{
    if (faces.Scale() == Scale())
        Faces = std::move(faces);
}

void TBoardPicture::DrawBackground(uint8_t index)
{
    const TPixelImage& sheet = Scale() >= DoubleTexturesFrom ? DoubleTextures : Textures;
    const int32_t side = sheet.Height;
    const int32_t texture = index < TextureCount ? index : 0;
    // The grid starts at the board's origin, and reaches back from it over the room before it.
    const auto first = [side](int32_t origin) { return origin - (origin + side - 1) / side * side; };
    // Cell by cell down to a whole band of the grid; below it each row repeats the one a band up,
    // whole rows being the fastest copies.
    int32_t top = first(OriginY);
    for (; top < std::min(side, Picture.Height); top += side)
        for (int32_t left = first(OriginX); left < Picture.Width; left += side)
            Copy(sheet, texture * side, 0, side, side, left, top);
    for (int32_t row = top; row < Picture.Height; ++row)
        std::memcpy(Picture.Row(row), Picture.Row(row - side), static_cast<size_t>(Picture.Width) * sizeof(uint32_t));
}

void TBoardPicture::DrawFace(const TFacePicture& face, int32_t left, int32_t top)
{
    const TPixelImage& cell = Faces.Face(face);
    Copy(cell, 0, 0, cell.Width, cell.Height, OriginX + Device(left, Scale()), OriginY + Device(top, Scale()));
}

// An opaque copy, cut at the picture's edges.
void TBoardPicture::Copy(const TPixelImage& source, int32_t sourceLeft, int32_t sourceTop, int32_t width,
                         int32_t height, int32_t left, int32_t top)
{
    if (left < 0) {
        sourceLeft -= left;
        width += left;
        left = 0;
    }
    if (top < 0) {
        sourceTop -= top;
        height += top;
        top = 0;
    }
    width = std::min(width, Picture.Width - left);
    height = std::min(height, Picture.Height - top);
    if (width <= 0 || height <= 0)
        return;
    for (int32_t row = 0; row < height; ++row)
        std::memcpy(Picture.Row(top + row) + left, source.Row(sourceTop + row) + sourceLeft,
                    static_cast<size_t>(width) * sizeof(uint32_t));
}
