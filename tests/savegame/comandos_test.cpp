// Saving and loading through the main window: the dialogs, the file-name
// label, what a load restores, and that a file which cannot be loaded or a
// save which cannot be written costs the player nothing.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#include "board/entorno_falso.h"
#include "board/juego.h"
#include "juegos.h"
#include "savegame/formato.h"

namespace novenario::prueba {
namespace {

using sdk::prueba::LeeBytes;
using sdk::prueba::RutaSdk;

const std::string Carpeta = "/home/jugador/partidas";
const std::string Fichero = Carpeta + "/domingo.sdk";

bool SolucionActiva(const TFormPrincipal& f) {
    return f.Ventana.BSolucion.Enabled && f.Ventana.LBSolucion.Enabled && f.Ventana.LBSolucionR.Enabled && f.Ventana.BDejarRojos.Enabled &&
           f.Ventana.LBDejarRojos.Enabled && f.Ventana.LBDejarRojosR.Enabled && f.Ventana.BVerPista.Enabled && f.Ventana.LBVerPista.Enabled &&
           f.Ventana.LBVerPistasR.Enabled;
}
bool SolucionInactiva(const TFormPrincipal& f) {
    return !f.Ventana.BSolucion.Enabled && !f.Ventana.LBSolucion.Enabled && !f.Ventana.LBSolucionR.Enabled && !f.Ventana.BDejarRojos.Enabled &&
           !f.Ventana.LBDejarRojos.Enabled && !f.Ventana.LBDejarRojosR.Enabled && !f.Ventana.BVerPista.Enabled &&
           !f.Ventana.LBVerPista.Enabled && !f.Ventana.LBVerPistasR.Enabled;
}

class SalvarCargar : public Partida {
protected:
    // Puts the clock at h:m:s as the ticks would have left it.
    void Reloj(long long h, long long m, long long s) {
        f.Variables.Horas = h;
        f.Variables.Minutos = m;
        f.Variables.Segundos = s;
        f.Ventana.LPHor.Caption = DosCifras(h);
        f.Ventana.LPMin.Caption = DosCifras(m);
        f.Ventana.LPseg.Caption = DosCifras(s);
    }
    // Saves to that name; returns the lines that went into the file.
    std::vector<std::string> Salvar(const std::string& nombre = Fichero) {
        ent.EligeSalvar.push_back(nombre);
        BSalvar2Click(f);
        return sdk::LeePartida(ent.Ficheros[nombre]).Lineas;
    }
    void Cargar(const std::string& nombre = Fichero) {
        ent.EligeAbrir.push_back(nombre);
        BCargar2Click(f);
    }
    // A new game with the first two free cells filled in and the clock at 0:12:05.
    void PartidaEmpezada() {
        BNuevaPartida2Click(f);
        int hechas = 0;
        for (int c = 0; c < NumCeldas && hechas < 2; ++c) {
            if (!f.Paneles[c].Caption.empty()) continue;
            PClick(f, c);
            BClick(f, f.Partida.EPartida[static_cast<std::size_t>(c)] - '0');
            ++hechas;
        }
        ASSERT_EQ(hechas, 2);
        ASSERT_FALSE(f.Variables.LBPanel.empty());
        Reloj(0, 12, 5);
    }
};

// ---- saving ---------------------------------------------------------------

TEST_F(SalvarCargar, ElDialogoDeSalvarPideUnSdkYConfirmaSiSobrescribe) {
    BSalvar2Click(f);
    ASSERT_EQ(ent.DialogosSalvar.size(), 1u);
    const DialogoFichero& d = ent.DialogosSalvar[0];
    EXPECT_EQ(d.Titulo, " Novenario.  Salvar Partida.");
    EXPECT_EQ(d.Descripcion, "Documento ( *.sdk )");
    EXPECT_EQ(d.Patron, "*.sdk");
    EXPECT_EQ(d.Extension, "*.sdk");
    EXPECT_TRUE(d.ConfirmarSobrescribir);
    // Cancelled: nothing written, nothing said, the label as it was.
    EXPECT_TRUE(ent.Ficheros.empty());
    EXPECT_TRUE(ent.Mensajes.empty());
    EXPECT_EQ(f.Ventana.PFichero.Caption, "Fichero");
}

TEST_F(SalvarCargar, ElTableroVacioDeLaSalidaSeGuardaComoElFicheroDeReferencia) {
    Salvar();
    EXPECT_EQ(ent.Ficheros[Fichero], LeeBytes(RutaSdk("vacia.sdk")));
    EXPECT_EQ(f.Partida.ESalvarPartida, sdk::prueba::LineaVacia());
    EXPECT_EQ(f.Ventana.PFichero.Caption, " " + Fichero);
}

TEST_F(SalvarCargar, UnaPartidaCreadaLlevaLaColaConSolucionYNivel) {
    PartidaEmpezada();
    const std::vector<std::string> lineas = Salvar();
    ASSERT_GE(lineas.size(), 3u);
    const std::string& linea = lineas[0];
    ASSERT_EQ(linea.size(), 255u);
    EXPECT_EQ(linea.substr(162, 6), "001205");
    EXPECT_EQ(linea.substr(168, 5), "-----");
    EXPECT_EQ(linea.substr(173, 81), f.Partida.EPartida);
    EXPECT_EQ(linea.substr(254), "3");
    EXPECT_EQ(std::vector<std::string>(lineas.begin() + 1, lineas.end()), f.Variables.LBPanel);
    for (int c = 0; c < NumCeldas; ++c) {
        const Celda& p = f.Paneles[c];
        const std::string par = linea.substr(static_cast<std::size_t>(2 * c), 2);
        if (p.Caption.empty()) EXPECT_EQ(par, " B") << tablero::Nombre(c);
        else EXPECT_EQ(par, p.Caption + (p.Color_ == Naranja ? "R" : "B")) << tablero::Nombre(c);
    }
}

TEST_F(SalvarCargar, SalvarNoTocaElTableroNiParaElReloj) {
    PartidaEmpezada();
    const Foto antes(f);
    Salvar();
    Foto despues(f);
    EXPECT_EQ(despues.PFichero, " " + Fichero);
    despues.PFichero = antes.PFichero;
    EXPECT_EQ(despues, antes);
    EXPECT_EQ(f.Variables.Reloj_Activo, Bandera::S);
}

TEST_F(SalvarCargar, UnaCarpetaSinPermisoDaElMensajeYNoTocaNiEtiquetaNiFicheroViejo) {
    Salvar();  // a first save that worked
    const std::string viejo = ent.Ficheros[Fichero];
    ent.SinPermiso.push_back(Carpeta);
    BNuevaPartida2Click(f);
    f.Ventana.PFichero.Caption = " /otro/nombre.sdk";
    const Foto antes(f);

    Salvar();
    ASSERT_EQ(ent.Mensajes.size(), 1u);
    EXPECT_EQ(ent.Mensajes[0].first, "Error al Salvar el Fichero");
    EXPECT_EQ(ent.Mensajes[0].second, "Novenario  Error");
    EXPECT_EQ(ent.Ficheros[Fichero], viejo);
    EXPECT_EQ(Foto(f), antes);
}

TEST_F(SalvarCargar, UnRelojDeMasDeCienHorasGuardaNoventaYNueveSinMoverLaLinea) {
    PartidaEmpezada();
    Reloj(123, 4, 5);
    const std::vector<std::string> lineas = Salvar();
    ASSERT_EQ(lineas[0].size(), 255u);
    EXPECT_EQ(lineas[0].substr(162, 6), "990405");
    EXPECT_EQ(lineas[0].substr(168, 5), "-----");
    Cargar();
    EXPECT_EQ(f.Variables.Horas, 99);
    EXPECT_EQ(f.Ventana.LPHor.Caption, "99");
    EXPECT_EQ(f.Partida.EPartida, lineas[0].substr(173, 81));
}

// ---- loading --------------------------------------------------------------

TEST_F(SalvarCargar, ElDialogoDeCargarPideUnSdkQueExista) {
    BCargar2Click(f);
    ASSERT_EQ(ent.DialogosAbrir.size(), 1u);
    const DialogoFichero& d = ent.DialogosAbrir[0];
    EXPECT_EQ(d.Titulo, " Novenario.  Abrir fichero  ( Cargar Partida ).");
    EXPECT_EQ(d.Descripcion, "Partida Novenario ( *.sdk )");
    EXPECT_EQ(d.Patron, "*.sdk");
    EXPECT_EQ(d.Extension, "*.sdk");
    EXPECT_TRUE(d.DebeExistir);
    EXPECT_FALSE(d.ConfirmarSobrescribir);
}

TEST_F(SalvarCargar, SalvarYCargarDevuelveLaMismaPartida) {
    PartidaEmpezada();
    f.Variables.Nivel = 4;  // the level the game was created at is what the file keeps
    f.Ventana.LBNivel.Caption = "Nivel par&Tida 4";
    f.Variables.Paneles_Vacios = 46;
    Salvar();
    const std::string tablero = LeerRejilla(f);
    std::vector<bool> fijas;
    for (int c = 0; c < NumCeldas; ++c) fijas.push_back(f.Paneles[c].Color_ == Naranja);
    const std::string solucion = f.Partida.EPartida;
    const std::vector<std::string> movimientos = f.Variables.LBPanel;

    BBorraTodoClick(f);
    f.Variables.Nivel = 1;
    f.Ventana.LBNivel.Caption = "Nivel par&Tida 1";
    f.Ventana.LBReloj.Caption = "&Reloj No";
    Cargar();

    EXPECT_EQ(LeerRejilla(f), tablero);
    for (int c = 0; c < NumCeldas; ++c) {
        const Celda& p = f.Paneles[c];
        EXPECT_EQ(p.Color_ == Naranja, fijas[static_cast<std::size_t>(c)]) << tablero::Nombre(c);
        EXPECT_EQ(p.Enabled, !fijas[static_cast<std::size_t>(c)]) << tablero::Nombre(c);
    }
    EXPECT_EQ(f.Partida.EPartida, solucion);
    EXPECT_EQ(f.Variables.LBPanel, movimientos);
    EXPECT_EQ(f.Variables.Posicion_Lista, static_cast<int>(movimientos.size()) - 1);
    EXPECT_TRUE(f.Ventana.BAtras.Enabled);
    EXPECT_FALSE(f.Ventana.BAdelante.Enabled);
    EXPECT_EQ(f.Variables.Nivel, 4);
    EXPECT_EQ(f.Ventana.LBNivel.Caption, "Nivel par&Tida 4");
    EXPECT_EQ(f.Variables.Paneles_Vacios, 46);
    EXPECT_EQ(std::tie(f.Variables.Horas, f.Variables.Minutos, f.Variables.Segundos), std::make_tuple(0LL, 12LL, 5LL));
    EXPECT_EQ(f.Variables.Reloj_Activo, Bandera::S);
    EXPECT_EQ(f.Ventana.LBReloj.Caption, "&Reloj Si");
    EXPECT_EQ(f.Ventana.PFichero.Caption, " " + Fichero);
    EXPECT_TRUE(SolucionActiva(f));
    EXPECT_EQ(f.Partida.Hay_Fijos, Bandera::S);
    EXPECT_TRUE(ent.Mensajes.empty());

    // The clock counts on from the saved time.
    Timer02Timer(f);
    EXPECT_EQ(f.Ventana.LPseg.Caption, "06");
    // And the game saves again exactly as it was loaded.
    const std::string primero = ent.Ficheros[Fichero];
    Reloj(0, 12, 5);
    Salvar(Carpeta + "/otra.sdk");
    EXPECT_EQ(ent.Ficheros[Carpeta + "/otra.sdk"], primero);
}

TEST_F(SalvarCargar, ElFicheroDeReferenciaDeUnaPartidaCreadaSeCargaYSeGuardaIgual) {
    ent.Ficheros[Fichero] = LeeBytes(RutaSdk("creada.sdk"));
    Cargar();
    ASSERT_TRUE(ent.Mensajes.empty());
    EXPECT_EQ(f.Ventana.LPHor.Caption + f.Ventana.LPMin.Caption + f.Ventana.LPseg.Caption, "001205");
    EXPECT_EQ(f.Variables.Nivel, 3);
    Salvar(Carpeta + "/copia.sdk");
    EXPECT_EQ(ent.Ficheros[Carpeta + "/copia.sdk"], ent.Ficheros[Fichero]);
}

TEST_F(SalvarCargar, LasCasillasVerdesYAguamarinaVuelvenBlancasConSuValor) {
    const std::string a = "P1_1", b = "P5_5";
    En(f, a).Caption = "3";
    En(f, a).Color_ = Verde;
    En(f, b).Caption = "7";
    En(f, b).Color_ = Aguamarina;
    Fijar(f, "P9_9", "4");
    Salvar();
    BBorraTodoClick(f);
    Cargar();
    EXPECT_EQ(En(f, b).Caption, "7");
    EXPECT_EQ(En(f, b).Color_, Blanco);
    EXPECT_TRUE(En(f, b).Enabled);
    EXPECT_EQ(En(f, a).Caption, "3");
    EXPECT_NE(En(f, a).Color_, Naranja);
    EXPECT_EQ(En(f, "P9_9").Color_, Naranja);
    EXPECT_FALSE(En(f, "P9_9").Enabled);
    // A fixed cell no longer answers clicks.
    f.ClickCelda(Idx("P9_9"));
    EXPECT_NE(f.Variables.Panel_Activo, "P9_9");
}

TEST_F(SalvarCargar, SinCasillasFijasLaSolucionLaPistaYDejaFijosQuedanApagados) {
    // A game in progress with givens has those commands on.
    BNuevaPartida2Click(f);
    ASSERT_TRUE(SolucionActiva(f));
    std::string linea;
    for (int n = 0; n < NumCeldas; ++n) linea += n == 40 ? "5B" : " B";
    ent.Ficheros[Fichero] = sdk::EscribePartida({linea + "000102"});
    Cargar();
    EXPECT_EQ(f.Partida.Hay_Fijos, Bandera::N);
    EXPECT_TRUE(SolucionInactiva(f));
    EXPECT_EQ(f.Paneles[40].Caption, "5");
    EXPECT_TRUE(f.Partida.EPartida.empty());
    EXPECT_FALSE(f.Ventana.BAtras.Enabled);
    EXPECT_FALSE(f.Ventana.BAdelante.Enabled);
    EXPECT_EQ(f.Variables.Posicion_Lista, 0);
}

TEST_F(SalvarCargar, UnFicheroSinColaConservaElNivelDeLaPartidaEnCurso) {
    f.Variables.Nivel = 5;
    f.Ventana.LBNivel.Caption = "Nivel par&Tida 5";
    f.Variables.Paneles_Vacios = 51;
    f.Partida.EPartida = sdk::prueba::Solucion;
    ent.Ficheros[Fichero] = LeeBytes(RutaSdk("vacia.sdk"));
    Cargar();
    EXPECT_EQ(f.Variables.Nivel, 5);
    EXPECT_EQ(f.Ventana.LBNivel.Caption, "Nivel par&Tida 5");
    EXPECT_EQ(f.Variables.Paneles_Vacios, 51);
    EXPECT_TRUE(f.Partida.EPartida.empty());
    EXPECT_TRUE(f.Partida.ENivel_Juego.empty());
}

TEST_F(SalvarCargar, ElDigitoDeNivelSoloCuentaDeUnoACinco) {
    struct Caso {
        std::string digito;
        int nivel;
        int vacios;
    };
    const std::vector<Caso> casos{{"1", 1, 21}, {"2", 2, 31}, {"3", 3, 41}, {"4", 4, 46}, {"5", 5, 51},
                                  {"0", 2, 31}, {"6", 2, 31}, {" ", 2, 31}, {"x", 2, 31}};
    for (const Caso& caso : casos) {
        SCOPED_TRACE("nivel '" + caso.digito + "'");
        f.Variables.Nivel = 2;
        f.Ventana.LBNivel.Caption = "Nivel par&Tida 2";
        f.Variables.Paneles_Vacios = 31;
        ent.Ficheros[Fichero] = sdk::EscribePartida({sdk::prueba::LineaVacia() + "-----" + sdk::prueba::Solucion +
                                                     caso.digito});
        Cargar();
        EXPECT_EQ(f.Variables.Nivel, caso.nivel);
        EXPECT_EQ(f.Ventana.LBNivel.Caption, "Nivel par&Tida " + std::to_string(caso.nivel));
        EXPECT_EQ(f.Variables.Paneles_Vacios, caso.vacios);
        EXPECT_EQ(f.Partida.EPartida, sdk::prueba::Solucion);
    }
}

TEST_F(SalvarCargar, LosMovimientosCargadosSeRecorrenHaciaAtrasYAdelante) {
    std::string linea = sdk::prueba::LineaVacia();
    linea.replace(0, 2, "6B");  // P1_1 holds the 6 entered last
    ent.Ficheros[Fichero] = sdk::EscribePartida({linea, "P1_1--B", "P1_1--4", "P1_1--4", "P1_1--6", ""});
    Cargar();
    ASSERT_EQ(f.Variables.LBPanel, (std::vector<std::string>{"P1_1--B", "P1_1--4", "P1_1--4", "P1_1--6"}));
    EXPECT_EQ(f.Variables.Posicion_Lista, 3);
    f.ClickAtras();
    EXPECT_EQ(En(f, "P1_1").Caption, "4");
    EXPECT_TRUE(f.Ventana.BAdelante.Enabled);
    f.ClickAdelante();
    EXPECT_EQ(En(f, "P1_1").Caption, "6");
}

TEST_F(SalvarCargar, TrasCargarSeRecalculanCandidatosSeleccionYCasillasSinSalida) {
    // Row 1 holds 1..8 in its first eight cells and column 9 holds a 9 lower
    // down: the last cell of row 1 has no possible digit.
    std::string rejilla(81, '.');
    for (int c = 0; c < 8; ++c) rejilla[static_cast<std::size_t>(c)] = static_cast<char>('1' + c);
    rejilla[4 * 9 + 8] = '9';
    std::string linea(162, ' ');
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c) {
            const char v = rejilla[static_cast<std::size_t>((r - 1) * 9 + c - 1)];
            const auto n = static_cast<std::size_t>(Idx(NombreEn(r, c)));
            linea[2 * n] = v == '.' ? ' ' : v;
            linea[2 * n + 1] = v == '.' ? 'B' : 'R';
        }
    ent.Ficheros[Fichero] = sdk::EscribePartida({linea + "000000"});
    Cargar();
    const Celda& sin_salida = En(f, NombreEn(1, 9));
    EXPECT_TRUE(sin_salida.PSD.empty());
    EXPECT_EQ(sin_salida.Color_, Granate);
    EXPECT_EQ(En(f, NombreEn(2, 9)).PSD.find('9'), std::string::npos);
    EXPECT_FALSE(f.Variables.Panel_Activo.empty());
    EXPECT_EQ(f.Paneles[tablero::Indice(f.Variables.Panel_Activo)].Color_, Verde);
}

TEST_F(SalvarCargar, LosFicherosDeOtrosEditoresCarganLoMismoQueElNuestro) {
    struct Caso {
        const char* fichero;
        bool creada;  // JuegoCreado, else JuegoAMano
    };
    for (const Caso& caso : {Caso{"texto_crlf.sdk", true}, Caso{"texto_lf.sdk", false},
                             Caso{"word.sdk", true}, Caso{"wordpad.sdk", false}}) {
        SCOPED_TRACE(caso.fichero);
        ent.Ficheros[Fichero] =
            sdk::EscribePartida(caso.creada ? sdk::prueba::JuegoCreado() : sdk::prueba::JuegoAMano());
        Cargar();
        const Foto nuestro(f);
        BBorraTodoClick(f);
        ent.Ficheros[Fichero] = LeeBytes(RutaSdk(caso.fichero));
        Cargar();
        EXPECT_TRUE(ent.Mensajes.empty());
        EXPECT_EQ(Foto(f), nuestro);
    }
}

TEST_F(SalvarCargar, CargarEsconDeElCursorDeCasillaFija) {
    Fijar(f, "P1_1", "5");
    f.Ventana.PMenti.Show();
    ent.Ficheros[Fichero] = LeeBytes(RutaSdk("vacia.sdk"));
    Cargar();
    EXPECT_FALSE(f.Ventana.PMenti.Visible);
}

// ---- what a load may not cost ---------------------------------------------

TEST_F(SalvarCargar, CancelarElDialogoDeCargarSoloApagaLaPista) {
    PartidaEmpezada();
    BPistaClick(f);
    ASSERT_EQ(f.Variables.Pista_Activa, Bandera::S);
    ASSERT_TRUE(f.Ventana.Shape1.Visible);
    Foto antes(f);

    BCargar2Click(f);
    EXPECT_EQ(ent.DialogosAbrir.size(), 1u);
    EXPECT_EQ(f.Variables.Pista_Activa, Bandera::N);
    EXPECT_FALSE(f.Ventana.Shape1.Visible);
    antes.Pista_Activa = Bandera::N;
    antes.Shape1 = false;
    EXPECT_EQ(Foto(f), antes);
}

TEST_F(SalvarCargar, UnFicheroQueYaNoExisteNoVaciaElTableroPeroRecalcula) {
    PartidaEmpezada();
    const std::string tablero = LeerRejilla(f);
    const std::vector<std::string> movimientos = f.Variables.LBPanel;
    f.Paneles[80].PSD = "basura";
    Cargar(Carpeta + "/borrado.sdk");
    EXPECT_EQ(LeerRejilla(f), tablero);
    EXPECT_EQ(f.Variables.LBPanel, movimientos);
    EXPECT_NE(f.Paneles[80].PSD, "basura");
    EXPECT_EQ(f.Ventana.PFichero.Caption, "Fichero");
    EXPECT_TRUE(ent.Mensajes.empty());
}

TEST_F(SalvarCargar, UnFicheroQueNoSePuedeCargarDejaLaPartidaEnCursoComoEstaba) {
    std::string mal_reloj = sdk::prueba::LineaVacia();
    mal_reloj.replace(164, 2, "1x");
    std::string corta(100, ' ');
    struct Caso {
        const char* que;
        std::string bytes;
        std::string mensaje;
    };
    const std::vector<Caso> casos{
        {"vacío", "", "'' is not a valid integer value"},
        {"minutos con letra", sdk::EscribePartida({mal_reloj}), "'1x' is not a valid integer value"},
        {"línea corta", sdk::EscribePartida({corta}), "'' is not a valid integer value"},
        {"sólo rtf", "{\\rtf1 }", "'' is not a valid integer value"},
        {"binario", std::string("\x00\xff\x7f{\\rtf", 8), "'' is not a valid integer value"},
    };
    PartidaEmpezada();
    f.Ventana.PFichero.Caption = " /antes.sdk";
    const Foto antes(f);
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.que);
        ent.Mensajes.clear();
        ent.Ficheros[Fichero] = caso.bytes;
        Cargar();
        ASSERT_EQ(ent.Mensajes.size(), 1u);
        EXPECT_EQ(ent.Mensajes[0].first, caso.mensaje);
        EXPECT_EQ(ent.Mensajes[0].second, " Novenario. v.4.0");
        EXPECT_EQ(Foto(f), antes);
    }
}

