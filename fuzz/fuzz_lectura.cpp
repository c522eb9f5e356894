// libFuzzer target of the saved-game reader: any bytes, as a file the player
// chose, go through the whole check of a load and the cells are put on a
// board. The reader must never crash, hang or grow without bound, and what it
// gives must fit the format.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "board/tablero.h"
#include "sdk/formato.h"
#include "sdk/rtf.h"

namespace {

void Exige(bool condicion) {
    if (!condicion) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t largo) {
    using namespace novenario;
    const std::string_view bytes(reinterpret_cast<const char*>(datos), largo);

    const sdk::Lectura r = sdk::LeePartida(bytes);
    Exige(r.Correcta == r.Error.empty());
    Exige(r.Juego.LPHor.size() <= 2 && r.Juego.LPMin.size() <= 2 && r.Juego.LPseg.size() <= 2);
    Exige(r.Juego.EPartida.size() <= sdk::LargoSolucion && r.Juego.ENivel_Juego.size() <= 1);
    for (const std::string& item : r.Juego.LBPanel) Exige(!item.empty() && item[0] == 'P' && item.size() <= 7);
    Tablero t;
    sdk::AplicaTablero(r.Juego, t);

    // Whatever was read is written and read back unchanged.
    const auto lineas = sdk::LeeLineas(bytes);
    Exige(sdk::LeeLineas(sdk::EscribeRtf(lineas)) == lineas);
    return 0;
}
