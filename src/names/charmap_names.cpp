// FreeType's constant names for the three identifiers of a charmap.
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_IDS_H

#include "name_table.h"
#include "names.h"

const char* const kUnknownName = "(unknown)";

namespace {

// FreeType's enumeration order.  FT_ENCODING_PRC is the current name of
// 'gb  '; the older aliases share values with these rows.
const NameRow<FT_Encoding> kEncodings[] = {
    NAME_ROW(FT_ENCODING_NONE),
    NAME_ROW(FT_ENCODING_MS_SYMBOL),
    NAME_ROW(FT_ENCODING_UNICODE),
    NAME_ROW(FT_ENCODING_SJIS),
    NAME_ROW(FT_ENCODING_PRC),
    NAME_ROW(FT_ENCODING_BIG5),
    NAME_ROW(FT_ENCODING_WANSUNG),
    NAME_ROW(FT_ENCODING_JOHAB),
    NAME_ROW(FT_ENCODING_ADOBE_STANDARD),
    NAME_ROW(FT_ENCODING_ADOBE_EXPERT),
    NAME_ROW(FT_ENCODING_ADOBE_CUSTOM),
    NAME_ROW(FT_ENCODING_ADOBE_LATIN_1),
    NAME_ROW(FT_ENCODING_OLD_LATIN_2),
    NAME_ROW(FT_ENCODING_APPLE_ROMAN),
};

using IdRow = NameRow<unsigned short>;

const IdRow kPlatforms[] = {
    NAME_ROW(TT_PLATFORM_APPLE_UNICODE),
    NAME_ROW(TT_PLATFORM_MACINTOSH),
    NAME_ROW(TT_PLATFORM_ISO),
    NAME_ROW(TT_PLATFORM_MICROSOFT),
    NAME_ROW(TT_PLATFORM_CUSTOM),
    NAME_ROW(TT_PLATFORM_ADOBE),
};

const IdRow kAppleEncodingIds[] = {
    NAME_ROW(TT_APPLE_ID_DEFAULT),
    NAME_ROW(TT_APPLE_ID_UNICODE_1_1),
    NAME_ROW(TT_APPLE_ID_ISO_10646),
    NAME_ROW(TT_APPLE_ID_UNICODE_2_0),
    NAME_ROW(TT_APPLE_ID_UNICODE_32),
    NAME_ROW(TT_APPLE_ID_VARIANT_SELECTOR),
    NAME_ROW(TT_APPLE_ID_FULL_UNICODE),
};

// 25 is named TT_MAC_ID_SIMPLIFIED_CHINESE, not its alias TT_MAC_ID_MALDIVIAN.
const IdRow kMacEncodingIds[] = {
    NAME_ROW(TT_MAC_ID_ROMAN),
    NAME_ROW(TT_MAC_ID_JAPANESE),
    NAME_ROW(TT_MAC_ID_TRADITIONAL_CHINESE),
    NAME_ROW(TT_MAC_ID_KOREAN),
    NAME_ROW(TT_MAC_ID_ARABIC),
    NAME_ROW(TT_MAC_ID_HEBREW),
    NAME_ROW(TT_MAC_ID_GREEK),
    NAME_ROW(TT_MAC_ID_RUSSIAN),
    NAME_ROW(TT_MAC_ID_RSYMBOL),
    NAME_ROW(TT_MAC_ID_DEVANAGARI),
    NAME_ROW(TT_MAC_ID_GURMUKHI),
    NAME_ROW(TT_MAC_ID_GUJARATI),
    NAME_ROW(TT_MAC_ID_ORIYA),
    NAME_ROW(TT_MAC_ID_BENGALI),
    NAME_ROW(TT_MAC_ID_TAMIL),
    NAME_ROW(TT_MAC_ID_TELUGU),
    NAME_ROW(TT_MAC_ID_KANNADA),
    NAME_ROW(TT_MAC_ID_MALAYALAM),
    NAME_ROW(TT_MAC_ID_SINHALESE),
    NAME_ROW(TT_MAC_ID_BURMESE),
    NAME_ROW(TT_MAC_ID_KHMER),
    NAME_ROW(TT_MAC_ID_THAI),
    NAME_ROW(TT_MAC_ID_LAOTIAN),
    NAME_ROW(TT_MAC_ID_GEORGIAN),
    NAME_ROW(TT_MAC_ID_ARMENIAN),
    NAME_ROW(TT_MAC_ID_SIMPLIFIED_CHINESE),
    NAME_ROW(TT_MAC_ID_TIBETAN),
    NAME_ROW(TT_MAC_ID_MONGOLIAN),
    NAME_ROW(TT_MAC_ID_GEEZ),
    NAME_ROW(TT_MAC_ID_SLAVIC),
    NAME_ROW(TT_MAC_ID_VIETNAMESE),
    NAME_ROW(TT_MAC_ID_SINDHI),
    NAME_ROW(TT_MAC_ID_UNINTERP),
};

const IdRow kIsoEncodingIds[] = {
    NAME_ROW(TT_ISO_ID_7BIT_ASCII),
    NAME_ROW(TT_ISO_ID_10646),
    NAME_ROW(TT_ISO_ID_8859_1),
};

// 7 to 9 have no constant.
const IdRow kMsEncodingIds[] = {
    NAME_ROW(TT_MS_ID_SYMBOL_CS),
    NAME_ROW(TT_MS_ID_UNICODE_CS),
    NAME_ROW(TT_MS_ID_SJIS),
    NAME_ROW(TT_MS_ID_PRC),
    NAME_ROW(TT_MS_ID_BIG_5),
    NAME_ROW(TT_MS_ID_WANSUNG),
    NAME_ROW(TT_MS_ID_JOHAB),
    NAME_ROW(TT_MS_ID_UCS_4),
};

const IdRow kAdobeEncodingIds[] = {
    NAME_ROW(TT_ADOBE_ID_STANDARD),
    NAME_ROW(TT_ADOBE_ID_EXPERT),
    NAME_ROW(TT_ADOBE_ID_CUSTOM),
    NAME_ROW(TT_ADOBE_ID_LATIN_1),
};

std::string NameOrUnknown(const char* name)
{
    return name != nullptr ? name : kUnknownName;
}

}  // namespace

std::string DoGetEncodingString(FT_Encoding encoding)
{
    return NameOrUnknown(FindName(kEncodings, encoding));
}

std::string DoGetPlatformIDString(unsigned short platform_id)
{
    return NameOrUnknown(FindName(kPlatforms, platform_id));
}

std::string DoGetEncodingIDString(unsigned short platform_id, unsigned short encoding_id)
{
    switch (platform_id) {
    case TT_PLATFORM_APPLE_UNICODE:
        return NameOrUnknown(FindName(kAppleEncodingIds, encoding_id));
    case TT_PLATFORM_MACINTOSH:
        return NameOrUnknown(FindName(kMacEncodingIds, encoding_id));
    case TT_PLATFORM_ISO:
        return NameOrUnknown(FindName(kIsoEncodingIds, encoding_id));
    case TT_PLATFORM_MICROSOFT:
        return NameOrUnknown(FindName(kMsEncodingIds, encoding_id));
    case TT_PLATFORM_CUSTOM:
        // The custom platform defines no encoding IDs: it names itself.
        return "TT_PLATFORM_CUSTOM";
    case TT_PLATFORM_ADOBE:
        return NameOrUnknown(FindName(kAdobeEncodingIds, encoding_id));
    default:
        return kUnknownName;
    }
}
