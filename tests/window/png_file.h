// PNG files of screen pictures, read and written with the Windows Imaging Component.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zomerita::test_support {

// A picture: its pixels row by row, top row first, each 0x00RRGGBB.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
    friend bool operator==(const Picture&, const Picture&) = default;
};

// The picture in a PNG file; none if it cannot be read.
std::optional<Picture> ReadPng(const std::wstring& path);

// Writes the picture as a PNG file; false if it could not.
bool WritePng(const std::wstring& path, const Picture& picture);

}  // namespace zomerita::test_support
