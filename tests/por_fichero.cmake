# A GoogleTest program as one ctest entry per test source file.
#
# One process per test (gtest_discover_tests) spends most of the suite's time
# starting processes; one per source file keeps the suite fast and its list
# readable, and a failure still names the failing test: the entry runs its
# file's tests with --gtest_brief=1, which prints only the failures and the
# summary.
#
# Included from a CMakeLists.txt, this file defines
#   novenario_pruebas_por_fichero(TARGET [ENTORNO VAR=VALOR ...])
# After every build of TARGET the program lists its tests (with the file and
# line of each), and this same file, run as a script, writes the entries:
# NAME is the source file's path under tests/ without its extension
# ("solver/busqueda_test"), its filter the tests defined in that file, so a
# new test file is picked up by the next build with no change here.
#
# An entry that runs past five minutes has hung (a window test waiting for a
# dialog that never came) and fails instead of holding up the whole suite;
# a slower build (the sanitized one of CI) sets NOVENARIO_LIMITE_PRUEBA, in
# seconds.
#
# A test that calls GTEST_SKIP does not fail its entry; the entry's output
# ("ctest -V") counts it as skipped. Run the program itself with a filter to
# see one test alone.

if(NOT CMAKE_SCRIPT_MODE_FILE)
  set(NOVENARIO_POR_FICHERO_SCRIPT ${CMAKE_CURRENT_LIST_FILE})
  set(NOVENARIO_LIMITE_PRUEBA 300 CACHE STRING "Seconds after which a test entry counts as hung")

  function(novenario_pruebas_por_fichero objetivo)
    cmake_parse_arguments(PARSE_ARGV 1 ARG "" "" "ENTORNO")
    set(lista "${CMAKE_CURRENT_BINARY_DIR}/${objetivo}_lista.json")
    set(pruebas "${CMAKE_CURRENT_BINARY_DIR}/${objetivo}_pruebas.cmake")
    set(incluye "${CMAKE_CURRENT_BINARY_DIR}/${objetivo}_incluye.cmake")
    string(REPLACE ";" "|" entorno "${ARG_ENTORNO}")
    add_custom_command(TARGET ${objetivo} POST_BUILD
      BYPRODUCTS ${pruebas}
      COMMAND ${CMAKE_COMMAND}
              -DPROGRAMA=$<TARGET_FILE:${objetivo}> -DLISTA=${lista} -DSALIDA=${pruebas}
              -DDIRECTORIO=${CMAKE_CURRENT_BINARY_DIR} "-DENTORNO=${entorno}"
              -DLIMITE=${NOVENARIO_LIMITE_PRUEBA}
              -P ${NOVENARIO_POR_FICHERO_SCRIPT}
      VERBATIM)
    file(WRITE ${incluye}
      "if(EXISTS \"${pruebas}\")\n"
      "  include(\"${pruebas}\")\n"
      "else()\n"
      "  add_test(${objetivo}_SIN_COMPILAR ${objetivo}_SIN_COMPILAR)\n"
      "endif()\n")
    set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${incluye})
    # A change to this file links the program again, and so lists it again.
    set_property(TARGET ${objetivo} APPEND PROPERTY LINK_DEPENDS ${NOVENARIO_POR_FICHERO_SCRIPT})
  endfunction()
  return()
endif()

# ---- Script mode: list the program's tests and write the entries ------------

string(REPLACE "|" ";" entorno "${ENTORNO}")
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env ${entorno} ${PROGRAMA} --gtest_list_tests --gtest_output=json:${LISTA}
  WORKING_DIRECTORY ${DIRECTORIO}
  TIMEOUT 60
  RESULT_VARIABLE resultado
  OUTPUT_VARIABLE salida
  ERROR_VARIABLE salida)
if(NOT resultado EQUAL 0 OR NOT EXISTS ${LISTA})
  message(FATAL_ERROR "${PROGRAMA} no ha podido listar sus pruebas (${resultado}):\n${salida}")
endif()
file(READ ${LISTA} json)

# Group the tests by the file that defines them. A value-parameterized test
# is one pattern for all its values.
set(ficheros "")
string(JSON num_suites LENGTH "${json}" testsuites)
math(EXPR ultima_suite "${num_suites} - 1")
foreach(s RANGE ${ultima_suite})
  string(JSON suite GET "${json}" testsuites ${s} name)
  string(JSON num_pruebas LENGTH "${json}" testsuites ${s} testsuite)
  math(EXPR ultima_prueba "${num_pruebas} - 1")
  foreach(p RANGE ${ultima_prueba})
    string(JSON prueba GET "${json}" testsuites ${s} testsuite ${p} name)
    if(suite MATCHES "^DISABLED_|/DISABLED_" OR prueba MATCHES "^DISABLED_")
      continue()
    endif()
    string(JSON fichero ERROR_VARIABLE sin_fichero GET "${json}" testsuites ${s} testsuite ${p} file)
    if(sin_fichero)
      set(clave "${suite}")
    else()
      # The path under tests/, whatever the compiler was told: "../../tests/
      # board/x_test.cpp" gives "board/x_test".
      string(REPLACE "\\" "/" fichero "${fichero}")
      string(REGEX REPLACE "^.*/tests/" "" clave "/${fichero}")
      string(REGEX REPLACE "\\.[^./]*$" "" clave "${clave}")
    endif()
    string(MAKE_C_IDENTIFIER "${clave}" id)
    string(JSON valor ERROR_VARIABLE sin_valor GET "${json}" testsuites ${s} testsuite ${p} value_param)
    if(sin_valor)
      set(patron "${suite}.${prueba}")
    else()
      string(REGEX REPLACE "/.*$" "/*" base "${prueba}")
      set(patron "${suite}.${base}")
    endif()
    if(NOT DEFINED patrones_${id})
      list(APPEND ficheros "${clave}")
      set(patrones_${id} "")
    endif()
    list(FIND patrones_${id} "${patron}" visto)
    if(visto EQUAL -1)
      list(APPEND patrones_${id} "${patron}")
    endif()
  endforeach()
endforeach()

set(texto "")
foreach(clave IN LISTS ficheros)
  string(MAKE_C_IDENTIFIER "${clave}" id)
  list(JOIN patrones_${id} ":" filtro)
  string(APPEND texto
    "add_test([==[${clave}]==] [==[${PROGRAMA}]==] [==[--gtest_filter=${filtro}]==] --gtest_brief=1)\n"
    "set_tests_properties([==[${clave}]==] PROPERTIES WORKING_DIRECTORY [==[${DIRECTORIO}]==] TIMEOUT ${LIMITE}")
  if(entorno)
    string(APPEND texto " ENVIRONMENT [==[${entorno}]==]")
  endif()
  string(APPEND texto ")\n")
endforeach()
file(WRITE ${SALIDA} "${texto}")
