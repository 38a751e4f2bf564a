#pragma once

#include <cstdint>

// The values of the system's constants that the window's decisions return, as Windows'
// documentation gives them; the Win32 side checks each against the system's headers
// (win32_values.cpp).
namespace zomerita::win::win32 {

// Window styles.
constexpr std::uint32_t WsChild = 0x40000000;
constexpr std::uint32_t WsVisible = 0x10000000;
constexpr std::uint32_t WsTabStop = 0x00010000;
constexpr std::uint32_t WsVScroll = 0x00200000;
constexpr std::uint32_t WsExClientEdge = 0x00000200;
// Static controls.
constexpr std::uint32_t SsCenter = 0x1;
constexpr std::uint32_t SsOwnerDraw = 0xD;
constexpr std::uint32_t SsNoPrefix = 0x80;
// Edit controls.
constexpr std::uint32_t EsCenter = 0x1;
constexpr std::uint32_t EsMultiline = 0x4;
constexpr std::uint32_t EsAutoVScroll = 0x40;
constexpr std::uint32_t EsAutoHScroll = 0x80;
constexpr std::uint32_t EsReadOnly = 0x800;
// Buttons.
constexpr std::uint32_t BsOwnerDraw = 0xB;
// Message boxes.
constexpr std::uint32_t MbOk = 0x0;
constexpr std::uint32_t MbIconError = 0x10;
constexpr std::uint32_t MbIconWarning = 0x30;
// HIGHCONTRAST's flags: on, and (set nearly always) that the feature exists at all.
constexpr unsigned HcfHighContrastOn = 0x1;
constexpr unsigned HcfAvailable = 0x2;

}  // namespace zomerita::win::win32
