// The windowless outside world on a real disk: what a write does to the
// target it is given, and a read that refuses a file too long to be a game.
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

#include "board/entorno_mudo.h"

namespace novenario::prueba {
namespace {

namespace fs = std::filesystem;

// A fresh folder for one test, removed after it.
class Carpeta {
public:
    Carpeta() {
        std::string plantilla = (fs::temp_directory_path() / "novenario-XXXXXX").string();
        ruta_ = ::mkdtemp(plantilla.data()) ? fs::path(plantilla) : fs::path();
    }
    ~Carpeta() {
        std::error_code ec;
        if (!ruta_.empty()) fs::remove_all(ruta_, ec);
    }
    fs::path operator/(const char* nombre) const { return ruta_ / nombre; }
    // The names in it, sorted.
    std::vector<std::string> Nombres() const {
        std::vector<std::string> r;
        for (const auto& e : fs::directory_iterator(ruta_)) r.push_back(e.path().filename().string());
        std::sort(r.begin(), r.end());
        return r;
    }

private:
    fs::path ruta_;
};

std::string Contenido(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

void Crear(const fs::path& p, const std::string& bytes, fs::perms modo) {
    std::ofstream(p, std::ios::binary) << bytes;
    fs::permissions(p, modo);
}

unsigned Modo(const fs::path& p) {
    struct stat info {};
    return ::stat(p.c_str(), &info) == 0 ? info.st_mode & 07777 : 0u;
}

unsigned ModoNuevo() {
    const mode_t mascara = ::umask(0);
    ::umask(mascara);
    return 0666u & ~static_cast<unsigned>(mascara);
}

struct CasoEscritura {
    const char* que;
    // Prepares the folder; returns the name to write to.
    std::function<fs::path(const Carpeta&)> preparar;
    const char* error;       // "" when the write succeeds
    const char* fichero;     // where the bytes must end up (when it succeeds)
    std::function<unsigned()> modo;  // the mode they must end up with
    std::vector<std::string> nombres;  // the folder afterwards
};
void PrintTo(const CasoEscritura& c, std::ostream* os) { *os << c.que; }

class EscrituraMuda : public testing::TestWithParam<CasoEscritura> {};

TEST_P(EscrituraMuda, HaceLoJustoConElDestino) {
    const CasoEscritura& caso = GetParam();
    Carpeta dir;
    const fs::path destino = caso.preparar(dir);
    EntornoMudo mudo;
    const bool bien = mudo.EscribirFichero(destino.string(), "partida nueva");
    EXPECT_EQ(bien, std::string(caso.error).empty());
    EXPECT_EQ(mudo.ErrorEscritura, caso.error);
    if (bien) {
        EXPECT_EQ(Contenido(dir / caso.fichero), "partida nueva");
        EXPECT_EQ(Modo(dir / caso.fichero), caso.modo());
    }
    // No temporary file is left behind, and links stay links.
    EXPECT_EQ(dir.Nombres(), caso.nombres);
    if (fs::is_symlink(dir / "enlace.sdk")) {
        EXPECT_EQ(fs::read_symlink(dir / "enlace.sdk"), "real.sdk");
    }
}

// The longest name a folder takes (255 bytes), and one byte more.
const std::string Largo = std::string(251, 'l') + ".sdk";
const std::string Larguisimo = std::string(252, 'l') + ".sdk";

fs::path Viejo(const Carpeta& d) {
    Crear(d / "real.sdk", "partida vieja", fs::perms::owner_read | fs::perms::owner_write);
    return d / "real.sdk";
}
fs::path Enlace(const Carpeta& d) {
    fs::create_symlink("real.sdk", d / "enlace.sdk");
    return d / "enlace.sdk";
}

INSTANTIATE_TEST_SUITE_P(
    Destinos, EscrituraMuda,
    testing::Values(
        CasoEscritura{"nuevo", [](const Carpeta& d) { return d / "real.sdk"; }, "", "real.sdk", ModoNuevo,
                      {"real.sdk"}},
        CasoEscritura{"viejo con sus permisos", Viejo, "", "real.sdk", [] { return 0600u; }, {"real.sdk"}},
        CasoEscritura{"enlace a un fichero",
                      [](const Carpeta& d) {
                          Viejo(d);
                          return Enlace(d);
                      },
                      "", "real.sdk", [] { return 0600u; }, {"enlace.sdk", "real.sdk"}},
        CasoEscritura{"enlace a un fichero que aún no existe", Enlace, "", "real.sdk", ModoNuevo,
                      {"enlace.sdk", "real.sdk"}},
        CasoEscritura{"tubería",
                      [](const Carpeta& d) {
                          ::mkfifo((d / "tubo.sdk").c_str(), 0644);
                          return d / "tubo.sdk";
                      },
                      "no es un fichero normal", "", nullptr, {"tubo.sdk"}},
        CasoEscritura{"carpeta",
                      [](const Carpeta& d) {
                          fs::create_directory(d / "sub");
                          return d / "sub";
                      },
                      "es una carpeta", "", nullptr, {"sub"}},
        CasoEscritura{"carpeta que no existe", [](const Carpeta& d) { return d / "no" / "x.sdk"; },
                      "la carpeta no existe", "", nullptr, {}},
        CasoEscritura{"bucle de enlaces",
                      [](const Carpeta& d) {
                          fs::create_symlink("b.sdk", d / "a.sdk");
                          fs::create_symlink("a.sdk", d / "b.sdk");
                          return d / "a.sdk";
                      },
                      "hay un bucle de enlaces simbólicos", "", nullptr, {"a.sdk", "b.sdk"}},
        // The temporary file's name is short whatever the target's.
        CasoEscritura{"nombre largo", [](const Carpeta& d) { return d / Largo.c_str(); }, "", Largo.c_str(), ModoNuevo,
                      {Largo}},
        CasoEscritura{"nombre largo sobre uno viejo",
                      [](const Carpeta& d) {
                          Crear(d / Largo.c_str(), "partida vieja", fs::perms::owner_read | fs::perms::owner_write);
                          return d / Largo.c_str();
                      },
                      "", Largo.c_str(), [] { return 0600u; }, {Largo}},
        CasoEscritura{"nombre demasiado largo", [](const Carpeta& d) { return d / Larguisimo.c_str(); },
                      "el nombre es demasiado largo", "", nullptr, {}},
        CasoEscritura{"sin nombre", [](const Carpeta&) { return fs::path(); }, "falta el nombre del fichero", "",
                      nullptr, {}},
        CasoEscritura{"nombre de carpeta", [](const Carpeta& d) { return fs::path((d / "sub").string() + "/"); },
                      "falta el nombre del fichero", "", nullptr, {}}));

// A file system that takes no new files (the system's /proc) is not a
// folder that does not exist; and the system's own words are never shown.
TEST(EscrituraMudaProc, DiceQueAhiNoSeCreanFicheros) {
    std::error_code ec;
    if (!fs::exists("/proc/self", ec)) GTEST_SKIP() << "no /proc here";
    EntornoMudo mudo;
    EXPECT_FALSE(mudo.EscribirFichero("/proc/version", "x"));
    EXPECT_EQ(mudo.ErrorEscritura, "no se pueden crear ficheros en esa carpeta");
    for (const int error : {EIO, EAGAIN, EMFILE, 12345}) {
        const std::string motivo = Motivo(error);
        EXPECT_EQ(motivo.find(std::strerror(error)), std::string::npos) << motivo;
    }
}

// A file longer than the bound is measured, not read (a sparse gigabyte
// costs neither disk nor time); the bound itself is read whole.
TEST(LecturaMuda, UnFicheroMasLargoQueElMaximoNoSeLee) {
    Carpeta dir;
    struct Caso {
        std::uintmax_t largo;
        std::size_t maximo;
        Leido esperado;
    };
    for (const Caso& caso : {Caso{std::uintmax_t{1} << 30, std::size_t{16} << 20, Leido::Grande},
                             Caso{11, 10, Leido::Grande}, Caso{10, 10, Leido::Bien}, Caso{0, 10, Leido::Bien}}) {
        SCOPED_TRACE(caso.largo);
        const fs::path p = dir / "grande.sdk";
        std::ofstream(p, std::ios::binary | std::ios::trunc).close();
        fs::resize_file(p, caso.largo);
        EntornoMudo mudo;
        std::string leido = "basura";
        EXPECT_EQ(mudo.LeerFichero(p.string(), leido, caso.maximo), caso.esperado);
        EXPECT_EQ(leido.size(), caso.esperado == Leido::Bien ? caso.largo : 0u);
    }
    // A pipe or a folder is not a file to read (and a pipe would never end).
    ::mkfifo((dir / "tubo.sdk").c_str(), 0644);
    EntornoMudo mudo;
    std::string leido;
    EXPECT_EQ(mudo.LeerFichero((dir / "tubo.sdk").string(), leido, 10), Leido::NoEsFichero);
    EXPECT_EQ(mudo.LeerFichero((dir / "no.sdk").string(), leido, 10), Leido::Ilegible);
}

}  // namespace
}  // namespace novenario::prueba
