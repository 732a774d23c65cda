// make_collection: builds a TrueType collection of many variants of one face.
//
//   make_collection SOURCE.ttf OUTPUT.ttc [COUNT]
//
// SOURCE must be a single TrueType/OpenType font (not itself a collection).
// The collection holds COUNT faces (default 64).  All faces share the
// source's table data, except the OS/2 table: each face gets its own copy
// with a different usWeightClass (100, 200, ... 900, round and round), so
// the faces are variants rather than byte-identical aliases.  Tables are
// 4-byte aligned and the checksum of every OS/2 copy is recomputed; the
// head table's checkSumAdjustment is left as the source has it, which
// FreeType does not check.
//
// The point is a large face count over a small file, to see whether the
// cost of a report (time, and above all peak memory) grows with the number
// of faces.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

std::uint32_t Get32(const Bytes& data, std::size_t at)
{
    return (std::uint32_t{data[at]} << 24) | (std::uint32_t{data[at + 1]} << 16) |
           (std::uint32_t{data[at + 2]} << 8) | std::uint32_t{data[at + 3]};
}

std::uint16_t Get16(const Bytes& data, std::size_t at)
{
    return static_cast<std::uint16_t>((data[at] << 8) | data[at + 1]);
}

void Put32(Bytes& data, std::size_t at, std::uint32_t value)
{
    data[at] = static_cast<unsigned char>(value >> 24);
    data[at + 1] = static_cast<unsigned char>(value >> 16);
    data[at + 2] = static_cast<unsigned char>(value >> 8);
    data[at + 3] = static_cast<unsigned char>(value);
}

void Put16(Bytes& data, std::size_t at, std::uint16_t value)
{
    data[at] = static_cast<unsigned char>(value >> 8);
    data[at + 1] = static_cast<unsigned char>(value);
}

void Append32(Bytes& data, std::uint32_t value)
{
    data.resize(data.size() + 4);
    Put32(data, data.size() - 4, value);
}

void PadTo4(Bytes& data)
{
    while (data.size() % 4 != 0) {
        data.push_back(0);
    }
}

// The sfnt table checksum: the sum of the table's big-endian 32-bit words,
// the last one padded with zeros.
std::uint32_t Checksum(const unsigned char* bytes, std::size_t length)
{
    std::uint32_t sum = 0;
    for (std::size_t i = 0; i < length; i += 4) {
        std::uint32_t word = 0;
        for (std::size_t k = 0; k < 4; ++k) {
            word = (word << 8) | (i + k < length ? bytes[i + k] : 0u);
        }
        sum += word;
    }
    return sum;
}

struct Table {
    std::uint32_t tag;
    std::uint32_t checksum;
    std::size_t offset;  // in the source file
    std::size_t length;
};

constexpr std::uint32_t Tag(const char (&name)[5])
{
    return (std::uint32_t(static_cast<unsigned char>(name[0])) << 24) |
           (std::uint32_t(static_cast<unsigned char>(name[1])) << 16) |
           (std::uint32_t(static_cast<unsigned char>(name[2])) << 8) |
           std::uint32_t(static_cast<unsigned char>(name[3]));
}

