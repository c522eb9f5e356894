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
    "  imprimir    escribe un cuadernillo en PDF con la página de cada tablero\n"
    "  calificar   dice la dificultad de cada tablero en la escala de los jugadores\n"
    "  explicar    explica el siguiente paso lógico, o todos hasta el final\n"
    "\n"
    "Un TABLERO son 81 casillas por filas, de arriba abajo y de izquierda a\n"
    "derecha: las cifras 1 a 9 son casillas fijas; \".\", \"0\", \"_\", \"-\" o \"*\"\n"
    "una casilla vacía. Se leen como las lee el juego al pegar un tablero: en\n"
    "una línea o en nueve líneas de nueve, con espacios, \"|\", \"+\" o \"-\"\n"
    "entre casillas y filas, y lo que sigue a \"#\" en una línea no cuenta.\n"
    "Donde se pide un TABLERO vale también la ruta de una partida guardada\n"
    "(FICHERO.sdk): sus casillas quedan como las deja \"Cargar partida\".\n"
    "\"novenario-cli ORDEN --help\" explica cada orden; \"novenario-cli --version\"\n"
    "dice la versión. Las opciones se escriben \"--opcion valor\" o\n"
    "\"--opcion=valor\", en cualquier lugar de la línea; tras \"--\" todo es\n"
    "argumento.\n";

extern const char* const kAyudaResolver =
    "Uso: novenario-cli resolver [--limite N] [--contar] TABLERO|FICHERO.sdk...\n"
    "\n"
    "Carga cada tablero (sus cifras como casillas fijas), calcula los candidatos\n"
    "y ejecuta lo mismo que \"Calcula\": la fase lógica y la búsqueda, con un\n"
    "límite de N pasos (999999 si no se indica). Escribe una línea JSON por\n"
    "tablero: el mensaje con que terminó el cálculo, resultado (\"\", \"SS\" sin solución, \"ST\" sin\n"
    "tiempo), pasos y las 81 casillas por filas (\".\" vacía).\n"
    "Con --contar añade soluciones: cuántas tiene el tablero tal como se cargó\n"
    "(0, 1, o 2 si tiene dos o más), halladas por una búsqueda exhaustiva que\n"
    "no es la de \"Calcula\" y no tiene límite de pasos.\n"
    "Un tablero mal escrito se explica en la salida de errores, los demás se\n"
    "procesan igual y el programa termina con estado 2; una partida que no se\n"
    "puede cargar, igual, con estado 1.\n";

extern const char* const kAyudaGenerar =
    "Uso: novenario-cli generar [--nivel 1-5] [--tics N] [--cantidad K] [--dificultad MIN:MAX]\n"
    "\n"
    "Crea K partidas (1 si no se indica) al nivel dado (3 si no se indica) como\n"
    "\"Nueva partida\" y escribe una línea JSON por partida: nivel, número de\n"
    "casillas fijas, tablero y solución por filas, e intentos de la generación.\n"
    "--tics N (de 0 a 1000000000) parte del generador tras N tics del\n"
    "temporizador de 10 ms, así que el mismo N da las mismas partidas; sin él\n"
    "se parte del reloj.\n"
    "--dificultad MIN:MAX (como 2.6:4.4) sigue creando partidas del nivel hasta\n"
    "dar con una cuya dificultad (la de \"calificar\") esté entre MIN y MAX, y\n"
    "añade su dificultad a la línea; si ninguna de 1000 partidas seguidas lo\n"
    "está, lo dice en la salida de errores y termina con estado 1.\n";

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
    "00:00:00 y, si tiene solución, la solución y el nivel (3 si no se indica),\n"
    "para que \"Solución\" y \"Pista\" funcionen al cargarla. La solución es la\n"
    "de \"Calcula\"; si a \"Calcula\" se le acaban los pasos, la de una búsqueda\n"
    "exhaustiva. Escribe una línea JSON: fichero, resultado del cálculo (\"\",\n"
    "\"SS\", \"ST\"), solución por filas (\"\" si no la hay) y nivel (null sin\n"
    "solución). Un tablero con más de una solución se guarda igual, y se avisa\n"
    "en la salida de errores.\n"
    "Un tablero cuyas cifras ya repiten un número en un bloque, una fila o una\n"
    "columna no se guarda. Un fichero que ya existe se sustituye sólo cuando\n"
    "el nuevo está completo, con sus mismos permisos; un enlace simbólico se\n"
    "sigue hasta su fichero; lo que no es un fichero normal (una carpeta, un\n"
    "dispositivo) no se toca. Con FICHERO \"-\" la partida va a la salida\n"
    "estándar, y la línea JSON no se escribe.\n";

