# novenario_dibujar --help (and a mistyped option) answers with how to use it
# and writes nothing: no folder named after the option.
#   -DPROGRAMA=<novenario_dibujar> -DDIR=<an empty scratch folder>
file(REMOVE_RECURSE "${DIR}")
file(MAKE_DIRECTORY "${DIR}")
foreach(caso "--help;0" "-h;0" "--ayuda;2" "--comprobar;2")
  list(GET caso 0 opcion)
  list(GET caso 1 esperado)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ${PROGRAMA} ${opcion}
    WORKING_DIRECTORY "${DIR}" RESULT_VARIABLE estado OUTPUT_VARIABLE salida ERROR_VARIABLE errores)
  if(NOT estado EQUAL esperado)
    message(FATAL_ERROR "novenario_dibujar ${opcion}: exit ${estado}, not ${esperado}\n${salida}${errores}")
  endif()
  if(NOT "${salida}${errores}" MATCHES "usage: novenario_dibujar")
    message(FATAL_ERROR "novenario_dibujar ${opcion} does not say how to use it:\n${salida}${errores}")
  endif()
  file(GLOB escrito "${DIR}/*")
  if(escrito)
    message(FATAL_ERROR "novenario_dibujar ${opcion} wrote ${escrito}")
  endif()
endforeach()
