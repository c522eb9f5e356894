// Saving and loading through the main window: the dialogs, the file-name
// label, what a load restores, and that a file which cannot be loaded or a
// save which cannot be written costs the player nothing.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#include "salvar_cargar.h"

namespace novenario::prueba {
namespace {

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

}  // namespace
}  // namespace novenario::prueba
