# Installs the game into a fresh prefix (cmake --install) and checks the
# tree as a desktop would use it: every file in its place and nothing else,
# the menu entry and the AppStream data valid, the file type of saved games
# readable, the manual pages sound, and the installed programs answering,
# the game finding its animations in share/ with nothing beside it.
#   cmake -DBUILD=... -DPREFIJO=... -DID=... -DMIME=... -P instalacion.cmake

function(falla)
  string(JOIN "" texto ${ARGN})
  message(FATAL_ERROR "${texto}")
endfunction()

# Runs a command; fails unless it ends with status 0. Output in SALIDA.
function(correr)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE estado OUTPUT_VARIABLE salida ERROR_VARIABLE errores)
  if(NOT estado EQUAL 0)
    string(JOIN " " orden ${ARGN})
    falla("${orden}: ${estado}\n${salida}${errores}")
  endif()
  set(SALIDA "${salida}${errores}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE "${PREFIJO}")
correr(${CMAKE_COMMAND} --install "${BUILD}" --prefix "${PREFIJO}")

# ---- the files -------------------------------------------------------------
set(esperados
  bin/novenario
  bin/novenario-cli
  share/novenario/ApliGraf/NovenarioIni.gif
  share/novenario/ApliGraf/LogoOrvalia.gif
  share/applications/${ID}.desktop
  share/metainfo/${ID}.metainfo.xml
  share/mime/packages/${ID}.xml
  share/icons/hicolor/scalable/apps/${ID}.svg
  share/man/man6/novenario.6.gz
  share/man/man6/novenario-cli.6.gz
  share/doc/novenario/copyright
  share/doc/novenario/changelog.Debian.gz
  share/doc/novenario/LICENSE
  share/doc/novenario/OFL-1.1.txt
  share/doc/novenario/fuentes.txt)
foreach(lado 16 32 48 64 128 256)
  list(APPEND esperados share/icons/hicolor/${lado}x${lado}/apps/${ID}.png)
endforeach()
file(GLOB_RECURSE instalados LIST_DIRECTORIES false RELATIVE "${PREFIJO}" "${PREFIJO}/*")
list(SORT esperados)
list(SORT instalados)
if(NOT instalados STREQUAL esperados)
  set(sobran ${instalados})
  list(REMOVE_ITEM sobran ${esperados})
  set(faltan ${esperados})
  list(REMOVE_ITEM faltan ${instalados})
  falla("installed tree differs; missing: ${faltan}; not expected: ${sobran}")
endif()

# Each PNG is a square of its own size (the width and height of the header).
foreach(lado 16 32 48 64 128 256)
  file(READ "${PREFIJO}/share/icons/hicolor/${lado}x${lado}/apps/${ID}.png" cabecera LIMIT 24 HEX)
  string(SUBSTRING "${cabecera}" 32 16 medidas)
  string(SUBSTRING "${medidas}" 0 8 w)
  string(SUBSTRING "${medidas}" 8 8 h)
  math(EXPR w "0x${w}")
  math(EXPR h "0x${h}")
  if(NOT w EQUAL lado OR NOT h EQUAL lado)
    falla("icon ${lado}x${lado} is ${w}x${h}")
  endif()
endforeach()

# ---- what a desktop reads ----------------------------------------------------
correr(desktop-file-validate "${PREFIJO}/share/applications/${ID}.desktop")
correr(appstreamcli validate --no-net "${PREFIJO}/share/metainfo/${ID}.metainfo.xml")
file(READ "${PREFIJO}/share/applications/${ID}.desktop" entrada)
# StartupWMClass: the class Qt gives the window (the application name), so a
# shell groups the window with this entry and its icon.
foreach(linea "Exec=novenario %f" "Icon=${ID}" "MimeType=${MIME};" "StartupWMClass=Novenario")
  string(FIND "${entrada}" "${linea}\n" donde)
  if(donde LESS 0)
    falla("the desktop entry has no line ${linea}")
  endif()
endforeach()
# The file type, as the system's MIME database builds it from the package.
find_program(UPDATE_MIME update-mime-database)
if(UPDATE_MIME)
  file(COPY "${PREFIJO}/share/mime/packages" DESTINATION "${PREFIJO}.mime")
  correr(${UPDATE_MIME} "${PREFIJO}.mime")
  file(READ "${PREFIJO}.mime/globs2" globos)
  file(REMOVE_RECURSE "${PREFIJO}.mime")
  string(FIND "${globos}" ":${MIME}:*.sdk" donde)
  if(donde LESS 0)
    falla("the MIME database does not give *.sdk to ${MIME}:\n${globos}")
  endif()
endif()
foreach(pagina novenario novenario-cli)
  correr(gzip -t "${PREFIJO}/share/man/man6/${pagina}.6.gz")
endforeach()
find_program(MAN man)
if(MAN)
  # groff's warnings, as lintian asks for them.
  foreach(pagina novenario novenario-cli)
    execute_process(COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C.UTF-8 MANWIDTH=80
      ${MAN} --warnings -E UTF-8 -l -Tutf8 -Z "${PREFIJO}/share/man/man6/${pagina}.6.gz"
      RESULT_VARIABLE estado OUTPUT_QUIET ERROR_VARIABLE avisos)
    if(NOT estado EQUAL 0 OR NOT avisos STREQUAL "")
      falla("man ${pagina}: ${estado} ${avisos}")
    endif()
  endforeach()
endif()

# ---- the installed programs ----------------------------------------------------
# --help and --version with no display at all.
set(sin_pantalla ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM)
correr(${sin_pantalla} "${PREFIJO}/bin/novenario" --version)
if(NOT SALIDA MATCHES "^Novenario [0-9]+\\.[0-9]+\n$")
  falla("novenario --version says: ${SALIDA}")
endif()
correr(${sin_pantalla} "${PREFIJO}/bin/novenario" --help)
if(NOT SALIDA MATCHES "^Uso: novenario")
  falla("novenario --help says: ${SALIDA}")
endif()
# The game itself, offscreen, left at its start window: it says where its
# animation came from, and is stopped.
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES=novenario.graficos.info=true
          "${PREFIJO}/bin/novenario"
  TIMEOUT 6 RESULT_VARIABLE estado OUTPUT_VARIABLE salida ERROR_VARIABLE errores)
set(visto "NovenarioIni.gif: animation shown from ${PREFIJO}/share/novenario/ApliGraf/NovenarioIni.gif")
string(FIND "${errores}" "${visto}" donde)
if(donde LESS 0)
  falla("the installed game did not show its animation from share/ (${estado}):\n${salida}${errores}")
endif()
# The companion tool is there and runs (its answers are its own tests').
execute_process(COMMAND "${PREFIJO}/bin/novenario-cli" --help RESULT_VARIABLE estado OUTPUT_VARIABLE salida
  ERROR_VARIABLE errores)
if(NOT estado MATCHES "^[0-9]+$" OR "${salida}${errores}" STREQUAL "")
  falla("novenario-cli did not run: ${estado}")
endif()
file(REMOVE_RECURSE "${PREFIJO}")
message(STATUS "installed tree in order")
