#pragma once

#include "eps/ps_standard.h"
#include "eps/settings.h"
#include "model/code_model.h"
#include "model/dimensions.h"
#include "model/globals.h"
#include "preview/dos_eps.h"
#include "render/screen.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <pwd.h>
#include <unistd.h>

#include <ctime>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

// Documents made by the program itself, and small helpers to damage them, for the tests of the Qt side.
namespace quillmark::fixtures {

struct Part {
    std::string text;
    Rgb colour = BLACK;
};

// The start-up state with `parts` typed in.
inline CodeModel MakeModel(std::initializer_list<Part> parts)
{
    CodeModel model;
    Globals globals;
    SetInitialState(model, globals);
    int k = 0;
    for (const Part& part : parts) {
        model.parts[static_cast<std::size_t>(k)] = part.text;
        model.colours[static_cast<std::size_t>(k)] = part.colour;
        ++k;
    }
    return model;
}

// The document Save As writes for `model`: drawn on screen first, then built.
inline std::string MakeDocument(CodeModel model)
{
    CodeModel defaults;
    Globals globals;
    SetInitialState(defaults, globals);
    RenderScreenCode(model, globals);
    std::tm when{};
    when.tm_year = 2024 - 1900;
    when.tm_mon = 2;
    when.tm_mday = 14;
    when.tm_hour = 9;
    when.tm_min = 30;
    return PS_Standard(model, globals, when);
}

inline std::string MakeDocument(std::initializer_list<Part> parts)
{
    return MakeDocument(MakeModel(parts));
}

// `document` with its PostScript section replaced, the header's offsets and lengths made to fit again.
inline std::string WithPostScript(const std::string& document, std::string_view postscript)
{
    const auto sections = SplitDosEps(document);
    if (!sections) throw std::invalid_argument("not a DOS EPS document");
    const auto tiffLength = static_cast<std::int32_t>(sections->tiff.size());
    std::string result =
        myEPSTIFFHeader(tiffLength, 0, tiffLength + static_cast<std::int32_t>(postscript.size()));
    result += sections->tiff;
    result += postscript;
    return result;
}

inline std::string PostScriptOf(const std::string& document)
{
    const auto sections = SplitDosEps(document);
    if (!sections) throw std::invalid_argument("not a DOS EPS document");
    return std::string(sections->postscript);
}

// `document` with the value of settings line `line` (1 for part 1, 21 for the magnification) replaced.
inline std::string WithSetting(const std::string& document, int line, std::string_view value)
{
    std::string postscript = PostScriptOf(document);
    std::size_t at = 0;
    for (int n = 0; n < line; ++n) {
        at = postscript.find(SETTINGS_SEPARATOR, at);
        if (at == std::string::npos) throw std::invalid_argument("no such settings line");
        at += SETTINGS_SEPARATOR.size();
    }
    const std::size_t end = postscript.find('\r', at);
    postscript.replace(at, end - at, value);
    return WithPostScript(document, postscript);
}

// Offset of the first settings line within the whole document.
inline std::size_t SettingsOffset(const std::string& document)
{
    return document.find(SETTINGS_SEPARATOR);
}

inline QByteArray Bytes(const std::string& bytes)
{
    return QByteArray(bytes.data(), qsizetype(bytes.size()));
}

inline bool WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// While it lives, a process running as root acts as the user "nobody", so that file permissions apply to it
// as to any user; an ordinary user stays as it is. active() is false when the switch is not allowed.
class OrdinaryUser {
public:
    OrdinaryUser()
    {
        if (::geteuid() != 0) {
            _active = true;
            return;
        }
        const passwd* nobody = ::getpwnam("nobody");
        const uid_t uid = nobody ? nobody->pw_uid : 65534;
        const gid_t gid = nobody ? nobody->pw_gid : 65534;
        // The saved ids stay 0, so that root can be taken back.
        if (::setresgid(gid, gid, 0) != 0) return;
        if (::setresuid(uid, uid, 0) != 0) {
            [[maybe_unused]] const int restored = ::setresgid(0, 0, 0);
            return;
        }
        _switched = _active = true;
    }
    ~OrdinaryUser()
    {
        if (_switched) {
            [[maybe_unused]] const int user = ::setresuid(0, 0, 0);
            [[maybe_unused]] const int group = ::setresgid(0, 0, 0);
        }
    }
    OrdinaryUser(const OrdinaryUser&) = delete;
    OrdinaryUser& operator=(const OrdinaryUser&) = delete;

    bool active() const { return _active; }

private:
    bool _active = false;
    bool _switched = false;
};

// Lets every user into `folder` (a QTemporaryDir is its owner's alone), so that an OrdinaryUser reaches what
// is in it.
inline bool OpenToAll(const QString& folder)
{
    return QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                             QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                                             QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                             QFileDevice::ExeOther);
}

} // namespace quillmark::fixtures
