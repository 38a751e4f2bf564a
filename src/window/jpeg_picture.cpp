#include "jpeg_picture.h"

#include <objbase.h>
#include <ocidl.h>
#include <olectl.h>

#include <cstring>

#include "com_handles.h"
#include "resource_ids.h"
#include "window_error.h"

namespace zomerita::win {
namespace {

// The resource's bytes in a stream that owns a movable copy of them.
ComOwner<IStream> StreamOfResource(HINSTANCE module, int resourceId)
{
    const HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(resourceId), RT_RCDATA);
    const HGLOBAL loaded = resource ? LoadResource(module, resource) : nullptr;
    const void* const bytes = loaded ? LockResource(loaded) : nullptr;
    const DWORD size = resource ? SizeofResource(module, resource) : 0;
    if (!bytes || size == 0)
        throw WindowError(IDS_ERROR_PHOTOGRAPH, "the photograph is missing from the program's resources");

    const HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, size);
    void* const target = copy ? GlobalLock(copy) : nullptr;
    if (!target) {
        if (copy)
            GlobalFree(copy);
        throw WindowError(IDS_ERROR_PHOTOGRAPH, "no memory for the photograph");
    }
    std::memcpy(target, bytes, size);
    GlobalUnlock(copy);

    IStream* stream = nullptr;
    if (FAILED(CreateStreamOnHGlobal(copy, TRUE, &stream))) {
        GlobalFree(copy);
        throw WindowError(IDS_ERROR_PHOTOGRAPH, "no stream for the photograph");
    }
    return ComOwner<IStream>(stream);
}

}  // namespace

UniqueBitmap LoadJpegResource(HINSTANCE module, int resourceId)
{
    const ComApartment apartment;
    const ComOwner<IStream> stream = StreamOfResource(module, resourceId);

    IPicture* loaded = nullptr;
    if (FAILED(OleLoadPicture(stream.get(), 0, FALSE, IID_IPicture, reinterpret_cast<void**>(&loaded))) || !loaded)
        throw WindowError(IDS_ERROR_PHOTOGRAPH, "the photograph could not be decoded");
    const ComOwner<IPicture> picture(loaded);

    OLE_HANDLE handle = 0;
    if (FAILED(picture->get_Handle(&handle)))
        throw WindowError(IDS_ERROR_PHOTOGRAPH, "the decoded photograph has no bitmap");
    // The picture object owns its bitmap; keep a copy of our own.
    const auto copy = static_cast<HBITMAP>(
        CopyImage(reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(handle)), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (!copy)
        throw WindowError(IDS_ERROR_PHOTOGRAPH, "the photograph could not be copied");
    return UniqueBitmap(copy);
}

}  // namespace zomerita::win
