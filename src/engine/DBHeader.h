#pragma once
// The ".Tbd" header: the form design, the script and the record count, 23,496 bytes
// at the start of every database file. Decoded from and encoded to bytes member by
// member, little-endian, so the layout never depends on the compiler's packing.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tabulo {

inline constexpr int kHeaderSize = 23496;
inline constexpr int kMaxFields = 128;
inline constexpr int kMaxBanners = 128;
inline constexpr int kMaxPages = 8;
inline constexpr long kMaxRecords = 65530;
inline constexpr int kScriptSize = 4000;

// Sizes of the nested records as stored in the file.
inline constexpr int kFontSize = 27;
inline constexpr int kWindowSize = 62;
inline constexpr int kBannerSize = 96;
inline constexpr int kFieldSize = 53;

// File offsets of the header members.
inline constexpr int kOffRecordCount = 0;
inline constexpr int kOffRecordLength = 4;
inline constexpr int kOffWindow = 8;
inline constexpr int kOffFieldCount = 70;
inline constexpr int kOffBanners = 72;
inline constexpr int kOffFields = 12360;
inline constexpr int kOffPageHeadings = 19144;
inline constexpr int kOffScript = 19400;
inline constexpr int kOffReserved1 = 23400;
inline constexpr int kOffDateOrder = 23432;
inline constexpr int kOffPrintOrientation = 23433;
inline constexpr int kOffReserved2 = 23434;

// Fixed-length strings (String*n) are kept exactly as stored: n bytes, space-padded.
struct DBFont {
    std::string Name = std::string(16, ' ');
    uint8_t Size = 0;
    uint8_t Bold = 0;
    uint8_t Italic = 0;
    int32_t ForeColor = 0;
    int32_t BackColor = 0;
};

struct DBWindow {
    int16_t Width = 0;  // twips
    int16_t Height = 0; // twips
    int32_t BackColor = 0;
    DBFont FormFont;
    DBFont FieldFont;
};

struct DBBanner {
    uint8_t Page = 0; // 0: slot free
    int16_t Left = 0;
    int16_t Top = 0;
    std::string Caption = std::string(64, ' ');
    DBFont Font;
};

struct DBField {
    uint8_t Page = 0; // 0: slot free
    int16_t Left = 0;
    int16_t Top = 0;
    int16_t Width = 0;
    int16_t Height = 0;
    int16_t Length = 0;
    std::string Name = std::string(32, ' ');
    std::string Format = std::string(8, ' ');
    int16_t Offset = 0;
};

struct DBHeader {
    int32_t RecordCount = 0;
    int32_t RecordLength = 0;
    DBWindow Window;
    int16_t FieldCount = 0;
    std::array<DBBanner, kMaxBanners> Banners; // slot i at index i - 1
    std::array<DBField, kMaxFields> Fields;    // slot i at index i - 1
    std::array<std::string, kMaxPages> PageHeadings;
    std::string Script = std::string(kScriptSize, ' ');
    std::string Reserved1 = std::string(32, ' ');
    uint8_t DateOrder = 1;
    uint8_t PrintOrientation = 1;
    std::string Reserved2 = std::string(62, ' ');

    DBHeader() { PageHeadings.fill(std::string(32, ' ')); }
};

// The header the engine holds while no database is open. The window size is
// 640 x 480 pixels expressed in twips, so it needs the screen's twips per pixel.
DBHeader DefaultHeader(int twipsPerPixelX = 15, int twipsPerPixelY = 15);

// The default script: empty "Start" and "Update" procedures.
extern const std::string_view kDefaultScript;

// Decodes exactly kHeaderSize bytes. Any byte pattern decodes; validity is the caller's question.
DBHeader DecodeHeader(const uint8_t* bytes);
void EncodeHeader(const DBHeader& header, uint8_t* bytes);

std::string EncodeHeader(const DBHeader& header);

// Pads with spaces or cuts to exactly n bytes (the String*n rule).
std::string FixedString(std::string_view text, size_t n);

// Trims spaces (only spaces) at both ends, as every reader of a String*n does.
std::string TrimSpaces(std::string_view text);

// Derived quantities of the form.
int PageCount(const DBHeader& header);   // highest Page of any field or banner slot
int BannerCount(const DBHeader& header); // banner slots whose Page is not 0

} // namespace tabulo
