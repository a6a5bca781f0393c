# Warnings, sanitizers and the small functions every folder uses.

# Set for the whole tree, so that every target (libraries, executables, tests, benchmarks, fuzz
# targets, and any added later) compiles with the same warnings and meets QString only through
# explicit conversions.
set(LUVENOR_WARNINGS -Wall -Wextra)
if(LUVENOR_WERROR)
  list(APPEND LUVENOR_WARNINGS -Werror)
endif()
add_compile_options(${LUVENOR_WARNINGS})
add_compile_definitions(QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII)

# The real NF-e samples that tests and benchmarks read at run time; they are kept beside the project.
get_filename_component(LUVENOR_SHARED_DIR "${PROJECT_SOURCE_DIR}/../shared" ABSOLUTE)
set(LUVENOR_SAMPLES_DIR "${LUVENOR_SHARED_DIR}/nfe-samples" CACHE PATH "Folder of real NF-e sample files")

if(LUVENOR_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

if(LUVENOR_FUZZ)
  # Every library is instrumented for coverage; only the fuzz targets link the fuzzer's main.
  # A sanitizer report stops the fuzzer, as a crash does, and leaves its input behind.
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

# luvenor_library(NAME SOURCES ... LIBS ...): one static library per folder.
function(luvenor_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  list(FILTER ARG_SOURCES INCLUDE REGEX "\\.cpp$")
  if(NOT ARG_SOURCES)
    message(STATUS "${name}: no sources yet, skipped")
    return()
  endif()
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  if(ARG_LIBS)
    target_link_libraries(${name} PUBLIC ${ARG_LIBS})
  endif()
endfunction()
