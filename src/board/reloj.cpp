// The two timers and the game clock. Timer01 draws the random panels that
// new games read; Timer02 writes the date and time into the status bar every
// second and counts the game clock while it is switched on.
#include "board/juego.h"

namespace novenario {

void Timer01Timer(Juego& f) {
    auto sorteo = [&f](Control& panel, std::uint32_t n, const char* en_lugar_de_cero) {
        panel.Caption = std::to_string(f.Motor.Generador.Random(n));
        if (Trim(panel.Caption) == "0") panel.Caption = en_lugar_de_cero;
    };
    sorteo(f.Motor.PNumero, 9, "9");
    sorteo(f.Motor.PPanel, 9, "9");
    sorteo(f.Motor.PPosicion, 9, "9");
    sorteo(f.Motor.PBorro, 81, "81");
}

void Timer01_Al_Dia(Juego& f) {
    constexpr long long Periodo = 10;
    constexpr int SorteosPorTic = 4;
    const long long debidos = (f.Ent.Milisegundos() - f.Motor.Inicio_Timer01) / Periodo;
    if (debidos <= f.Motor.Tics_Timer01) return;
    // Only the last tick's values stay on the panels; the ones before only
    // move the seed on.
    f.Motor.Generador.Avanzar(static_cast<std::uint64_t>(debidos - f.Motor.Tics_Timer01 - 1) * SorteosPorTic);
    Timer01Timer(f);
    f.Motor.Tics_Timer01 = debidos;
}

std::string DosCifras(long long n) {
    return n <= 9 ? "0" + std::to_string(n) : std::to_string(n);
}

void Timer02Timer(Juego& f) {
    f.Ventana.StatusBar1[2] = f.Ent.FechaLarga();
    f.Ventana.StatusBar1[3] = f.Ent.Hora();
    if (f.Variables.Reloj_Activo != Bandera::S) return;
    f.Variables.Segundos += 1;
    if (f.Variables.Segundos > 59) {
        f.Variables.Segundos = 0;
        f.Ventana.LPseg.Caption = "00";
        f.Variables.Minutos += 1;
        f.Ventana.LPMin.Caption = DosCifras(f.Variables.Minutos);
    }
    f.Ventana.LPseg.Caption = DosCifras(f.Variables.Segundos);
    if (f.Variables.Minutos > 59) {
        f.Variables.Minutos = 0;
        f.Ventana.LPMin.Caption = "00";
        f.Variables.Horas += 1;
        f.Ventana.LPHor.Caption = DosCifras(f.Variables.Horas);
    }
}

void Bombeo_Largo(Juego& f) {
    if (f.Ent.Hay_Que_Bombear()) f.Ent.ProcessMessages();
}

void Reinicia_Reloj(Juego& f) {
    f.Variables.Segundos = f.Variables.Minutos = f.Variables.Horas = 0;
    f.Ventana.LPHor.Caption = f.Ventana.LPMin.Caption = f.Ventana.LPseg.Caption = "00";
}

void Para_Reloj(Juego& f) {
    f.Variables.Reloj_Activo = Bandera::N;
    f.Ventana.LBReloj.Caption = "&Reloj No";
}

void BReloj2Click(Juego& f) {
    f.Ventana.PError.Hide();
    if (f.Variables.Reloj_Activo != Bandera::S) {
        f.Variables.Reloj_Activo = Bandera::S;
        f.Ventana.LBReloj.Caption = "&Reloj Si";
    } else {
        f.Variables.Reloj_Activo = Bandera::N;
        f.Ventana.LBReloj.Caption = "&Reloj No";
    }
}

}  // namespace novenario
