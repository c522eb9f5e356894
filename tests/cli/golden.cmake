# Runs novenario-cli with the arguments of one case and compares its standard
# output, standard error and exit status with the files kept for that case.
#   -DCLI=<path of novenario-cli> -DCASO=<tests/data/cli/NAME> (without extension)
#   -DDATOS=<tests/data>: the tool runs there, so a case names files as sdk/...
#   -DSALIDA=<file>: stands for @SALIDA@ in the arguments; when NAME.sdk is
#   kept, the file written there must equal it byte for byte. The outputs
#   show @SALIDA@ in place of that path.
# The arguments are UTF-8; @NO_UTF8@ stands for the byte 0xE9 ("é" in
# Latin-1), which is no UTF-8 text at all. With NAME.in the tool reads that
# file on its standard input; with NAME.cero it reads /dev/zero, zero bytes
# without end.
# A booklet written to @SALIDA@.pdf is read back with poppler-utils: with
# NAME.pdfinfo its page count and the size of every page must be those
# kept there, with NAME.txt the text of its first page (the footer's time
# and date shown as @HORA@ and @FECHA@). With NAME.nada the case must write
# no file at all.
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
set(entrada /dev/null)
if(EXISTS "${CASO}.in")
  set(entrada "${CASO}.in")
endif()
if(EXISTS "${CASO}.cero")
  set(entrada /dev/zero)
endif()
if(EXISTS "${CASO}.lleno")
  execute_process(COMMAND "${CLI}" ${argumentos}
    WORKING_DIRECTORY "${DATOS}" INPUT_FILE "${entrada}"
    OUTPUT_FILE /dev/full ERROR_VARIABLE errores RESULT_VARIABLE estado)
  set(salida "")
else()
  execute_process(COMMAND "${CLI}" ${argumentos}
    WORKING_DIRECTORY "${DATOS}" INPUT_FILE "${entrada}"
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
if(EXISTS "${CASO}.nada")
  file(GLOB escritos "${SALIDA}*")
  if(escritos)
    string(APPEND fallos "files were written: ${escritos}\n")
  endif()
endif()
foreach(herramienta pdfinfo pdftotext)
  if(EXISTS "${CASO}.pdfinfo" OR EXISTS "${CASO}.txt")
    find_program(${herramienta}_programa ${herramienta})
    if(NOT ${herramienta}_programa)
      message(FATAL_ERROR "${herramienta} is missing: install poppler-utils (scripts/dependencias.sh)")
    endif()
  endif()
endforeach()
if(EXISTS "${CASO}.pdfinfo")
  execute_process(COMMAND "${pdfinfo_programa}" -f 1 -l 1000 "${SALIDA}.pdf"
    OUTPUT_VARIABLE info ERROR_VARIABLE info_errores RESULT_VARIABLE info_estado)
  # The page count and each page's size, blanks evened out.
  string(REGEX MATCHALL "(Pages|Page +[0-9]+ size):[^\n]*" lineas "${info}")
  set(paginas "")
  foreach(l IN LISTS lineas)
    string(REGEX REPLACE " +" " " l "${l}")
    string(APPEND paginas "${l}\n")
  endforeach()
  file(READ "${CASO}.pdfinfo" paginas_esperadas)
  if(NOT info_estado EQUAL 0)
    string(APPEND fallos "pdfinfo could not read the booklet: ${info_errores}\n")
  elseif(NOT paginas STREQUAL paginas_esperadas)
    string(APPEND fallos "pages differ:\n--- expected\n${paginas_esperadas}\n--- got\n${paginas}\n")
  endif()
endif()
if(EXISTS "${CASO}.txt")
  execute_process(COMMAND "${pdftotext_programa}" -layout -f 1 -l 1 "${SALIDA}.pdf" -
    OUTPUT_VARIABLE texto RESULT_VARIABLE texto_estado)
  # The date's length changes the blanks after it; they go with it.
  string(REGEX REPLACE "Hora \\.\\. [0-9][0-9]:[0-9][0-9]:[0-9][0-9]" "Hora .. @HORA@" texto "${texto}")
  string(REGEX REPLACE "Fecha \\.\\. [^ ]+, [0-9]+ de [^ ]+ de [0-9]+ *" "Fecha .. @FECHA@ " texto "${texto}")
  file(READ "${CASO}.txt" texto_esperado)
  if(NOT texto_estado EQUAL 0 OR NOT texto STREQUAL texto_esperado)
    string(APPEND fallos "the first page's text differs:\n--- expected\n${texto_esperado}\n--- got\n${texto}\n")
  endif()
endif()
if(fallos)
  message(FATAL_ERROR "${CASO}:\n${fallos}")
endif()
