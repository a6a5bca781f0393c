# Who the program is: its version (project(VERSION)) and the desktop id that names its installed
# desktop entry, icon, MIME package and metadata, in reverse-domain form of the maker's site.
# luvenor_programa gives its users `#include "LuvenorPrograma.h"` with both.
set(LUVENOR_ID_APLICACAO example.luvenor.Luvenor)
# The day this version was released, for the metadata's release list and the manual pages.
set(LUVENOR_DATA_VERSAO 2026-12-09)
configure_file(${CMAKE_CURRENT_LIST_DIR}/LuvenorPrograma.h.in ${PROJECT_BINARY_DIR}/gerado/LuvenorPrograma.h @ONLY)
add_library(luvenor_programa INTERFACE)
target_include_directories(luvenor_programa INTERFACE ${PROJECT_BINARY_DIR}/gerado)
