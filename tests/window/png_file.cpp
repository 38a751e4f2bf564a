#include "png_file.h"

#include <windows.h>
#include <wincodec.h>

#include "com_handles.h"

namespace zomerita::test_support {
namespace {

using win::ComOwner;

ComOwner<IWICImagingFactory> Factory()
{
    IWICImagingFactory* factory = nullptr;
    CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&factory));
    return ComOwner<IWICImagingFactory>(factory);
}

}  // namespace

std::optional<Picture> ReadPng(const std::wstring& path)
{
    const win::ComApartment apartment;
    const auto factory = Factory();
    IWICBitmapDecoder* decoder = nullptr;
    if (!factory ||
        FAILED(factory->CreateDecoderFromFilename(path.c_str(), nullptr, GENERIC_READ, WICDecodeMetadataCacheOnDemand,
                                                  &decoder)))
        return std::nullopt;
    const ComOwner<IWICBitmapDecoder> ownedDecoder(decoder);
    IWICBitmapFrameDecode* frame = nullptr;
    IWICFormatConverter* converter = nullptr;
    if (FAILED(decoder->GetFrame(0, &frame)))
        return std::nullopt;
    const ComOwner<IWICBitmapFrameDecode> ownedFrame(frame);
    if (FAILED(factory->CreateFormatConverter(&converter)))
        return std::nullopt;
    const ComOwner<IWICFormatConverter> ownedConverter(converter);
    UINT width = 0, height = 0;
    if (FAILED(converter->Initialize(frame, GUID_WICPixelFormat32bppBGR, WICBitmapDitherTypeNone, nullptr, 0,
                                     WICBitmapPaletteTypeCustom)) ||
        FAILED(converter->GetSize(&width, &height)))
        return std::nullopt;
    Picture picture{static_cast<int>(width), static_cast<int>(height), std::vector<std::uint32_t>(width * height)};
    if (FAILED(converter->CopyPixels(nullptr, width * 4, width * height * 4,
                                     reinterpret_cast<BYTE*>(picture.pixels.data()))))
        return std::nullopt;
    for (std::uint32_t& pixel : picture.pixels)
        pixel &= 0x00FFFFFF;  // the unused byte of 32bppBGR
    return picture;
}

bool WritePng(const std::wstring& path, const Picture& picture)
{
    const win::ComApartment apartment;
    const auto factory = Factory();
    IWICStream* stream = nullptr;
    if (!factory || FAILED(factory->CreateStream(&stream)))
        return false;
    const ComOwner<IWICStream> ownedStream(stream);
    IWICBitmapEncoder* encoder = nullptr;
    if (FAILED(stream->InitializeFromFilename(path.c_str(), GENERIC_WRITE)) ||
        FAILED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, &encoder)))
        return false;
    const ComOwner<IWICBitmapEncoder> ownedEncoder(encoder);
    IWICBitmapFrameEncode* frame = nullptr;
    if (FAILED(encoder->Initialize(stream, WICBitmapEncoderNoCache)) ||
        FAILED(encoder->CreateNewFrame(&frame, nullptr)))
        return false;
    const ComOwner<IWICBitmapFrameEncode> ownedFrame(frame);
    // Three bytes a pixel, blue first, which every PNG encoder takes.
    WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
    const UINT width = static_cast<UINT>(picture.width);
    const UINT height = static_cast<UINT>(picture.height);
    std::vector<BYTE> bytes;
    bytes.reserve(picture.pixels.size() * 3);
    for (const std::uint32_t pixel : picture.pixels)
        bytes.insert(bytes.end(), {BYTE(pixel), BYTE(pixel >> 8), BYTE(pixel >> 16)});
    return SUCCEEDED(frame->Initialize(nullptr)) && SUCCEEDED(frame->SetSize(width, height)) &&
        SUCCEEDED(frame->SetPixelFormat(&format)) && format == GUID_WICPixelFormat24bppBGR &&
        SUCCEEDED(frame->WritePixels(height, width * 3, static_cast<UINT>(bytes.size()), bytes.data())) &&
        SUCCEEDED(frame->Commit()) && SUCCEEDED(encoder->Commit());
}

}  // namespace zomerita::test_support
