// quillo.set reader on arbitrary bytes.

#include <cstddef>
#include <cstdint>

#include "storage/settings_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    quillo::SettingsEnv env;
    env.ProgramDir = "/q/";
    env.FileExists = [](const std::string& p) { return p.size() % 2 == 0; };
    auto r = quillo::DecodeSettings({data, size}, env);
    if (r.Source == quillo::SettingsSource::File) {
        // What was read writes back to the same fields.
        auto again = quillo::DecodeSettings(quillo::EncodeSettings(r.Value), env);
        if (again.Source != quillo::SettingsSource::File) __builtin_trap();
    }
    return 0;
}
