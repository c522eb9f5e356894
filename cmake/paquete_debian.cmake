# Run by cpack once the files are in its staging folder and before the
# Debian package is made of them: what only the package needs.
#  - Debian keeps the programs of games in /usr/games; the game finds its
#    data from there as from /usr/bin (../share/novenario).
#  - No note or comment sections left in the binaries.
#  - A first package of a program not made for Debian's archive closes no
#    bug of it: lintian is told so.
file(GLOB_RECURSE binarios LIST_DIRECTORIES false "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/usr/bin/*")
if(binarios STREQUAL "")
  message(FATAL_ERROR "no programs in ${CPACK_TEMPORARY_INSTALL_DIRECTORY}")
endif()
find_program(STRIP strip REQUIRED)
foreach(b IN LISTS binarios)
  get_filename_component(bin "${b}" DIRECTORY)
  get_filename_component(usr "${bin}" DIRECTORY)
  get_filename_component(nombre "${b}" NAME)
  execute_process(COMMAND ${STRIP} --remove-section=.comment --remove-section=.note "${b}" COMMAND_ERROR_IS_FATAL ANY)
  file(MAKE_DIRECTORY "${usr}/games")
  file(RENAME "${b}" "${usr}/games/${nombre}")
  file(GLOB resto "${bin}/*")
  if(resto STREQUAL "")
    file(REMOVE_RECURSE "${bin}")
  endif()
  set(overrides "${usr}/share/lintian/overrides")
  file(MAKE_DIRECTORY "${overrides}")
  file(WRITE "${overrides}/novenario" "# Made by the game's own build, not uploaded to Debian: no ITP bug to close.\nnovenario: initial-upload-closes-no-bugs\n")
endforeach()
