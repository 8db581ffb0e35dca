#pragma once

#include "eps/ps_standard.h"
#include "model/code_model.h"
#include "model/dimensions.h"
#include "model/globals.h"
#include "preview/dos_eps.h"
#include "render/screen.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// What the tests of the document writer and readers share: documents made the way a save makes them, and
// the external programs that read them.
namespace quillmark::test {

inline constexpr Rgb RED{255, 0, 0};
inline constexpr Rgb GREEN{0, 255, 0};
inline constexpr Rgb BLUE{0, 0, 255};

// A fixed moment, so that documents compare byte for byte.
inline std::tm FixedTime()
{
    std::tm when{};
    when.tm_year = 2024 - 1900;
    when.tm_mon = 2;
    when.tm_mday = 7;
    when.tm_hour = 9;
    when.tm_min = 5;
    when.tm_sec = 3;
    return when;
}

// A model as the window holds it: the start-up state, then the fields set as given.
struct ModelSetup {
    std::array<std::string, PART_COUNT> parts{};
    std::array<Rgb, PART_COUNT> colours{};
    std::string magText = "100";
    std::string heightText = "10";
    std::string guardBarText = "0";
    std::string marginText = "10";
};

inline CodeModel MakeModel(const ModelSetup& setup, Globals& globals)
{
    CodeModel model;
    SetInitialState(model, globals);
    model.parts = setup.parts;
    model.colours = setup.colours;
    model.magText = setup.magText;
    model.heightText = setup.heightText;
    model.guardBarText = setup.guardBarText;
    model.marginText = setup.marginText;
    return model;
}

// A document made as the save command makes it: the code drawn for the screen first, then written.
inline std::string SaveDocument(CodeModel& model, Globals& globals)
{
    RenderScreenCode(model, globals);
    return PS_Standard(model, globals, FixedTime());
}

inline std::string SaveDocument(const ModelSetup& setup)
{
    Globals globals;
    CodeModel model = MakeModel(setup, globals);
    return SaveDocument(model, globals);
}

inline std::string_view PostScriptOf(std::string_view document)
{
    const auto sections = SplitDosEps(document);
    return sections ? sections->postscript : std::string_view{};
}

// The lines of a CR-only text; the last is the text after the last CR.
inline std::vector<std::string> Lines(std::string_view text)
{
    std::vector<std::string> lines;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find('\r', start);
        lines.emplace_back(text.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos) return lines;
        start = end + 1;
    }
}

inline std::string Hex(std::string_view bytes)
{
    static constexpr char DIGITS[] = "0123456789ABCDEF";
    std::string out;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (i > 0) out += ' ';
        out += DIGITS[b >> 4];
        out += DIGITS[b & 15];
    }
    return out;
}

// A folder of its own under the system's temporary folder, removed with the object.
class TempDir {
public:
    TempDir()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "quillmark-test-XXXXXX").string();
        if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create a temporary folder");
        _path = pattern;
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    ~TempDir()
    {
        std::error_code ignored;
        std::filesystem::remove_all(_path, ignored);
    }

    std::filesystem::path operator/(std::string_view name) const { return _path / name; }

private:
    std::filesystem::path _path;
};

inline void WriteFile(const std::filesystem::path& path, std::string_view bytes)
{
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string ReadFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct CommandResult {
    int status = -1;
    std::string output; // standard output and standard error
};

inline CommandResult RunCommand(const std::string& command)
{
    CommandResult result;
    FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    if (!pipe) return result;
    char buffer[4096];
    while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe))
        result.output.append(buffer, n);
    result.status = pclose(pipe);
    return result;
}

inline bool HaveProgram(const std::string& name)
{
    return RunCommand("command -v " + name + " >/dev/null").status == 0;
}

inline std::string Quoted(const std::filesystem::path& path)
{
    return "'" + path.string() + "'";
}

} // namespace quillmark::test
