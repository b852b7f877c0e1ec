#pragma once
// Writes every data file the program ships into its program directory:
// frames files, card sets, background textures and sounds.

#include <cstdint>
#include <string>
#include <vector>

namespace quillo::art {

// False with the reason in error when a file cannot be written.
bool MakeData(const std::string& dir, std::string& error);

// Writes one file atomically; false with the path and reason in error.
bool WriteDataFile(const std::string& path, const std::vector<uint8_t>& bytes, std::string& error);

bool WriteFramesFiles(const std::string& dir, std::string& error);
bool WriteCardSets(const std::string& dir, std::string& error);
bool WriteTextures(const std::string& dir, std::string& error);
bool WriteSounds(const std::string& dir, std::string& error);

}  // namespace quillo::art
