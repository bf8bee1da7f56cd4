#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

namespace storagetest
{
// A record in wire form, built byte by byte.
struct Wire
{
    explicit Wire (std::size_t size) : bytes (size, 0) {}

    Wire& be16 (std::size_t at, std::uint16_t v)
    {
        bytes.at (at) = std::uint8_t (v >> 8);
        bytes.at (at + 1) = std::uint8_t (v);
        return *this;
    }
    Wire& be32 (std::size_t at, std::uint32_t v)
    {
        be16 (at, std::uint16_t (v >> 16));
        return be16 (at + 2, std::uint16_t (v));
    }
    Wire& u8 (std::size_t at, std::uint8_t v)
    {
        bytes.at (at) = v;
        return *this;
    }
    Wire& text (std::size_t at, const char* s, std::size_t n = 16)
    {
        std::memcpy (bytes.data() + at, s, std::min (n, std::strlen (s)));
        return *this;
    }

    const void* data() const { return bytes.data(); }
    std::size_t size() const { return bytes.size(); }

    std::vector<std::uint8_t> bytes;
};

// Collects what the code under test prints on stdout.
class StdoutCapture
{
public:
    StdoutCapture() { testing::internal::CaptureStdout(); }
    ~StdoutCapture()
    {
        if (! taken)
            testing::internal::GetCapturedStdout();
    }

    std::string text()
    {
        if (! taken)
        {
            captured = testing::internal::GetCapturedStdout();
            taken = true;
        }
        return captured;
    }

    std::vector<std::string> lines()
    {
        std::vector<std::string> out;
        std::istringstream in (text());
        for (std::string line; std::getline (in, line);)
            out.push_back (line);
        return out;
    }

private:
    bool taken = false;
    std::string captured;
};
} // namespace storagetest

#include "model/tables/ParameterTable.h"

namespace storagetest
{
// The readers take their defaults from the parameter maps, which the program
// builds once at start-up; tests build them once per test program.
inline void ensureParameterMaps()
{
    if (! parameterMapsBuilt())
    {
        StdoutCapture quiet;
        buildParameterMaps();
    }
}
} // namespace storagetest
