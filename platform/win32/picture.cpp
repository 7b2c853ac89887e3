// SPDX-License-Identifier: MIT
#include "picture.h"

#include <cstring>
#include <objbase.h>
#include <olectl.h>

namespace platform::win32 {

HBITMAP loadPictureResource(int identifier)
{
    const HMODULE module = GetModuleHandleW(nullptr);
    HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(identifier), MAKEINTRESOURCEW(10));
    if (!resource)
        return nullptr;
    const DWORD size = SizeofResource(module, resource);
    const void *bytes = LockResource(LoadResource(module, resource));
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!bytes || !memory)
        return nullptr;
    std::memcpy(GlobalLock(memory), bytes, size);
    GlobalUnlock(memory);

    HBITMAP bitmap = nullptr;
    IStream *stream = nullptr;
    if (SUCCEEDED(CreateStreamOnHGlobal(memory, TRUE, &stream))) {
        IPicture *picture = nullptr;
        if (SUCCEEDED(OleLoadPicture(stream, static_cast<LONG>(size), FALSE, IID_IPicture,
                                     reinterpret_cast<void **>(&picture)))) {
            OLE_HANDLE handle = 0;
            if (SUCCEEDED(picture->get_Handle(&handle)))
                bitmap = static_cast<HBITMAP>(
                    CopyImage(reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(handle)), IMAGE_BITMAP,
                              0, 0, LR_CREATEDIBSECTION));
            picture->Release();
        }
        stream->Release();
    } else {
        GlobalFree(memory);
    }
    return bitmap;
}

} // namespace platform::win32