extern const char* const kAyudaImprimir =
    "Uso: novenario-cli imprimir --pdf LIBRO.pdf [--por-pagina 1|2|4] [--soluciones]\n"
    "                            (TABLERO|FICHERO.sdk|-)...\n"
    "\n"
    "Escribe en LIBRO.pdf la página que imprime \"Imprimir\" (sin la ayuda) para\n"
    "cada tablero, en su orden: una por hoja A4, o dos (la hoja apaisada) o\n"
    "cuatro por hoja, reducidas. Cada página lleva su número (\"Tablero 1\"...).\n"
    "Con --soluciones siguen, desde una hoja nueva, los tableros resueltos, en\n"
    "el mismo orden y tantos por hoja. Un TABLERO tiene sus cifras como casillas\n"
    "fijas y la solución que le daría \"importar\"; una partida guardada sale\n"
    "como la deja \"Cargar partida\", con la solución que guarda. Con \"-\" los\n"
    "tableros se leen de la entrada estándar, uno por línea; valen también las\n"
    "líneas JSON de \"generar\" (se toma su tablero).\n"
    "Escribe una línea JSON: fichero, tableros y hojas; con --pdf - el PDF va a\n"
    "la salida estándar y la línea JSON no se escribe. Si un tablero está mal\n"
    "escrito o sus cifras repiten un número en un grupo, se explica en la salida\n"
    "de errores, no se escribe nada y el programa termina con estado 2 (1 si no\n"
    "se puede cargar una partida o escribir el fichero). Un tablero sin solución\n"
    "se imprime igual, y se avisa en la salida de errores; la solución impresa\n"
    "de uno que tiene varias dice que es \"una de varias\".\n"
    "Bajo cada tablero va su dificultad (\"Dificultad 4.2\"), la de \"calificar\"\n"
    "para sus casillas fijas; no la lleva un tablero sin solución.\n";

extern const char* const kAyudaCalificar =
    "Uso: novenario-cli calificar (TABLERO|FICHERO.sdk|-)...\n"
    "\n"
    "Resuelve cada tablero como lo haría una persona, siempre con el paso más\n"
    "fácil que haya, y escribe una línea JSON por tablero: tablero (81 casillas\n"
    "por filas, \".\" vacía), soluciones (0, 1, o 2 si tiene dos o más),\n"
    "dificultad (la del paso más difícil del camino, en la escala que usan los\n"
    "jugadores: 1.0 la última casilla de una fila, 2.3 un único candidato, 4.2\n"
    "un XY-Wing, 7 o más las cadenas forzadas), nivel (\"Muy Fácil\" hasta 1.5,\n"
    "\"Fácil\" hasta 2.5, \"Normal\" hasta 3.4, \"Difícil\" hasta 4.4, \"Muy\n"
    "Difícil\" hasta 6.5, \"Diabólico\" por encima) y tecnica, el nombre de la\n"
    "técnica más difícil usada. Un tablero con varias soluciones se califica\n"
    "hasta donde llegan las deducciones; uno sin solución lleva dificultad 0.0\n"
    "y nivel y tecnica null. De una partida guardada cuenta el tablero tal como\n"
    "está, con las cifras del jugador. Con \"-\" los tableros se leen de la\n"
    "entrada estándar, uno por línea; valen también las líneas JSON de\n"
    "\"generar\". Un tablero mal escrito se explica en la salida de errores, los\n"
    "demás se califican igual y el programa termina con estado 2 (1 si una\n"
    "partida no se puede cargar).\n";

extern const char* const kAyudaExplicar =
    "Uso: novenario-cli explicar [--todo] TABLERO|FICHERO.sdk|-\n"
    "\n"
    "Escribe los pasos lógicos que siguen en el tablero, uno por línea JSON,\n"
    "hasta el que coloca una cifra, incluido (con --todo, hasta el final):\n"
    "paso (1, 2...), tecnica, dificultad, coloca y elimina (listas de fila,\n"
    "columna y cifra, de 1 a 9 desde arriba a la izquierda; vacías si el paso\n"
    "no coloca o no descarta nada), casas (\"fila 3\", \"columna 5\", \"bloque\n"
    "4\"), resumen (la técnica y dónde mirar) y texto (el razonamiento). Si\n"
    "ninguna deducción decide porque el tablero tiene más de una solución, el\n"
    "último paso es una \"Bifurcación\" con la cifra de una solución (la que\n"
    "guarda la partida, si la guarda); si una cifra del jugador no lleva a\n"
    "ninguna solución, el único paso lo dice (\"Sin solución\"). Un tablero\n"
    "lleno no escribe nada. Con \"-\" el tablero se lee de la entrada estándar.\n";

}  // namespace novenario::cli
