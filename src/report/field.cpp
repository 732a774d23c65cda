#include "field.h"

#include <cstdint>
#include <cstring>
#include <iostream>

const char* const kNullText = "(null)";

std::string RenderAddress(const void* address)
{
    if (address == nullptr) {
        return "0";
    }
    // Hex digits by hand, so the stream never leaves decimal mode.
    static const char kDigits[] = "0123456789abcdef";
    std::uintptr_t bits = reinterpret_cast<std::uintptr_t>(address);
    char buffer[2 * sizeof bits];
    std::size_t start = sizeof buffer;
    while (bits != 0) {
        buffer[--start] = kDigits[bits & 0xF];
        bits >>= 4;
    }
    return "0x" + std::string(buffer + start, sizeof buffer - start);
}

std::string RenderByteText(const unsigned char* bytes, std::size_t size)
{
    if (bytes == nullptr) {
        return kNullText;
    }
    const void* zero = std::memchr(bytes, 0, size);
    const std::size_t length =
        zero != nullptr ? static_cast<std::size_t>(static_cast<const unsigned char*>(zero) - bytes) : size;
    return std::string(reinterpret_cast<const char*>(bytes), length);
}

void EndFieldLine()
{
    std::cout << std::endl;
}

namespace {

template <typename T>
void WriteField(const char* label, const T& value)
{
    std::cout << label << ": " << value;
    EndFieldLine();
}

}  // namespace

void DoPrintField(const char* label, short value) { WriteField(label, value); }
void DoPrintField(const char* label, unsigned short value) { WriteField(label, value); }
void DoPrintField(const char* label, int value) { WriteField(label, value); }
void DoPrintField(const char* label, unsigned int value) { WriteField(label, value); }
void DoPrintField(const char* label, long value) { WriteField(label, value); }
void DoPrintField(const char* label, unsigned long value) { WriteField(label, value); }

void DoPrintField(const char* label, const void* value)
{
    WriteField(label, RenderAddress(value));
}

void DoPrintField(const char* label, const char* value)
{
    WriteField(label, value != nullptr ? value : kNullText);
}

void DoPrintField(const char* label, const std::string& value) { WriteField(label, value); }

void DoPrintField(const char* label, const unsigned char* bytes, std::size_t size)
{
    WriteField(label, RenderByteText(bytes, size));
}
