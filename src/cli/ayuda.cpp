// The companion tool's help texts, in the game's language.
#include "cli/cli.h"

namespace novenario::cli {

extern const char* const kAyudaGeneral =
    "Uso: novenario-cli ORDEN [OPCIONES]\n"
    "\n"
    "Órdenes:\n"
    "  resolver    resuelve tableros como lo hace \"Calcula\"\n"
    "  generar     crea partidas nuevas como \"Nueva partida\"\n"
    "  candidatos  muestra los valores posibles e imposibles de cada casilla\n"
    "  mostrar     muestra lo que la carga lee de una partida guardada (.sdk)\n"
    "  importar    guarda un tablero como partida (.sdk) que el juego carga\n"
    "\n"
    "Un TABLERO son 81 caracteres por filas, de arriba abajo y de izquierda a\n"
    "derecha: las cifras 1 a 9 son casillas fijas, \".\" o \"0\" una casilla vacía.\n"
    "Donde se pide un TABLERO vale también la ruta de una partida guardada\n"
    "(FICHERO.sdk): sus casillas quedan como las deja \"Cargar partida\".\n"
    "\"novenario-cli ORDEN --help\" explica cada orden; \"novenario-cli --version\"\n"
    "dice la versión. Las opciones se escriben \"--opcion valor\" o\n"
    "\"--opcion=valor\", en cualquier lugar de la línea; tras \"--\" todo es\n"
    "argumento.\n";

extern const char* const kAyudaResolver =
    "Uso: novenario-cli resolver [--limite N] TABLERO|FICHERO.sdk...\n"
    "\n"
    "Carga cada tablero (sus cifras como casillas fijas), calcula los candidatos\n"
    "y ejecuta lo mismo que \"Calcula\": la fase lógica y la búsqueda, con un\n"
    "límite de N pasos (999999 si no se indica). Escribe una línea JSON por\n"
    "tablero: el mensaje con que terminó el cálculo, resultado (\"\", \"SS\" sin solución, \"ST\" sin\n"
    "tiempo), pasos y las 81 casillas por filas (\".\" vacía).\n"
    "Un tablero mal escrito se explica en la salida de errores, los demás se\n"
    "procesan igual y el programa termina con estado 2; una partida que no se\n"
    "puede cargar, igual, con estado 1.\n";

extern const char* const kAyudaGenerar =
    "Uso: novenario-cli generar [--nivel 1-5] [--tics N] [--cantidad K]\n"
    "\n"
    "Crea K partidas (1 si no se indica) al nivel dado (3 si no se indica) como\n"
    "\"Nueva partida\" y escribe una línea JSON por partida: nivel, número de\n"
    "casillas fijas, tablero y solución por filas, e intentos de la generación.\n"
    "--tics N (de 0 a 1000000000) parte del generador tras N tics del\n"
    "temporizador de 10 ms, así que el mismo N da las mismas partidas; sin él\n"
    "se parte del reloj.\n";

extern const char* const kAyudaCandidatos =
    "Uso: novenario-cli candidatos TABLERO|FICHERO.sdk\n"
    "\n"
    "Carga el tablero (sus cifras como casillas fijas) o la partida guardada,\n"
    "calcula los candidatos y escribe una línea JSON con las 81 casillas por\n"
    "orden de nombre (P1_1 ... P9_9): nombre, valor, posibles (psd), imposibles\n"
    "(pnd) y color en seis cifras hexadecimales.\n";

extern const char* const kAyudaMostrar =
    "Uso: novenario-cli mostrar FICHERO.sdk\n"
    "\n"
    "Lee la partida guardada como la lee \"Cargar partida\" y escribe una línea\n"
    "JSON: tablero (81 valores por filas, \".\" vacía), fijos (\"R\" casilla\n"
    "fija, \".\" las demás), LPHor, LPMin, LPseg, EPartida y ENivel_Juego tal\n"
    "como están en el fichero, y LBPanel, la lista de jugadas. Los bytes que no\n"
    "son ASCII se escriben como Latin-1. Si el fichero no se puede leer o su\n"
    "reloj no es un número, el mensaje del juego va a la salida de errores y el\n"
    "programa termina con estado 1.\n";

extern const char* const kAyudaImportar =
    "Uso: novenario-cli importar [--nivel 1-5] TABLERO FICHERO.sdk\n"
    "\n"
    "Guarda el tablero como partida: sus cifras como casillas fijas, el reloj a\n"
    "00:00:00 y, si \"Calcula\" lo resuelve, la solución y el nivel (3 si no se\n"
    "indica), para que \"Solución\" y \"Pista\" funcionen al cargarla. Escribe\n"
    "una línea JSON: fichero, resultado del cálculo (\"\", \"SS\", \"ST\"),\n"
    "solución por filas (\"\" si no la hay) y nivel (null sin solución).\n"
    "Un tablero cuyas cifras ya repiten un número en un bloque, una fila o una\n"
    "columna no se guarda. Un fichero que ya existe se sustituye sólo cuando\n"
    "el nuevo está completo, con sus mismos permisos; un enlace simbólico se\n"
    "sigue hasta su fichero; lo que no es un fichero normal (una carpeta, un\n"
    "dispositivo) no se toca. Con FICHERO \"-\" la partida va a la salida\n"
    "estándar, y la línea JSON no se escribe.\n";

}  // namespace novenario::cli
