// Fuzzes the settings loader: any bytes as the settings file load without fault, and
// saving is idempotent: a second save of the same settings gives the same bytes.

#include "iniprofile.h"
#include "settingsstore.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

namespace {

std::string FileText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A folder of this process's own, made once.
const std::string& WorkFolder()
{
    static const std::string folder = [] {
        std::string pattern = "/tmp/tallyfox-fuzz-XXXXXX";
        return ::mkdtemp(pattern.data()) != nullptr ? pattern : std::string("/tmp");
    }();
    return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string path = WorkFolder() + "/tallyfox.ini";
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    Settings settings;
    {
        const IniProfile profile(path);
        settings = LoadSettings(profile);
    }
    std::string saved[2];
    for (std::string& text : saved) {
        IniProfile profile(path);
        if (!SaveSettings(profile, settings, false)) {
            return 0;  // a file that cannot be replaced is left alone
        }
        text = FileText(path);
    }
    if (saved[0] != saved[1]) {
        __builtin_trap();
    }
    return 0;
}
