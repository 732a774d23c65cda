// The field line: "<label>: <value>\n", flushed.  One overload per kind of
// value, chosen by the type the caller hands over, so that each value is
// written in the rendering of its own kind and the stream's formatting state
// is never touched.
#pragma once

#include <cstddef>
#include <string>

// Text shown for a text value that is a null pointer.
extern const char* const kNullText;

// The value renderings, each as the text it becomes.
std::string RenderAddress(const void* address);
std::string RenderByteText(const unsigned char* bytes, std::size_t size);

void DoPrintField(const char* label, short value);           // signed 16-bit
void DoPrintField(const char* label, unsigned short value);  // unsigned 16-bit
void DoPrintField(const char* label, int value);             // int, byte as int
void DoPrintField(const char* label, unsigned int value);    // unsigned int
void DoPrintField(const char* label, long value);            // signed long
void DoPrintField(const char* label, unsigned long value);   // unsigned long
void DoPrintField(const char* label, const void* value);     // address
void DoPrintField(const char* label, const char* value);     // text
void DoPrintField(const char* label, const std::string& value);  // text

// Byte text: the bytes of a fixed-size field up to its first zero byte,
// never past the field's end.
void DoPrintField(const char* label, const unsigned char* bytes, std::size_t size);

template <std::size_t N>
void DoPrintField(const char* label, const unsigned char (&bytes)[N])
{
    DoPrintField(label, bytes, N);
}

// A character pointer is text, never an address.
inline void DoPrintField(const char* label, char* value)
{
    DoPrintField(label, static_cast<const char*>(value));
}

// Ends a field line: the newline and a flush of standard output.
void EndFieldLine();
