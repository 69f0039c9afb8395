# cmake -DBUILD_DIR=... -DPREFIX=... -P InstallTest.cmake
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE installed OUTPUT_QUIET)
if(NOT installed EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${installed}")
endif()

foreach(program tessaro tessaro-render)
  if(NOT EXISTS "${PREFIX}/bin/${program}" OR IS_DIRECTORY "${PREFIX}/bin/${program}")
    message(FATAL_ERROR "${program} is not installed in bin")
  endif()
endforeach()
execute_process(COMMAND "${PREFIX}/bin/tessaro-render" --help
                RESULT_VARIABLE helped OUTPUT_QUIET ERROR_QUIET)
if(NOT helped EQUAL 0)
  message(FATAL_ERROR "the installed tessaro-render does not run: ${helped}")
endif()

set(entry "${PREFIX}/share/applications/tessaro.desktop")
set(icon "${PREFIX}/share/icons/hicolor/scalable/apps/tessaro.svg")
set(type "${PREFIX}/share/mime/packages/tessaro.xml")
foreach(file "${entry}" "${icon}" "${type}")
  if(NOT EXISTS "${file}")
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()

# The entry starts the installed program on a file, with the installed icon, for the type
# the shared-mime-info file gives *.kq.
file(READ "${entry}" desktop)
foreach(line "Exec=tessaro %f" "Icon=tessaro" "MimeType=application/x-tessaro-design;")
  string(FIND "${desktop}" "${line}" at)
  if(at LESS 0)
    message(FATAL_ERROR "the desktop entry lacks \"${line}\"")
  endif()
endforeach()
file(READ "${type}" mime)
foreach(text "type=\"application/x-tessaro-design\"" "pattern=\"*.kq\"" "name=\"tessaro\"")
  string(FIND "${mime}" "${text}" at)
  if(at LESS 0)
    message(FATAL_ERROR "the mime type lacks ${text}")
  endif()
endforeach()

# Where the tools are at hand, they must accept the files as they are.
find_program(VALIDATE desktop-file-validate)
if(VALIDATE)
  execute_process(COMMAND ${VALIDATE} "${entry}" RESULT_VARIABLE valid OUTPUT_VARIABLE said
                  ERROR_VARIABLE said)
  if(NOT valid EQUAL 0)
    message(FATAL_ERROR "desktop-file-validate: ${said}")
  endif()
endif()
find_program(UPDATE_MIME update-mime-database)
if(UPDATE_MIME)
  # The install ran it on the prefix: the database now maps the ending to the type.
  file(READ "${PREFIX}/share/mime/globs2" globs)
  string(FIND "${globs}" "application/x-tessaro-design:*.kq" at)
  if(at LESS 0)
    message(FATAL_ERROR "the mime database does not know *.kq")
  endif()
endif()
