#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

// A font, brush or other GDI object that is deleted with its owner.
namespace form::win32 {

struct GdiObjectDeleter {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};

template <typename Handle>
using GdiObject = std::unique_ptr<std::remove_pointer_t<Handle>, GdiObjectDeleter>;

}  // namespace form::win32