TEST_F(SalvarCargar, UnFicheroIlegibleLoDiceYNoTocaNada) {
    PartidaEmpezada();
    const Foto antes(f);
    ent.Ficheros[Fichero] = LeeBytes(RutaSdk("creada.sdk"));
    ent.Ilegibles.push_back(Fichero);
    Cargar();
    ASSERT_EQ(ent.Mensajes.size(), 1u);
    EXPECT_EQ(ent.Mensajes[0].first, "No se puede leer el fichero \"" + Fichero + "\"");
    EXPECT_EQ(ent.Mensajes[0].second, " Novenario. v.4.0");
    EXPECT_TRUE(f.Partida.MEntrada1.empty());
    EXPECT_EQ(Foto(f), antes);
}

// ---- a game named from outside the window ----------------------------------

// The command line and the file manager name a file instead of the dialog:
// what follows is the very load of "Cargar partida", messages and all.
struct Nombrada {
    const char* que;
    std::string bytes;  // what the file holds
    bool ilegible;      // there, but it cannot be read
};

class PartidaNombrada : public SalvarCargar, public ::testing::WithParamInterface<Nombrada> {};

TEST_P(PartidaNombrada, SeCargaComoConCargarPartida) {
    EntornoFalso ent_dialogo;
    TFormPrincipal dialogo{ent_dialogo};
    ASSERT_TRUE(dialogo.FormCreate());
    for (EntornoFalso* e : {&ent, &ent_dialogo}) {
        e->Ficheros[Fichero] = GetParam().bytes;
        if (GetParam().ilegible) e->Ilegibles.push_back(Fichero);
    }
    ent_dialogo.EligeAbrir.push_back(Fichero);
    BCargar2Click(dialogo);
    Abrir_Partida(f, Fichero);
    EXPECT_TRUE(ent.DialogosAbrir.empty());
    EXPECT_EQ(ent.Mensajes, ent_dialogo.Mensajes);
    EXPECT_EQ(Foto(f), Foto(dialogo));
    // A file that loads leaves its name at the top; one that does not, none.
    EXPECT_EQ(f.Ventana.PFichero.Caption, ent.Mensajes.empty() ? " " + Fichero : "Fichero");
}

