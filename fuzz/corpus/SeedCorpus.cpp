// Writes small valid inputs for every fuzz target, so a run starts from the shapes the code
// expects instead of discovering them byte by byte: `fuzz_seed_corpus OUT` fills
// OUT/<target>/seed-<n>. Text is Shift_JIS, as character data from Windows are, and UTF-8 for
// the characters that declare it.
#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "CharacterFile.h"
#include "CharacterVariables.h"
#include "CodePage.h"
#include "Crypt.h"
#include "TextUtils.h"

namespace fs = std::filesystem;
using Seeds = std::vector<std::string>;

namespace {

std::string Sjis(const std::string& utf8) {
    return kiova::Utf8ToAnsi(utf8);
}

std::string Enciphered(const std::vector<std::string>& lines, const std::string& key) {
    return kiova::JoinLinesCrLf(kiova::EncipherLines(lines, key));
}

// The pattern target reads its settings byte from the end and the pattern up to "\" + any byte.
std::string PatternInput(const std::string& pattern, const std::string& text, uint8_t settings) {
    std::string escaped;
    for (char c : pattern) escaped += c == '\\' ? std::string("\\\\") : std::string(1, c);
    return escaped + "\\\n" + text + static_cast<char>(settings);
}

Seeds PatternSeeds() {
    const std::pair<std::string, std::string> cases[] = {
        {"hello", "say hello there"},
        {"(cat|dog)s?", "dogs and cats"},
        {"^[a-z]+[0-9]*$", "abc123"},
        {"a.*b", "axxxxb"},
        {"[^abc]+", "xyz"},
        {"\\d+\\s\\w", "12 x"},
        {"(a|b)*c{2,3}", "ababccc"},
        {Sjis("こんにちは|今日は"), Sjis("今日はいい天気")},
        {Sjis("[あ-ん]+"), Sjis("ひらがな")},
        {"((x))", "x"},
    };
    Seeds seeds;
    uint8_t settings = 0;
    for (const auto& [pattern, text] : cases)
        seeds.push_back(PatternInput(pattern, text, settings++));
    // UTF-8 (settings 4 modulo 5), invalid bytes among them.
    const std::pair<std::string, std::string> utf8[] = {
        {"^caf.$", "café"},
        {"[éè]t[éè]", "l'été"},
        {"[^a]🐱+", "x🐱🐱"},
        {"\xC3.", "\xC3(\x80\xFF\xF0\x9F"},
    };
    settings = 4;
    for (const auto& [pattern, text] : utf8) {
        seeds.push_back(PatternInput(pattern, text, settings));
        settings += 5;
    }
    return seeds;
}

Seeds TagSeeds() {
    const char* texts[] = {
        "{USERNAME}{BR}{NOW}{HN}{NICKNAME}",
        "{IF{EQ{MEMO50}|x}yes|no}{IFTRUEyes|no}{IFFALSEyes|a|b}",
        "{MEMO50:abc{BR}}{MEMO50}{MEMO50+d}{MEMO50C}",
        "{FLAG51:True}{FLAG51}{AND{EQ{TURN}|1}|{FLAG50}}",
        "{MINUTE}{MIN3|5}{MAX3|5}{MID2|abc}{LEFT2|abc}{RIGHT2|abc}{POSb|abc}{LENGTH:abc}",
        "{CHOICEa|b|c}{COUNT}{SIN:1}{SQRT:2}{ROUND:2.5}{ABS:-3}{PI}",
        "{YEAR}/{MONTH}/{DAY} {HOUR}:{MINUTE}:{SECOND} {YOUBI}{DATE}{TIME}",
        "{SHELL:readme.txt}{ENTRUSTx|y}{ENDENTRUST}{RESULT}{ALLOWEXECUTE}",
        "{LIKEabc|a.c}{OR{NOT:TRUE}|{XORTrue|False}}{EQabc|ABC}{NEa|b}",
        "{PREV}{PREVANSWER}{OPERATEMESSAGE}{SCRIPTIZE:{BR}}",
        "text {unknown} {{nested}} }{ {",
    };
    Seeds seeds;
    for (const char* text : texts) seeds.push_back(Sjis(text));
    return seeds;
}

Seeds TextSeeds() {
    return {
        Sjis("こんにちは、世界\r\nsecond line\nthird\rlast"),
        "a, \"b c\" ,d\t\"e\"\"f\"",
        Enciphered({"hello", "world"}, "Alice"),
        "encryptedRwtmm\r\nMq\r\n",
        Sjis("ＡＢＣ　ａｂｃ　１２３"),
    };
}

// A whole character in one input: package, NUL, data file, NUL, state file.
std::string CharacterInput(const std::string& package, const std::string& table_key,
                           const std::string& data, const std::string& state) {
    return package + table_key + "\r\nd.txt\r\n" + '\0' + data + '\0' + state;
}

Seeds CharacterSeeds() {
    const std::string package = "name\r\nFuzz\r\nfolder\r\ndata\r\nversion\r\n210\r\n";
    std::vector<std::string> state = kiova::TCharacterVariables().ToStateLines();
    state[0] = "kept text";
    state[50] = "1.5";
    state[100] = "True";
    const std::pair<std::string, std::string> tables[] = {
        {"datab2", "hello,Hi {USERNAME}\r\n(cat|dog)s?,Animals\r\n"},
        {"datac2", "Plain answer\r\n{PRIOR}\r\nAnother\r\n"},
        {"data01", "{EQ{OPERATEMESSAGE}|KCCALLED},Welcome\r\n"},
        {"dataa2", "HELLO,HI,Again\r\n"},
    };
    Seeds seeds;
    for (const auto& [key, lines] : tables) {
        seeds.push_back(CharacterInput(package, key, lines, Enciphered(state, "Fuzz")));
        seeds.push_back(
            CharacterInput(package, key, Enciphered(kiova::SplitLines(lines), "key"), ""));
    }

    // UTF-8 characters, declared by "charset" or by a byte-order mark, with letters no other code
    // page holds, and with bytes that are no UTF-8; and a "charset" that names no encoding.
    const std::string zoe = "name\r\nZoë 🐱\r\nfolder\r\ndata\r\nversion\r\n210\r\n";
    state[0] = "Zoë 🐱{BR}猫";
    seeds.push_back(CharacterInput(zoe + "charset\r\nUTF-8\r\n", "datab2",
                                   "^caf.$,Un café ☕\r\nhel+o,\"[éè]t[éè] 🐱\"\r\n",
                                   Enciphered(state, "Zoë 🐱")));
    seeds.push_back(CharacterInput(std::string(kiova::kByteOrderMark) + zoe, "datab2",
                                   Enciphered({"hello,にゃん🐱", "猫,{LENGTH:Zoë🐱}"}, "鍵🐱"), ""));
    seeds.push_back(CharacterInput(zoe + "charset\r\nutf8\r\n", "datac2",
                                   "caf\xC3(\r\n\xFF\xFEhello\r\n\xF0\x9F\x90",
                                   "\xC3\xA9\xFF\r\n\xED\xA0\x80"));
    seeds.push_back(CharacterInput(zoe + "charset\r\nEBCDIC\r\n", "datac2", "x", ""));
    return seeds;
}

std::string Encoded(const QImage& image, const char* format, bool progressive) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(60);
    writer.setProgressiveScanWrite(progressive);
    writer.write(image);
    return bytes.toStdString();
}

