// UTF-16LE (the form of every string in resources) to UTF-8.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace pe {

// Converts whole code units (a trailing odd byte is ignored); an unpaired
// surrogate becomes U+FFFD.
std::string Utf16LeToUtf8(std::span<const std::uint8_t> bytes);

}  // namespace pe