INSTANTIATE_TEST_SUITE_P(
    Ficheros, PartidaNombrada,
    ::testing::Values(Nombrada{"creada", LeeBytes(RutaSdk("creada.sdk")), false},
                      Nombrada{"wordpad", LeeBytes(RutaSdk("wordpad.sdk")), false},
                      Nombrada{"texto", LeeBytes(RutaSdk("texto_lf.sdk")), false},
                      Nombrada{"vacio", "", false}, Nombrada{"rtf_sin_texto", "{\\rtf1 }", false},
                      Nombrada{"ilegible", LeeBytes(RutaSdk("creada.sdk")), true}),
    [](const auto& info) { return std::string(info.param.que); });

TEST_F(SalvarCargar, UnaPartidaNombradaQueNoExisteSeDiceYNoTocaNada) {
    PartidaEmpezada();
    f.Ventana.PError.Show();
    const Foto antes(f);
    Abrir_Partida(f, Carpeta + "/no_esta.sdk");
    ASSERT_EQ(ent.Mensajes.size(), 1u);
    EXPECT_EQ(ent.Mensajes[0].first, "No se puede leer el fichero \"" + Carpeta + "/no_esta.sdk\"");
    EXPECT_EQ(ent.Mensajes[0].second, " Novenario. v.4.0");
    EXPECT_FALSE(f.Ventana.PError.Visible);
    EXPECT_EQ(Foto(f), antes);
}

