// The game clock: a second a tick while it is switched on, the status bar
// every second, and the switch that says how it stands.
#include "entorno_falso.h"

namespace novenario::prueba {
namespace {

using Tipo = FormaModal::Tipo;

// ---------------------------------------------------------------------------
// The game clock

struct CasoReloj {
    long long h, m, s;  // the time before the ticks
    int tics;
    const char* hor;
    const char* min;
    const char* seg;
};

void PrintTo(const CasoReloj& c, std::ostream* os) {
    *os << c.h << ":" << c.m << ":" << c.s << " +" << c.tics;
}

class Reloj : public Partida, public ::testing::WithParamInterface<CasoReloj> {};

// Each tick adds a second; 60 seconds make a minute and 60 minutes an hour.
// A number of 9 or less shows a leading zero, any other shows all its digits.
// A label is only rewritten when its own counter moves.
TEST_P(Reloj, AvanzaUnSegundoPorTic) {
    const auto& k = GetParam();
    f.Variables.Horas = k.h;
    f.Variables.Minutos = k.m;
    f.Variables.Segundos = k.s;
    f.Variables.Reloj_Activo = Bandera::S;
    for (int i = 0; i < k.tics; ++i) Timer02Timer(f);
    EXPECT_EQ(f.Ventana.LPHor.Caption, k.hor);
    EXPECT_EQ(f.Ventana.LPMin.Caption, k.min);
    EXPECT_EQ(f.Ventana.LPseg.Caption, k.seg);
    const long long total = ((k.h * 60 + k.m) * 60 + k.s) + k.tics;
    EXPECT_EQ(f.Variables.Segundos, total % 60);
    EXPECT_EQ(f.Variables.Minutos, total / 60 % 60);
    EXPECT_EQ(f.Variables.Horas, total / 3600);
}

INSTANTIATE_TEST_SUITE_P(
    Fronteras, Reloj,
    ::testing::Values(CasoReloj{0, 0, 0, 1, "00", "00", "01"},
                      CasoReloj{0, 0, 0, 9, "00", "00", "09"},
                      CasoReloj{0, 0, 0, 10, "00", "00", "10"},
                      CasoReloj{0, 0, 0, 59, "00", "00", "59"},
                      CasoReloj{0, 0, 0, 60, "00", "01", "00"},
                      CasoReloj{0, 0, 0, 61, "00", "01", "01"},
                      CasoReloj{0, 0, 0, 600, "00", "10", "00"},
                      CasoReloj{0, 0, 0, 3599, "00", "59", "59"},
                      CasoReloj{0, 0, 0, 3600, "01", "00", "00"},
                      CasoReloj{0, 0, 0, 36000, "10", "00", "00"},
                      CasoReloj{0, 0, 59, 1, "00", "01", "00"},
                      CasoReloj{0, 59, 59, 1, "01", "00", "00"},
                      CasoReloj{8, 59, 59, 1, "09", "00", "00"},
                      CasoReloj{9, 59, 59, 1, "10", "00", "00"},
                      CasoReloj{99, 59, 59, 1, "100", "00", "00"},
                      CasoReloj{0, 0, 0, 360000, "100", "00", "00"}));

TEST_F(Partida, ElRelojNoCuentaSiNoEstaEncendido) {
    for (Bandera b : {Bandera::Nada, Bandera::N}) {
        f.Variables.Reloj_Activo = b;
        for (int i = 0; i < 75; ++i) Timer02Timer(f);
        EXPECT_EQ(f.Variables.Segundos + f.Variables.Minutos + f.Variables.Horas, 0);
        EXPECT_EQ(f.Ventana.LPseg.Caption, "00");
    }
}

// The switch never resets the counters: switching on again continues.
TEST_F(Partida, ApagarYEncenderConservaElTiempo) {
    BReloj2Click(f);
    EXPECT_EQ(f.Variables.Reloj_Activo, Bandera::S);
    EXPECT_EQ(f.Ventana.LBReloj.Caption, "&Reloj Si");
    for (int i = 0; i < 75; ++i) Timer02Timer(f);
    BReloj2Click(f);
    EXPECT_EQ(f.Variables.Reloj_Activo, Bandera::N);
    EXPECT_EQ(f.Ventana.LBReloj.Caption, "&Reloj No");
    for (int i = 0; i < 10; ++i) Timer02Timer(f);
    EXPECT_EQ(f.Ventana.LPMin.Caption, "01");
    EXPECT_EQ(f.Ventana.LPseg.Caption, "15");
    BReloj2Click(f);
    for (int i = 0; i < 5; ++i) Timer02Timer(f);
    EXPECT_EQ(f.Ventana.LPHor.Caption, "00");
    EXPECT_EQ(f.Ventana.LPMin.Caption, "01");
    EXPECT_EQ(f.Ventana.LPseg.Caption, "20");
}

TEST_F(Partida, ElInterruptorDelRelojOcultaElAvisoDeError) {
    f.Ventana.PError.Show();
    BReloj2Click(f);
    EXPECT_FALSE(f.Ventana.PError.Visible);
}

// Every second the date and time go into panels 3 and 4 of the status bar,
// whether the clock counts or not.
TEST_F(Partida, FechaYHoraEnLaBarraDeEstado) {
    Timer02Timer(f);
    EXPECT_EQ(f.Ventana.StatusBar1[2], "martes, 8 de diciembre de 2026");
    EXPECT_EQ(f.Ventana.StatusBar1[3], "17:45:09");
    ent.Fecha = "miércoles, 9 de diciembre de 2026";
    ent.HoraTexto = "0:00:01";
    f.Variables.Reloj_Activo = Bandera::S;
    Timer02Timer(f);
    EXPECT_EQ(f.Ventana.StatusBar1[2], "miércoles, 9 de diciembre de 2026");
    EXPECT_EQ(f.Ventana.StatusBar1[3], "0:00:01");
    EXPECT_EQ(f.Ventana.StatusBar1[0], "Novenario  v.4.0");
    EXPECT_EQ(f.Ventana.StatusBar1[1], " Orvalia Software ");
}

}  // namespace
}  // namespace novenario::prueba
