#include "board/entorno_mudo.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <system_error>

namespace novenario {

namespace fs = std::filesystem;

bool EntornoMudo::ExisteFichero(const std::string& nombre) {
    std::error_code ec;
    return fs::is_regular_file(nombre, ec);
}

bool EntornoMudo::LeerFichero(const std::string& nombre, std::string& bytes) {
    bytes.clear();
    std::error_code ec;
    if (!fs::is_regular_file(nombre, ec)) return false;
    std::ifstream f(nombre, std::ios::binary);
    if (!f) return false;
    bytes.assign(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
    if (f.bad()) {
        bytes.clear();
        return false;
    }
    return true;
}

bool EntornoMudo::EscribirFichero(const std::string& nombre, const std::string& bytes) {
    std::error_code ec;
    if (fs::is_directory(nombre, ec)) return false;
    const fs::path destino(nombre);
    std::random_device azar;
    fs::path temporal = destino;
    temporal += ".tmp-" + std::to_string(azar());
    {
        std::ofstream f(temporal, std::ios::binary | std::ios::trunc);
        if (!f) return false;
        f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        f.flush();
        if (!f) {
            f.close();
            fs::remove(temporal, ec);
            return false;
        }
    }
    fs::rename(temporal, destino, ec);
    if (ec) {
        fs::remove(temporal, ec);
        return false;
    }
    return true;
}

}  // namespace novenario
