// Module resources by number, embedded at build time. A program lists them in
// a manifest and calls platform_add_resources(<target> <manifest>) in CMake;
// they register themselves when the program starts.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>

namespace platform {

enum class ResourceType { Bitmap, Avi, Icon, String, Help };

// Called by the generated code; data must live for the whole process.
void RegisterResource(ResourceType type, int id, const void* data, std::size_t size);

// The bytes of a resource, or nothing.
std::optional<std::span<const unsigned char>> FindResource(ResourceType type, int id);

// A string of the string table, "" when there is none.
std::string LoadString(int id);

// Whether a bitmap resource exists and decodes (BMP, also RLE4 and RLE8);
// its size in pixels when it does.
bool GetBitmapSize(int id, int* width, int* height);

}  // namespace platform
