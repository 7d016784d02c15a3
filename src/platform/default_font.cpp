#include "platform/default_font.h"

namespace default_font {

const Glyph& glyphOf(unsigned char byte)
{
    static const Glyph blank{};
    if (byte < FirstCode)
        return blank;
    return glyphs[static_cast<std::size_t>(byte - FirstCode)];
}

} // namespace default_font
