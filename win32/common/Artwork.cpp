#include "win32/common/Artwork.h"

#include <objbase.h>
#include <wincodec.h>

#include <stdexcept>
#include <vector>

#include "app/ArtworkNames.h"
#include "storage/WindowsText.h"

namespace {

// Releases a COM interface at the end of its scope.
template <typename Interface>
class TComPtr {
public:
    TComPtr() = default;
    ~TComPtr()
    {
        if (Pointer)
            Pointer->Release();
    }
    TComPtr(const TComPtr&) = delete;
    TComPtr& operator=(const TComPtr&) = delete;

    Interface* operator->() const { return Pointer; }
    Interface* Get() const { return Pointer; }
    Interface** operator&() { return &Pointer; }

private:
    Interface* Pointer = nullptr;
};

[[noreturn]] void ReportUnreadable(const std::string& name)
{
    throw std::runtime_error(UnreadableArtworkText(name + ".png"));
}

void Check(HRESULT result, const std::string& name)
{
    if (FAILED(result))
        ReportUnreadable(name);
}

// Resources cannot carry '@' in their names: "BackgroundImage@2x" is stored as "BackgroundImage_at2x".
std::wstring ResourceName(const std::string& name)
{
    std::wstring resource = Wide(name);
    if (const size_t at = resource.find(L'@'); at != std::wstring::npos)
        resource.replace(at, 1, L"_at");
    return resource;
}

// A pale grey version, half transparent: the toolbar's own greying does not take alpha into account
// everywhere.
void Grey(TDib& picture)
{
    uint32_t* pixel = picture.Pixels();
    for (size_t i = 0, count = static_cast<size_t>(picture.Width() * picture.Height()); i < count; ++i) {
        const uint32_t p = pixel[i];
        const uint32_t luminance = ((p >> 16 & 0xff) * 30 + (p >> 8 & 0xff) * 59 + (p & 0xff) * 11) / 100;
        const uint32_t grey = 128 + luminance / 2;
        pixel[i] = ((p >> 24) / 2) << 24 | grey << 16 | grey << 8 | grey;
    }
}

}  // namespace

HRSRC FindArtwork(const std::string& name)
{
    return FindResourceW(GetModuleHandleW(nullptr), ResourceName(name).c_str(), MAKEINTRESOURCEW(10));  // RT_RCDATA
}

TImagingSession::TImagingSession()
{
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)))
        throw std::runtime_error("The imaging component of Windows is not available.");
}

TImagingSession::~TImagingSession()
{
    CoUninitialize();
}

namespace {

// With a size, the picture scaled to it; with rows, only its top rows (all when it has fewer).
std::unique_ptr<TDib> DecodeArtworkPart(const std::string& name, TAlpha alpha, int width, int height, int rows)
{
    const HMODULE module = GetModuleHandleW(nullptr);
    const HRSRC found = FindArtwork(name);
    const HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data)
        ReportUnreadable(name);

    TComPtr<IWICImagingFactory> factory;
    Check(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                           reinterpret_cast<void**>(&factory)), name);
    TComPtr<IWICStream> stream;
    Check(factory->CreateStream(&stream), name);
    BYTE* bytes = static_cast<BYTE*>(const_cast<void*>(data));  // WIC only reads it
    Check(stream->InitializeFromMemory(bytes, SizeofResource(module, found)), name);
    TComPtr<IWICBitmapDecoder> decoder;
    Check(factory->CreateDecoderFromStream(stream.Get(), nullptr, WICDecodeMetadataCacheOnDemand, &decoder), name);
    TComPtr<IWICBitmapFrameDecode> frame;
    Check(decoder->GetFrame(0, &frame), name);

    IWICBitmapSource* source = frame.Get();
    TComPtr<IWICBitmapScaler> scaler;
    UINT sourceWidth = 0, sourceHeight = 0;
    Check(frame->GetSize(&sourceWidth, &sourceHeight), name);
    if (width > 0 && (static_cast<UINT>(width) != sourceWidth || static_cast<UINT>(height) != sourceHeight)) {
        Check(factory->CreateBitmapScaler(&scaler), name);
        Check(scaler->Initialize(frame.Get(), static_cast<UINT>(width), static_cast<UINT>(height),
                                 WICBitmapInterpolationModeFant), name);
        source = scaler.Get();
    } else {
        width = static_cast<int>(sourceWidth);
        height = static_cast<int>(sourceHeight);
    }
    TComPtr<IWICFormatConverter> converter;
    Check(factory->CreateFormatConverter(&converter), name);
    const WICPixelFormatGUID& format =
        alpha == TAlpha::Premultiplied ? GUID_WICPixelFormat32bppPBGRA : GUID_WICPixelFormat32bppBGRA;
    Check(converter->Initialize(source, format, WICBitmapDitherTypeNone, nullptr, 0, WICBitmapPaletteTypeCustom),
          name);

    if (rows > 0 && rows < height)
        height = rows;
    auto dib = std::make_unique<TDib>(width, height);
    const UINT stride = static_cast<UINT>(width) * 4;
    const WICRect top{0, 0, width, height};
    Check(converter->CopyPixels(&top, stride, stride * static_cast<UINT>(height),
                                reinterpret_cast<BYTE*>(dib->Pixels())),
          name);
    return dib;
}

}  // namespace

