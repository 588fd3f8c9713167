// Any bytes as the language file: every reader must return in bounded time and memory, and
// agree with the plain key-by-key reading wherever that reading is small enough to do.
#include "config/model/LanguageFile.h"

#include "platform/IniFile.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

void Check(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "check failed: %s\n", what);
        __builtin_trap();
    }
}

struct WorkDir {
    fs::path dir;
    std::string file;
    WorkDir()
    {
        const fs::path base = fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
        dir = base / ("brevanto-fuzz-language-" + std::to_string(getpid()));
        fs::create_directories(dir);
        file = (dir / "LANGUAGE.INI").string();
    }
    ~WorkDir()
    {
        std::error_code ignored;
        fs::remove_all(dir, ignored);
    }
};

bool EndsWithDots(const std::string& text)
{
    return text.size() >= 3 && text.compare(text.size() - 3, 3, "...") == 0;
}

// The language names as a loop over Lang1..LangN finds them.
std::vector<std::string> NamesKeyByKey(const brv::IniFile& ini, int32_t language, int32_t count)
{
    std::vector<std::string> names;
    const std::string section = ini.ReadString("LANGUAGE", std::to_string(language), "");
    if (section.empty())
        return names;
    for (int32_t k = 1; k <= count; ++k)
        if (std::string name = ini.ReadString(section, "Lang" + std::to_string(k), ""); !name.empty())
            names.push_back(std::move(name));
    return names;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static WorkDir work;
    std::ofstream(work.file, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));

    const brv::IniFile ini(work.file);
    const int32_t count = ini.ReadInteger("LANGUAGE", "Number", 0);

    const int32_t chosen = size > 0 ? static_cast<int8_t>(data[0]) : 1;
    for (const int32_t language : {1, 2, 0, -1, chosen, count}) {
        const MainWindowTexts main = ReadMainWindowTexts(work.file, language);
        Check(EndsWithDots(main.Menu[5]) && EndsWithDots(main.Menu[8]) && EndsWithDots(main.Menu[10]),
              "dialog items end in dots");

        const DialogTexts dialog = ReadDialogTexts(work.file, language);
        for (const std::string& name : dialog.LanguageNames)
            Check(!name.empty(), "no empty language names");
        if (count <= 512)
            Check(dialog.LanguageNames == NamesKeyByKey(ini, language, count), "names as key by key");
    }

    const std::vector<std::string> list = ReadLanguageList(work.file);
    Check(list.size() <= 1000, "list bounded");
    Check(list.size() == static_cast<size_t>(count < 0 ? 0 : (count > 1000 ? 1000 : count)), "list length");
    for (size_t k = 0; k < list.size(); ++k)
        Check(list[k] == ini.ReadString("LANGUAGE", std::to_string(k + 1), ""), "list items");
    return 0;
}