// A file longer than any saved game is refused before it is read; one byte
// less than that and it is read like any other.
TEST_F(SalvarCargar, UnFicheroDemasiadoGrandeLoDiceSinLeerloYNoTocaNada) {
    const std::string linea = sdk::prueba::LineaVacia();
    for (const std::size_t largo : {sdk::MaximoFichero, sdk::MaximoFichero + 1}) {
        SCOPED_TRACE(largo);
        PartidaEmpezada();
        const Foto antes(f);
        ent.Mensajes.clear();
        // A plain-text game padded with one long foreign line.
        ent.Ficheros[Fichero] = linea + "\r\n" + std::string(largo - linea.size() - 2, 'x');
        Cargar();
        if (largo <= sdk::MaximoFichero) {
            EXPECT_TRUE(ent.Mensajes.empty());
            EXPECT_EQ(f.Ventana.PFichero.Caption, " " + Fichero);
            continue;
        }
        ASSERT_EQ(ent.Mensajes.size(), 1u);
        EXPECT_EQ(ent.Mensajes[0].first, "El fichero \"" + Fichero +
                                             "\" es demasiado grande para ser una partida de Novenario (más de 16 "
                                             "MB); no se ha leído");
        EXPECT_TRUE(f.Partida.MEntrada1.empty());
        EXPECT_EQ(Foto(f), antes);
    }
}

// ---- the file name ----------------------------------------------------------

TEST_F(SalvarCargar, LaAyudaSobreElNombreMuestraElNombreEntero) {
    PFicheroMouseMove(f);
    EXPECT_EQ(f.Ventana.PFichero.Hint, " Fichero ");
    Salvar();
    PFicheroMouseMove(f);
    Image1MouseMove(f);
    EXPECT_EQ(f.Ventana.PFichero.Hint, "  " + Fichero + " ");
    EXPECT_EQ(f.Ventana.Image1.Hint, "  " + Fichero + " ");
    BNuevaPartida2Click(f);
    EXPECT_EQ(f.Ventana.PFichero.Caption, "Fichero");
}

}  // namespace
}  // namespace novenario::prueba
