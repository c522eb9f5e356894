# Runs novenario-cli with the arguments of one case and compares its standard
# output, standard error and exit status with the files kept for that case.
#   -DCLI=<path of novenario-cli> -DCASO=<tests/data/cli/NAME> (without extension)
#   -DDATOS=<tests/data>: the tool runs there, so a case names files as sdk/...
#   -DSALIDA=<file>: stands for @SALIDA@ in the arguments; when NAME.sdk is
#   kept, the file written there must equal it byte for byte. The outputs
#   show @SALIDA@ in place of that path.
# The arguments are UTF-8; @NO_UTF8@ stands for the byte 0xE9 ("é" in
# Latin-1), which is no UTF-8 text at all.
cmake_minimum_required(VERSION 3.20)
file(STRINGS "${CASO}.args" argumentos ENCODING UTF-8)
string(REPLACE "@SALIDA@" "${SALIDA}" argumentos "${argumentos}")
string(ASCII 233 no_utf8)
string(REPLACE "@NO_UTF8@" "${no_utf8}" argumentos "${argumentos}")
separate_arguments(argumentos UNIX_COMMAND "${argumentos}")
file(GLOB anteriores "${SALIDA}*")
if(anteriores)
  file(REMOVE ${anteriores})
endif()
# With NAME.lleno the standard output is /dev/full, a disk with no room left
# (NAME.out is then empty).
if(EXISTS "${CASO}.lleno")
  execute_process(COMMAND "${CLI}" ${argumentos}
    WORKING_DIRECTORY "${DATOS}"
    OUTPUT_FILE /dev/full ERROR_VARIABLE errores RESULT_VARIABLE estado)
  set(salida "")
else()
  execute_process(COMMAND "${CLI}" ${argumentos}
    WORKING_DIRECTORY "${DATOS}"
    OUTPUT_VARIABLE salida ERROR_VARIABLE errores RESULT_VARIABLE estado)
endif()
string(REPLACE "${SALIDA}" "@SALIDA@" salida "${salida}")
string(REPLACE "${SALIDA}" "@SALIDA@" errores "${errores}")
file(READ "${CASO}.out" salida_esperada)
set(errores_esperados "")
if(EXISTS "${CASO}.err")
  file(READ "${CASO}.err" errores_esperados)
endif()
set(estado_esperado 0)
if(EXISTS "${CASO}.status")
  file(STRINGS "${CASO}.status" estado_esperado)
endif()
set(fallos "")
if(NOT salida STREQUAL salida_esperada)
  string(APPEND fallos "standard output differs:\n--- expected\n${salida_esperada}\n--- got\n${salida}\n")
endif()
if(NOT errores STREQUAL errores_esperados)
  string(APPEND fallos "standard error differs:\n--- expected\n${errores_esperados}\n--- got\n${errores}\n")
endif()
if(NOT estado STREQUAL estado_esperado)
  string(APPEND fallos "exit status ${estado}, expected ${estado_esperado}\n")
endif()
if(EXISTS "${CASO}.sdk")
  if(NOT EXISTS "${SALIDA}")
    string(APPEND fallos "no saved game was written\n")
  else()
    file(SHA256 "${CASO}.sdk" esperado)
    file(SHA256 "${SALIDA}" escrito)
    if(NOT esperado STREQUAL escrito)
      string(APPEND fallos "the saved game differs from ${CASO}.sdk (kept in ${SALIDA})\n")
    endif()
  endif()
endif()
if(fallos)
  message(FATAL_ERROR "${CASO}:\n${fallos}")
endif()
