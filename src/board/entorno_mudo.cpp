#include "board/entorno_mudo.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace novenario {

namespace fs = std::filesystem;

std::string Motivo(int error) {
    switch (error) {
        case ENOSPC:
        case EDQUOT: return "no queda sitio en el disco";
        case EACCES:
        case EPERM: return "no hay permiso para escribir ahí";
        case ENOENT:
        case ENOTDIR: return "la carpeta no existe";
        case EROFS: return "el disco es de sólo lectura";
        case EISDIR: return "es una carpeta";
        case ELOOP: return "hay un bucle de enlaces simbólicos";
        case ENAMETOOLONG: return "el nombre es demasiado largo";
        case EFBIG: return "el fichero no cabe en ese disco";
        case EIO: return "el disco ha dado un error de escritura";
        case EBUSY:
        case ETXTBSY: return "el fichero está en uso";
        case EINVAL: return "ese nombre no vale en ese disco";
        case ENXIO:
        case ENODEV: return "no es un fichero normal";
        default: return "el sistema no lo ha permitido (error " + std::to_string(error) + ")";
    }
}

namespace {

// The file a name stands for: symbolic links are followed to the file they
// finally name, which need not exist yet (a new save through a link).
fs::path SigueEnlaces(fs::path ruta, std::error_code& ec) {
    for (int saltos = 0; saltos < 40; ++saltos) {
        const fs::file_status estado = fs::symlink_status(ruta, ec);
        if (ec) {
            if (estado.type() == fs::file_type::not_found) ec.clear();
            return ruta;
        }
        if (!fs::is_symlink(estado)) return ruta;
        const fs::path destino = fs::read_symlink(ruta, ec);
        if (ec) return ruta;
        ruta = ruta.parent_path() / destino;  // a relative target counts from the link's folder
    }
    ec = std::make_error_code(std::errc::too_many_symbolic_link_levels);
    return ruta;
}

// Writes all the bytes, or says why it could not (an errno).
int EscribeTodo(int fd, const std::string& bytes) {
    std::size_t hecho = 0;
    while (hecho < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + hecho, bytes.size() - hecho);
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        hecho += static_cast<std::size_t>(n);
    }
    return 0;
}

}  // namespace

bool EntornoMudo::ExisteFichero(const std::string& nombre) {
    std::error_code ec;
    return fs::is_regular_file(nombre, ec);
}

bool EntornoMudo::ExisteNombre(const std::string& nombre) {
    std::error_code ec;
    return fs::exists(fs::status(nombre, ec));
}

Leido EntornoMudo::LeerFichero(const std::string& nombre, std::string& bytes, std::size_t maximo) {
    bytes.clear();
    std::error_code ec;
    if (!fs::is_regular_file(nombre, ec)) return ExisteNombre(nombre) ? Leido::NoEsFichero : Leido::Ilegible;
    // Measured before anything is read; and read no further than the bound
    // should the file grow meanwhile.
    const std::uintmax_t largo = fs::file_size(nombre, ec);
    if (ec) return Leido::Ilegible;
    if (largo > maximo) return Leido::Grande;
    std::ifstream f(nombre, std::ios::binary);
    if (!f) return Leido::Ilegible;
    std::string leido;
    char trozo[1 << 16];
    while (f.read(trozo, sizeof trozo) || f.gcount() > 0) {
        const auto n = static_cast<std::size_t>(f.gcount());
        if (leido.size() + n > maximo) return Leido::Grande;
        leido.append(trozo, n);
    }
    if (f.bad()) return Leido::Ilegible;
    bytes = std::move(leido);
    return Leido::Bien;
}

bool EntornoMudo::EscribirFichero(const std::string& nombre, const std::string& bytes) {
    ErrorEscritura = EscribeEnDisco(nombre, bytes);
    return ErrorEscritura.empty();
}

std::string EscribeEnDisco(const std::string& nombre, const std::string& bytes) {
    if (nombre.empty()) return "falta el nombre del fichero";
    std::error_code ec;
    const fs::path destino = SigueEnlaces(nombre, ec);
    if (ec) return Motivo(ec.value());
    if (!destino.has_filename()) return "falta el nombre del fichero";  // "partidas/"
    struct stat viejo {};
    const bool existe = ::stat(destino.c_str(), &viejo) == 0;
    if (!existe && errno != ENOENT) return Motivo(errno);  // a name too long, a file where a folder should be
    if (existe && S_ISDIR(viejo.st_mode)) return Motivo(EISDIR);
    // A device, a pipe or a socket is never replaced by a plain file.
    if (existe && !S_ISREG(viejo.st_mode)) return "no es un fichero normal";
    const fs::path carpeta = destino.has_parent_path() ? destino.parent_path() : fs::path(".");
    struct stat infoCarpeta {};
    if (::stat(carpeta.c_str(), &infoCarpeta) != 0) return Motivo(errno);
    if (!S_ISDIR(infoCarpeta.st_mode)) return Motivo(ENOTDIR);

    // The temporary name is short whatever the target's: the target's own
    // name may already be as long as the folder allows.
    std::random_device azar;
    fs::path temporal;
    int fd = -1;
    for (int intento = 0; intento < 100 && fd < 0; ++intento) {
        char cola[16];
        std::snprintf(cola, sizeof cola, "%08x", static_cast<unsigned>(azar()));
        temporal = carpeta / (".novenario-" + std::string(cola) + ".tmp");
        fd = ::open(temporal.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) {
        // The folder is there (it was just looked at): a file system that
        // takes no new files, such as /proc, answers as if it were not.
        if (errno == ENOENT) return "no se pueden crear ficheros en esa carpeta";
        return Motivo(errno);
    }
    int error = 0;
    // The new file keeps the old one's owner (when it may) and permissions.
    if (existe) {
        if (::fchown(fd, viejo.st_uid, viejo.st_gid) != 0) {
            // Another owner is for the system's administrator to give.
        }
        if (::fchmod(fd, viejo.st_mode & 07777) != 0) error = errno;
    }
    if (!error) error = EscribeTodo(fd, bytes);
    if (!error && ::fsync(fd) != 0) error = errno;
    if (::close(fd) != 0 && !error) error = errno;
    if (!error && ::rename(temporal.c_str(), destino.c_str()) != 0) error = errno;
    if (error) {
        ::unlink(temporal.c_str());
        return Motivo(error);
    }
    // The new name in its folder reaches the disk too; the file is in place
    // already, so this is as far as the save can go.
    const int dir = ::open(carpeta.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return {};
}

}  // namespace novenario