std::unique_ptr<TDib> DecodeArtwork(const std::string& name, TAlpha alpha, int width, int height)
{
    return DecodeArtworkPart(name, alpha, width, height, 0);
}

std::unique_ptr<TDib> DecodeArtworkTop(const std::string& name, int rows)
{
    return DecodeArtworkPart(name, TAlpha::Straight, 0, 0, rows);
}

std::string CommandIconFile(TCommandId command, int side)
{
    return std::string(LookOf(command).IconName) + (side > 16 ? "@2x" : "");
}

HICON CreateCommandIcon(TCommandId command, int side, TIconLook look)
{
    const std::unique_ptr<TDib> colour = DecodeArtwork(CommandIconFile(command, side), TAlpha::Straight, side, side);
    if (look == TIconLook::Greyed)
        Grey(*colour);
    return CreateAlphaIcon(*colour);
}

std::unique_ptr<TDib> CreateMenuIcon(TCommandId command, int side, TIconLook look)
{
    if (look == TIconLook::Normal)
        return DecodeArtwork(CommandIconFile(command, side), TAlpha::Premultiplied, side, side);
    std::unique_ptr<TDib> picture = DecodeArtwork(CommandIconFile(command, side), TAlpha::Straight, side, side);
    Grey(*picture);
    uint32_t* pixel = picture->Pixels();
    for (size_t i = 0, count = static_cast<size_t>(side * side); i < count; ++i) {
        const uint32_t p = pixel[i], alpha = p >> 24;
        const auto times = [alpha](uint32_t channel) { return (channel & 0xff) * alpha / 255; };
        pixel[i] = alpha << 24 | times(p >> 16) << 16 | times(p >> 8) << 8 | times(p);
    }
    return picture;
}

HICON CreateAlphaIcon(TDib& picture)
{
    // The alpha channel is the transparency; the mask takes no part but must exist.
    const std::vector<BYTE> clear(static_cast<size_t>((picture.Width() + 15) / 16 * 2 * picture.Height()), 0);
    const HBITMAP mask = CreateBitmap(picture.Width(), picture.Height(), 1, 1, clear.data());
    ICONINFO info{};
    info.fIcon = TRUE;
    info.hbmColor = picture.Unselect();
    info.hbmMask = mask;
    const HICON result = CreateIconIndirect(&info);
    DeleteObject(mask);
    if (!result)
        throw std::runtime_error("Not enough memory for an icon.");
    return result;
}

HICON CreateButtonGlyph(TButtonGlyph glyph, int side, TIconLook look)
{
    const std::string name = std::string(ButtonGlyphName(glyph)) + (side > 16 ? "@2x" : "");
    const std::unique_ptr<TDib> sheet = DecodeArtwork(name, TAlpha::Straight, 2 * side, side);
    TDib half(side, side);
    const int from = look == TIconLook::Normal ? 0 : side;
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            half.Pixels()[y * side + x] = sheet->Pixel(from + x, y);
    return CreateAlphaIcon(half);
}
