// The reader against damaged files: the sample files, mutated a few thousand
// times in a fixed, repeatable way (bytes changed, cut, braces and
// backslashes and control words put in, pieces copied and removed). Every one
// must be read without a crash, with output no larger than the input allows
// and fields no longer than the format allows.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "juegos.h"
#include "sdk/formato.h"
#include "sdk/rtf.h"

namespace novenario::sdk::prueba {
namespace {

class Azar {
public:
    explicit Azar(std::uint64_t semilla) : s_(semilla) {}
    std::uint64_t Siguiente() {
        s_ += 0x9E3779B97F4A7C15ull;
        std::uint64_t z = s_;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // 0 .. n-1; 0 when n is 0.
    std::size_t Hasta(std::size_t n) { return n == 0 ? 0 : static_cast<std::size_t>(Siguiente() % n); }

private:
    std::uint64_t s_;
};

const char* const Injertos[] = {
    "{", "}", "\\", "\\'", "\\'zz", "\\'f", "\\u", "\\u-1", "\\u241?", "\\uc9 ", "\\uc0",
    "\\bin", "\\bin99999 ", "{\\*", "{\\fonttbl", "{\\pict ", "\\par", "\\line", "\\\r\n",
    "\r\n", "\n", "\r", "{\\rtf1 ", "\\fs-20 ", " ", "P", "--", "$", "0x", "\\~", "\\-",
};

void Muta(std::string& b, Azar& azar) {
    switch (azar.Hasta(7)) {
    case 0:  // change a byte
        if (!b.empty()) b[azar.Hasta(b.size())] = static_cast<char>(azar.Siguiente() & 0xFF);
        break;
    case 1:  // cut the file
        b.resize(azar.Hasta(b.size() + 1));
        break;
    case 2: {  // put in a piece of RTF syntax
        const char* injerto = Injertos[azar.Hasta(std::size(Injertos))];
        b.insert(azar.Hasta(b.size() + 1), injerto);
        break;
    }
    case 3: {  // copy a piece elsewhere
        const std::size_t desde = azar.Hasta(b.size() + 1);
        const std::size_t largo = std::min(azar.Hasta(64), b.size() - desde);
        const std::string trozo = b.substr(desde, largo);
        b.insert(azar.Hasta(b.size() + 1), trozo);
        break;
    }
    case 4: {  // remove a piece
        const std::size_t desde = azar.Hasta(b.size() + 1);
        b.erase(desde, azar.Hasta(32));
        break;
    }
    case 5:  // deep nesting or a long run of one control
        b.insert(azar.Hasta(b.size() + 1), std::string(azar.Hasta(2000), azar.Hasta(2) ? '{' : '}'));
        break;
    default:  // flip one bit
        if (!b.empty()) b[azar.Hasta(b.size())] ^= static_cast<char>(1 << azar.Hasta(8));
        break;
    }
}

std::vector<std::string> Semillas() {
    std::vector<std::filesystem::path> rutas;
    for (const auto& e : std::filesystem::directory_iterator(std::string(NOVENARIO_DATOS) + "/sdk")) {
        if (e.path().extension() == ".sdk") rutas.push_back(e.path());
    }
    std::sort(rutas.begin(), rutas.end());
    std::vector<std::string> semillas;
    for (const auto& r : rutas) semillas.push_back(LeeBytes(r.string()));
    return semillas;
}

void CompruebaLectura(const std::string& bytes) {
    const std::vector<std::string> lineas = LeeLineas(bytes);
    std::size_t texto = 0;
    for (const std::string& l : lineas) texto += l.size();
    // Every character of text and every line break costs a byte of input;
    // only the last line may come without a break.
    ASSERT_LE(texto + lineas.size(), bytes.size() + 1);

    const Lectura r = LeePartida(bytes);
    for (const ParLeido& p : r.Juego.Pares) {
        ASSERT_LE(p.Valor.size(), 1u);
        ASSERT_LE(p.Marca.size(), p.Valor.size());
    }
    ASSERT_LE(r.Juego.LPHor.size(), 2u);
    ASSERT_LE(r.Juego.LPMin.size(), 2u);
    ASSERT_LE(r.Juego.LPseg.size(), 2u);
    ASSERT_LE(r.Juego.EPartida.size(), 81u);
    ASSERT_LE(r.Juego.ENivel_Juego.size(), 1u);
    ASSERT_LE(r.Juego.LBPanel.size() + (lineas.empty() ? 0 : 1), lineas.size());
    for (const std::string& item : r.Juego.LBPanel) {
        ASSERT_FALSE(item.empty());
        ASSERT_EQ(item[0], 'P');
        ASSERT_LE(item.size(), 7u);
    }
    if (r.Correcta) {
        ASSERT_TRUE(r.Error.empty());
    } else {
        const std::string cola = "' is not a valid integer value";
        ASSERT_GE(r.Error.size(), cola.size() + 1);
        ASSERT_EQ(r.Error.front(), '\'');
        ASSERT_EQ(r.Error.substr(r.Error.size() - cola.size()), cola);
    }
}

TEST(SdkMutaciones, MilesDeFicherosDanados) {
    const std::vector<std::string> semillas = Semillas();
    ASSERT_GE(semillas.size(), 7u) << "the sample files of tests/data/sdk";
    Azar azar(0x5D6B2024);
    int casos = 0;
    for (const std::string& semilla : semillas) {
        for (int i = 0; i < 1000; ++i) {
            std::string b = semilla;
            const std::size_t cambios = 1 + azar.Hasta(4);
            for (std::size_t k = 0; k < cambios; ++k) Muta(b, azar);
            ASSERT_NO_FATAL_FAILURE(CompruebaLectura(b)) << "seed file " << (&semilla - semillas.data())
                                                         << ", mutation " << i;
            ++casos;
        }
    }
    EXPECT_EQ(casos, static_cast<int>(semillas.size()) * 1000);
}

// A damaged file of our own still gives the cells it holds before the damage.
TEST(SdkMutaciones, CorteDejaLoLeido) {
    const std::string bytes = LeeBytes(RutaSdk("creada.sdk"));
    const std::size_t inicio = bytes.find("\\fs16 ") + 6;
    // Cut after the first 20 characters of the board line.
    const Lectura r = LeePartida(bytes.substr(0, inicio + 20));
    EXPECT_FALSE(r.Correcta);
    EXPECT_EQ(r.Error, "'' is not a valid integer value");
    const std::string linea = JuegoCreado()[0];
    for (std::size_t n = 0; n < 10; ++n) {
        EXPECT_EQ(r.Juego.Pares[n].Valor, linea.substr(2 * n, 1));
        EXPECT_EQ(r.Juego.Pares[n].Marca, linea.substr(2 * n + 1, 1));
    }
    EXPECT_EQ(r.Juego.Pares[10].Valor, "");
}

}  // namespace
}  // namespace novenario::sdk::prueba
