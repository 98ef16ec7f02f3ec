// Windows-1252 and UTF-8 for the exchange formats, without a window system:
// the record's bytes are Windows-1252, the exchange formats' texts UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace wl {

// Every byte maps to one character; the five bytes the code page leaves
// undefined map to the C1 control of the same value, so the way back is exact.
std::string Utf8From1252(std::string_view bytes);
// UTF-8 to Windows-1252. A character outside the code page, or a byte that is
// not valid UTF-8, becomes "?" and clears `exact` (when given).
std::string Utf8To1252(std::string_view text, bool* exact = nullptr);
// Every byte belongs to a valid UTF-8 sequence.
bool IsUtf8(std::string_view text);

} // namespace wl