QImage Gradient(int width, int height, QImage::Format format) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) image.setPixel(x, y, qRgb(x * 16, y * 16, (x + y) * 8));
    return image.convertToFormat(format);
}

Seeds JpegSeeds() {
    return {Encoded(Gradient(16, 16, QImage::Format_RGB32), "jpeg", false),
            Encoded(Gradient(9, 7, QImage::Format_Grayscale8), "jpeg", false),
            Encoded(Gradient(17, 9, QImage::Format_RGB32), "jpeg", true)};
}

// The DIB target: two bytes of header length, the header (and palette), the pixel rows.
Seeds DibSeeds() {
    Seeds seeds;
    for (QImage::Format format : {QImage::Format_RGB888, QImage::Format_Indexed8,
                                  QImage::Format_Mono, QImage::Format_RGB32}) {
        QImage image = Gradient(5, 3, format);
        const std::string bmp = Encoded(image, "bmp", false);
        if (bmp.size() < 54) continue;
        const auto le32 = [&bmp](size_t at) {
            return static_cast<uint32_t>(static_cast<uint8_t>(bmp[at])) |
                   static_cast<uint32_t>(static_cast<uint8_t>(bmp[at + 1])) << 8 |
                   static_cast<uint32_t>(static_cast<uint8_t>(bmp[at + 2])) << 16 |
                   static_cast<uint32_t>(static_cast<uint8_t>(bmp[at + 3])) << 24;
        };
        const size_t bits_offset = le32(10);
        const size_t header_size = bits_offset - 14;  // info header and palette
        std::string seed = {static_cast<char>(header_size & 0xFF),
                            static_cast<char>(header_size >> 8)};
        seeds.push_back(seed + bmp.substr(14));
    }
    return seeds;
}

void WriteSeeds(const fs::path& folder, const Seeds& seeds) {
    fs::create_directories(folder);
    for (size_t i = 0; i < seeds.size(); ++i)
        std::ofstream(folder / ("seed-" + std::to_string(i)), std::ios::binary) << seeds[i];
    std::cout << folder.string() << ": " << seeds.size() << " seeds\n";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: fuzz_seed_corpus OUT\n";
        return 2;
    }
    const fs::path out = argv[1];
    WriteSeeds(out / "pattern_fuzz", PatternSeeds());
    WriteSeeds(out / "tags_fuzzer", TagSeeds());
    WriteSeeds(out / "fuzz_text_layer", TextSeeds());
    WriteSeeds(out / "character_fuzzer", CharacterSeeds());
    WriteSeeds(out / "images_jpeg_fuzzer", JpegSeeds());
    WriteSeeds(out / "images_dib_fuzzer", DibSeeds());
    return 0;
}
