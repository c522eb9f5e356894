// The two windows around the game that only inform: the help window, a fixed
// text explaining the game and every command, and the about box, with the
// maker's name as a link to its web page. Both are shown modally and change
// nothing in the game.
#include <string>
#include <vector>

#include "board/juego.h"

namespace novenario {

namespace {

// Characters shown, not bytes: the text is UTF-8.
std::size_t Caracteres(const std::string& s) {
    std::size_t n = 0;
    for (char c : s) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    return n;
}

// The help text, line by line. Every heading is underlined with "-" as long
// as the heading (for the micro keypad only its two words) and indented like
// it. No line is longer than 72 characters, so the text fits the help
// window's box in Courier New without wrapping.
std::vector<std::string> Construir_Ayuda() {
    std::vector<std::string> t;
    auto linea = [&t](std::string s) { t.push_back(std::move(s)); };
    auto blancas = [&t](int n) { t.insert(t.end(), static_cast<std::size_t>(n), std::string()); };
    auto titulo = [&t](const std::string& s, std::size_t subrayado) {
        const std::size_t sangria = s.find_first_not_of(' ');
        t.push_back(s);
        t.push_back(std::string(sangria == std::string::npos ? 0 : sangria, ' ') +
                    std::string(subrayado, '-'));
    };
    auto seccion = [&](const std::string& s) {
        const std::size_t sangria = s.find_first_not_of(' ');
        titulo(s, Caracteres(s) - (sangria == std::string::npos ? 0 : sangria));
    };

    seccion(std::string(30, ' ') + "NOVENARIO");
    linea("El juego consiste en rellenar una cuadrícula de 81 casillas cuadradas,");
    linea("dispuestas en nueve filas y nueve columnas, con los números del uno al");
    linea("nueve, sin que ningún número se repita en una misma fila ni en una misma");
    linea("columna. El tablero está dividido además en nueve bloques cuadrados de");
    linea("nueve casillas, y dentro de cada bloque tampoco puede repetirse ningún");
    linea("número.");
    blancas(1);
    linea("El pasatiempo nació en los Estados Unidos a finales de los años");
    linea("setenta con el nombre de \"Number Place\", inspirado en los cuadrados");
    linea("latinos del matemático suizo Leonhard Euler. En los años ochenta una");
    linea("editorial japonesa lo dio a conocer como \"Sudoku\", que viene a decir");
    linea("\"cada número solo una vez\", y desde el año 2005 llena las páginas de");
    linea("pasatiempos de medio mundo.");

    blancas(4);
    seccion(std::string(24, ' ') + "TECLAS DE PANTALLA.");

    blancas(1);
    seccion("Colores de los paneles");
    linea("Naranja ........: Paneles fijos.");
    linea("Verde ..........: Panel seleccionado por el jugador.");
    linea("Marrón oscuro ..: Panel sin valor posible.");
    linea("Gris ............ Panel con dato fijo.");

    blancas(1);
    seccion("Cursores / Teclado Numérico");
    linea("Las teclas de cursor mueven la selección por el tablero y el teclado");
    linea("numérico escribe el valor en el panel seleccionado.");
    linea("Barra espaciadora, número cero y tecla suprimir = Borra el Dato.");

    blancas(1);
    seccion("Nueva Partida");
    linea("Borra todos los paneles y crea una partida nueva con el nivel elegido.");

    blancas(1);
    seccion("Deja Fijos");
    linea("Borra las jugadas hechas y deja solamente los paneles fijos.");

    blancas(1);
    seccion("Solución");
    linea("Deja solamente los paneles fijos, borra el resto e intenta resolver la");
    linea("partida.");

    blancas(1);
    seccion("Calcula");
    linea("Resuelve a partir de los paneles tal como están, sin borrar nada: los");
    linea("paneles fijos conservan su color, los datos del jugador se marcan en");
    linea("azul y se ven los pasos del cálculo.");

    blancas(1);
    seccion("Nivel");
    linea("Elección de la dificultad de las partidas nuevas:");
    linea("Nivel 1, Muy fácil,   muestra 60 pistas de 81 posibles.");
    linea("Nivel 2, Fácil,       muestra 50 pistas de 81 posibles.");
    linea("Nivel 3, Normal,      muestra 40 pistas de 81 posibles.");
    linea("Nivel 4, Difícil,     muestra 35 pistas de 81 posibles.");
    linea("Nivel 5, Muy Difícil, muestra 30 pistas de 81 posibles.");
    linea("Con la casilla \"Solución única\" las partidas nuevas tienen una sola");
    linea("solución: si no se puede llegar a las pistas del nivel sin perderla, la");
    linea("partida se queda con más y el mensaje dice cuántas.");

    blancas(1);
    seccion("Ayuda .. Si / No");
    linea("Muestra u oculta los valores posibles de cada panel:");
    linea("Posibles (arriba) / Imposibles (abajo).");
    linea("Pedir ayuda enciende en rojo el piloto, que recuerda que la opción se ha");
    linea("usado en algún momento de la partida.");

    blancas(1);
    seccion("Pista .. Si / No");
    linea("En una partida creada o cargada por el programa muestra una barra gris");
    linea("que se vuelve verde cuando se ha escrito el valor correcto. Pedir una");
    linea("pista enciende el piloto en rojo de la misma manera.");

    blancas(1);
    seccion("Siguiente paso (Ctrl+H)");
    linea("Ctrl+H, o \"Explicar el siguiente paso\" en el menú que abre el botón");
    linea("derecho sobre el tablero, explica el siguiente paso tal como está el");
    linea("tablero: primero la técnica y dónde mirar, con la casa señalada en el");
    linea("tablero; \"Más\" da el razonamiento completo y \"Colocar\" escribe la");
    linea("cifra. Si una cifra del jugador no lleva a ninguna solución, lo dice y");
    linea("\"Volver\" deshace las jugadas hasta quitarla. Enciende el piloto rojo.");

    blancas(1);
    titulo("Micro Teclado (Teclado numérico flotante).", std::string("Micro Teclado").size());
    linea("Muestra u oculta un teclado numérico flotante junto al panel");
    linea("seleccionado, que con la ayuda activa muestra solo los valores posibles.");

    blancas(1);
    seccion("Pausa");
    linea("Detiene todos los procesos y pone el juego en pausa.");

    blancas(1);
    seccion("Cancelar");
    linea("Interrumpe cualquier cálculo y deja en pantalla el último paso que pudo");
    linea("completar.");

    blancas(1);
    seccion("Imprimir");
    linea("Imprime la partida en su estado actual.");

    blancas(1);
    seccion("Borra Todo");
    linea("Borra todos los paneles, los del jugador y los fijos.");

    blancas(1);
    seccion("Guardar / Cargar partida");
    linea("Permite guardar y cargar las partidas con la extensión .sdk");

    blancas(1);
    seccion("Atajos de teclado");
    linea("Alt + letra subrayada .. La orden del botón que lleva esa letra.");
    linea("Ctrl+N ................. Nueva partida.");
    linea("Ctrl+S / Ctrl+O ........ Guardar / Cargar partida.");
    linea("Ctrl+P ................. Imprimir.");
    linea("Ctrl+H ................. Explica el siguiente paso.");
    linea("Menú, Mayús+F10 ........ El menú del tablero, en el panel seleccionado.");
    linea("Ctrl+Z ................. Deshace la última jugada ( << ).");
    linea("Ctrl+Y, Ctrl+Mayús+Z ... Rehace la jugada deshecha ( >> ).");
    linea("Ctrl+C ................. Copia el tablero al portapapeles.");
    linea("Ctrl+V ................. Pega un tablero copiado como texto.");
    linea("Supr, Retroceso ........ Borra el dato del panel seleccionado.");
    linea("Ctrl+Mayús+F / C / B ... Dice la fila, columna o bloque del cursor.");
    linea("F1 ..................... Esta ayuda.");
    linea("Ctrl+Q ................. Salir de Novenario.");
    linea("Intro / Escape ......... En una ventana, su botón principal / cerrarla.");

    blancas(2);
    seccion("Importante");
    linea("Al crear una partida nueva el programa garantiza que tiene al menos una");
    linea("solución, que no tiene por qué ser única salvo con la casilla");
    linea("\"Solución única\" del nivel.");

    blancas(2);
    linea(std::string(26, ' ') + "( Orvalia Software )");
    return t;
}

}  // namespace

const std::vector<std::string>& Texto_Ayuda() {
    static const std::vector<std::string> texto = Construir_Ayuda();
    return texto;
}

namespace {

// Both windows only inform: shown over the game, closed by their one button
// or the close box; each fills in the form with what it carries.
void Muestra_Informativa(Juego& f, FormaModal& forma, const char* boton) {
    f.Ventana.PError.Hide();
    Boton_Que_Cierra(forma, boton);
    FormaModal* p = &forma;
    forma.AlCerrar = [p] { p->Cerrada = true; };
    f.Ent.MostrarModal(forma);
}

}  // namespace

void BAyuda2Click(Juego& f) {
    FormaModal forma = Forma(FormaModal::Tipo::Ayuda, " Novenario.     Ayuda.", 642, 415, 116, 180);
    forma.Lineas = Texto_Ayuda();
    Muestra_Informativa(f, forma, "&Salir de ayuda");
}

void BAcerca2Click(Juego& f) {
    FormaModal forma = Forma(FormaModal::Tipo::AcercaDe, " Novenario.     Acerca de ...", 280, 180, 297, 279);
    forma.Direccion = DireccionOrvalia;
    forma.AlEnlace = [&f] { f.Ent.AbrirDireccion(DireccionOrvalia); };
    Muestra_Informativa(f, forma, "&Salir");
}

}  // namespace novenario
