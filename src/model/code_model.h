#pragma once

#include <array>
#include <cstdint>
#include <string>

// What the user edits: the parts of one Pharmacode, their print colours and the four dimension texts.
namespace quillmark {

inline constexpr int PART_COUNT = 5;

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    friend constexpr bool operator==(Rgb, Rgb) = default;
};

inline constexpr Rgb BLACK{0, 0, 0};
inline constexpr Rgb WHITE{255, 255, 255};

// Part k (0-based) is marked by the letter 'a' + k in the marked pattern and in the PostScript program.
constexpr char PartLetter(int part)
{
    return static_cast<char>('a' + part);
}

// The texts are held exactly as the fields show them: an empty part is absent, a dimension text is read as
// a number each time it is used. A default-constructed model is all empty (as read from a document without
// settings); SetInitialState gives the start-up values.
struct CodeModel {
    std::array<std::string, PART_COUNT> parts;
    std::array<Rgb, PART_COUNT> colours{};
    std::string magText;      // magnification, percent
    std::string heightText;   // bar height, millimetres
    std::string guardBarText; // bar width adjustment, micrometres
    std::string marginText;   // quiet zone on each side, millimetres

    friend bool operator==(const CodeModel&, const CodeModel&) = default;
};

} // namespace quillmark