int Fail(const std::string& message)
{
    std::cerr << "make_collection: " << message << "\n";
    return 1;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3 || argc > 4) {
        std::cerr << "usage: make_collection SOURCE.ttf OUTPUT.ttc [COUNT]\n";
        return 2;
    }
    const long count = argc == 4 ? std::strtol(argv[3], nullptr, 10) : 64;
    if (count < 1 || count > 4096) {
        return Fail("COUNT must be between 1 and 4096");
    }

    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        return Fail(std::string("cannot read ") + argv[1]);
    }
    const Bytes source((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());

    // The source's offset table and table records.
    if (source.size() < 12) {
        return Fail("source too short for an sfnt header");
    }
    const std::uint32_t sfnt_version = Get32(source, 0);
    if (sfnt_version == Tag("ttcf")) {
        return Fail("source is already a collection");
    }
    const std::uint16_t num_tables = Get16(source, 4);
    if (source.size() < 12 + 16 * std::size_t{num_tables}) {
        return Fail("source too short for its table directory");
    }
    std::vector<Table> tables;
    for (std::uint16_t i = 0; i < num_tables; ++i) {
        const std::size_t record = 12 + 16 * std::size_t{i};
        Table table{Get32(source, record), Get32(source, record + 4), Get32(source, record + 8),
                    Get32(source, record + 12)};
        if (table.offset > source.size() || table.length > source.size() - table.offset) {
            return Fail("a table lies outside the source file");
        }
        tables.push_back(table);
    }

    // Layout: TTC header, one offset table per face, the shared tables,
    // then one OS/2 copy per face.
    const std::size_t header_size = 12 + 4 * static_cast<std::size_t>(count);
    const std::size_t directory_size = 12 + 16 * std::size_t{num_tables};
    Bytes out;
    out.reserve(source.size() + static_cast<std::size_t>(count) * 256);
    out.resize(header_size + directory_size * static_cast<std::size_t>(count));
    Put32(out, 0, Tag("ttcf"));
    Put32(out, 4, 0x00010000);  // TTC version 1.0: no DSIG fields
    Put32(out, 8, static_cast<std::uint32_t>(count));

    // The shared tables keep the order they have in the source file (the
    // directory is sorted by tag, the data usually is not), so that a face
    // of the collection touches the same run of pages a read of the source
    // would: memory figures then compare like with like.
    std::vector<std::size_t> file_order(tables.size());
    for (std::size_t i = 0; i < tables.size(); ++i) {
        file_order[i] = i;
    }
    std::sort(file_order.begin(), file_order.end(),
              [&tables](std::size_t a, std::size_t b) { return tables[a].offset < tables[b].offset; });

    std::vector<std::size_t> shared_offset(tables.size());
    std::size_t os2 = tables.size();
    for (const std::size_t i : file_order) {
        if (tables[i].tag == Tag("OS/2")) {
            os2 = i;
            continue;
        }
        shared_offset[i] = out.size();
        out.insert(out.end(), source.begin() + static_cast<long>(tables[i].offset),
                   source.begin() + static_cast<long>(tables[i].offset + tables[i].length));
        PadTo4(out);
    }

    for (long face = 0; face < count; ++face) {
        const std::size_t directory = header_size + directory_size * static_cast<std::size_t>(face);
        Put32(out, 12 + 4 * static_cast<std::size_t>(face), static_cast<std::uint32_t>(directory));

        std::size_t os2_offset = 0;
        std::uint32_t os2_checksum = 0;
        if (os2 < tables.size()) {
            const Table& table = tables[os2];
            os2_offset = out.size();
            out.insert(out.end(), source.begin() + static_cast<long>(table.offset),
                       source.begin() + static_cast<long>(table.offset + table.length));
            if (table.length >= 6) {
                Put16(out, os2_offset + 4, static_cast<std::uint16_t>(100 * (1 + face % 9)));
            }
            os2_checksum = Checksum(out.data() + os2_offset, table.length);
            PadTo4(out);
        }

        Bytes head;
        Append32(head, sfnt_version);
        head.insert(head.end(), source.begin() + 4, source.begin() + 12);  // numTables, search fields
        for (std::size_t i = 0; i < tables.size(); ++i) {
            Append32(head, tables[i].tag);
            Append32(head, i == os2 ? os2_checksum : tables[i].checksum);
            Append32(head, static_cast<std::uint32_t>(i == os2 ? os2_offset : shared_offset[i]));
            Append32(head, static_cast<std::uint32_t>(tables[i].length));
        }
        std::memcpy(out.data() + directory, head.data(), head.size());
    }

    std::ofstream file(argv[2], std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
    file.close();
    if (!file) {
        return Fail(std::string("cannot write ") + argv[2]);
    }
    return 0;
}
