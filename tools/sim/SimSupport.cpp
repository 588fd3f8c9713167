// SPDX-License-Identifier: GPL-3.0-or-later
#include "SimSupport.h"

#include "config/model/LanguageFile.h"
#include "platform/IniFile.h"
#include "platform/Paths.h"
#include "platform/Random.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

namespace {
bool outputClosed = false;

[[noreturn]] void FailOutput(int error)
{
    throw OutputError(std::string("cannot write to standard output: ") + std::strerror(error));
}
} // namespace

void GuardStandardOutput()
{
    if (fcntl(STDOUT_FILENO, F_GETFD) != -1 || errno != EBADF)
        return;
    outputClosed = true;
    const int fd = open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (fd >= 0 && fd != STDOUT_FILENO) // the lowest free descriptor is 1 unless 0 was closed too
        close(fd);
}

void PrintOut(std::string_view text)
{
    if (outputClosed)
        FailOutput(EBADF);
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() || std::ferror(stdout))
        FailOutput(errno != 0 ? errno : EIO);
}

void FinishOutput()
{
    if (outputClosed)
        return; // nothing was written, or PrintOut has already reported it
    errno = 0;
    if (std::fflush(stdout) != 0 || std::ferror(stdout))
        FailOutput(errno != 0 ? errno : EIO);
    if (std::fclose(stdout) != 0)
        FailOutput(errno != 0 ? errno : EIO);
}

std::unique_ptr<SimGame> StartGame(const std::string& courseFile, std::unique_ptr<TMap> map,
                                   const GameOptions& options)
{
    auto game = std::make_unique<SimGame>();
    const uint32_t clock = options.Clock;
    brv::SetClock([clock] { return clock; });
    TGameRules& rules = game->Rules;
    rules.TimerInterval = options.Interval;
    rules.Demo = true;
    rules.MoveSpeed = options.MoveFast;
    rules.MaxCar = options.MaxCar <= 0 ? 3 : options.MaxCar;
    rules.HiScore = options.HiScore;
    rules.RandomInit = options.RandomInit;
    rules.MapName = courseFile;
    rules.Map = std::move(map);
    rules.Map->SetErrorTexts(LanguageErrorTexts());
    rules.LoadCourse();
    rules.StartPlay();
    game->Host.Running = true;
    if (options.NewGame) {
        rules.NewGame();
        game->Host.RepaintPending = true;
    }
    return game;
}

std::vector<std::string> LanguageErrorTexts()
{
    const MainWindowTexts texts = ReadMainWindowTexts(brv::ProgramDir() + "LANGUAGE.INI", 1);
    return {texts.Error.begin() + 1, texts.Error.end()};
}

void PrintError(int code, const std::string& message)
{
    PrintOut("{\"error\":{\"code\":" + std::to_string(code) + ",\"message\":" + JsonString(message)
             + "}}\n");
}

bool LoadCourseOrReport(TMap& map, const std::string& courseFile)
{
    return LoadParsedCourseOrReport(map, courseFile).has_value();
}

std::optional<ParsedCourse> LoadParsedCourseOrReport(TMap& map, const std::string& courseFile)
{
    map.SetErrorTexts(LanguageErrorTexts());
    try {
        return map.LoadParsedFile(courseFile);
    } catch (const CourseError& error) {
        PrintError(error.Number, error.what());
        return std::nullopt;
    }
}

namespace {
// Length of the valid UTF-8 sequence at text[i], or 0.
size_t Utf8Length(std::string_view text, size_t i)
{
    const auto byte = [&](size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    size_t length = 0;
    uint32_t min = 0;
    if (lead >= 0xC2 && lead <= 0xDF) { length = 2; min = 0x80; }
    else if (lead >= 0xE0 && lead <= 0xEF) { length = 3; min = 0x800; }
    else if (lead >= 0xF0 && lead <= 0xF4) { length = 4; min = 0x10000; }
    else return 0;
    if (i + length > text.size())
        return 0;
    uint32_t code = lead & (0x7F >> length);
    for (size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (byte(i + k) & 0x3F);
    }
    if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return 0;
    return length;
}
} // namespace

std::string JsonString(std::string_view bytes)
{
    std::string out = "\"";
    for (size_t i = 0; i < bytes.size();) {
        const unsigned char c = static_cast<unsigned char>(bytes[i]);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
            ++i;
        } else if (c < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", c);
            out += escape;
            ++i;
        } else if (c < 0x80) {
            out += static_cast<char>(c);
            ++i;
        } else if (const size_t length = Utf8Length(bytes, i)) {
            out.append(bytes.substr(i, length));
            i += length;
        } else {
            // Not UTF-8 (a Shift_JIS text, say): each byte as the character of that code.
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", c);
            out += escape;
            ++i;
        }
    }
    out += '"';
    return out;
}

int64_t ParseIntegerOption(const std::string& option, const std::string& value, int64_t min,
                           int64_t max)
{
    const size_t digits = value.size() > 0 && value[0] == '-' ? 1 : 0;
    bool number = digits < value.size() && value.size() - digits <= 18;
    for (size_t k = digits; number && k < value.size(); ++k)
        number = value[k] >= '0' && value[k] <= '9';
    if (!number)
        throw UsageError(option + " needs a whole number, not '" + value + "'");
    const int64_t result = std::stoll(value);
    if (result < min || result > max)
        throw UsageError(option + " " + value + " is out of range (" + std::to_string(min) +
                         ".." + std::to_string(max) + ")");
    return result;
}

TMap SimMap(int32_t tileSize)
{
    TMap map(0, 0, 0, false);
    map.TileSize = tileSize;
    return map;
}

std::string ArgReader::Value(const std::string& option)
{
    if (Done())
        throw UsageError(option + " needs a value");
    return Next();
}
