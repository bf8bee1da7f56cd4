#include "model/storage/Serializer.h"

#include <array>
#include <string_view>

namespace Vantu
{
namespace
{
std::array<bool, 256> buildNameCharacters()
{
    std::array<bool, 256> allowed {};
    for (int c = 'A'; c <= 'Z'; ++c)
        allowed[std::size_t (c)] = true;
    for (int c = '0'; c <= '9'; ++c)
        allowed[std::size_t (c)] = true;
    for (unsigned char c : { 0xC5, 0xC4, 0xD6, 0xDC, 0xDF, 0xC6, 0xD8, 0xC7, 0xD1 })
        allowed[c] = true;
    for (unsigned char c : std::string_view ("~!@#$%^&()_+-= "))
        allowed[c] = true;
    return allowed;
}
} // namespace

bool isValidDeviceName (const char* name16)
{
    static const std::array<bool, 256> allowed = buildNameCharacters();
    if (name16 == nullptr)
        return false;
    for (int i = 0; i < 16 && name16[i] != '\0'; ++i)
        if (! allowed[static_cast<unsigned char> (name16[i])])
            return false;
    return true;
}
} // namespace Vantu
