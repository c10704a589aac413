#include "qt/common/PngRowReader.h"

#include <QtEndian>

#include <png.h>

#include <cstring>
#include <utility>

namespace {

struct TSource {
    QByteArray Data;
    qsizetype Offset = 0;
};

void ReadData(png_structp png, png_bytep out, size_t length)
{
    auto* source = static_cast<TSource*>(png_get_io_ptr(png));
    if (static_cast<size_t>(source->Data.size() - source->Offset) < length)
        png_error(png, "truncated");
    std::memcpy(out, source->Data.constData() + source->Offset, length);
    source->Offset += static_cast<qsizetype>(length);
}

// Failures are answered by the caller, not printed.
[[noreturn]] void Fail(png_structp png, png_const_charp)
{
    png_longjmp(png, 1);
}

void IgnoreWarning(png_structp, png_const_charp) {}

// Any PNG ends as 8-bit blue, green, red and a filler byte in memory order, RGB32 on a
// little-endian machine; alpha, if any, is dropped, as a conversion of the picture to RGB32 would.
void AskForRgb32(png_structp png, png_infop info)
{
    png_set_expand(png);
    png_set_strip_16(png);
    png_set_gray_to_rgb(png);
    if ((png_get_color_type(png, info) & PNG_COLOR_MASK_ALPHA) || png_get_valid(png, info, PNG_INFO_tRNS))
        png_set_strip_alpha(png);
    if constexpr (Q_BYTE_ORDER == Q_LITTLE_ENDIAN) {
        png_set_bgr(png);
        png_set_filler(png, 0xff, PNG_FILLER_AFTER);
    } else {
        png_set_filler(png, 0xff, PNG_FILLER_BEFORE);
    }
}

}  // namespace

struct TPngRowReader::TState {
    TSource Source;
    png_structp Png = nullptr;
    png_infop Info = nullptr;
    int Passes = 1;
    int Rows = 0;
    bool Failed = false;
    QImage Picture;

    // libpng's own state, its inflate window above all, goes as soon as it is of no more use.
    void Finish() { png_destroy_read_struct(&Png, &Info, nullptr); }
    void Abandon()
    {
        Failed = true;
        Finish();
    }
};

// libpng reports errors by a long jump back to the setjmp of the function that called it: these
// functions create nothing with a destructor after their setjmp.
TPngRowReader::TPngRowReader(QByteArray data, qreal pixelRatio)
    : State(std::make_unique<TState>())
{
    TState& state = *State;
    state.Source.Data = std::move(data);
    state.Png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, Fail, IgnoreWarning);
    state.Info = state.Png ? png_create_info_struct(state.Png) : nullptr;
    if (!state.Info || setjmp(png_jmpbuf(state.Png))) {
        state.Abandon();
        return;
    }
    png_set_read_fn(state.Png, &state.Source, ReadData);
    png_read_info(state.Png, state.Info);
    AskForRgb32(state.Png, state.Info);
    state.Passes = png_set_interlace_handling(state.Png);
    png_read_update_info(state.Png, state.Info);
    state.Picture = QImage(static_cast<int>(png_get_image_width(state.Png, state.Info)),
                           static_cast<int>(png_get_image_height(state.Png, state.Info)), QImage::Format_RGB32);
    if (state.Picture.isNull())
        state.Abandon();
    else
        state.Picture.setDevicePixelRatio(pixelRatio);
}

TPngRowReader::~TPngRowReader()
{
    State->Finish();
}

bool TPngRowReader::DecodeRows(int rows)
{
    TState& state = *State;
    const int height = state.Picture.height();
    // Every pass of an interlaced picture spans all of its rows.
    const int wanted = state.Passes > 1 ? height : qMin(rows, height);
    if (state.Failed || wanted <= state.Rows)
        return !state.Failed;
    uchar* const bits = state.Picture.bits();
    const qsizetype stride = state.Picture.bytesPerLine();
    if (setjmp(png_jmpbuf(state.Png))) {
        state.Abandon();
        return false;
    }
    for (int pass = 0; pass < state.Passes; ++pass)
        for (int row = pass == 0 ? state.Rows : 0; row < wanted; ++row)
            png_read_row(state.Png, bits + row * stride, nullptr);
    state.Rows = wanted;
    if (state.Rows == height)
        state.Finish();
    return true;
}

int TPngRowReader::DecodedRows() const
{
    return State->Rows;
}

bool TPngRowReader::Failed() const
{
    return State->Failed;
}

const QImage& TPngRowReader::Picture() const
{
    return State->Picture;
}
