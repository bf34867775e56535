# One static library per folder of src/, each linked only to the folders below
# it (ARCHITECTURE.md, tools/check_layering.sh). With MIRANDEL_LINK_CHECK every
# library is also linked on its own into a shared object that may leave no
# symbol undefined: a call into a folder above it does not link.
#
#   mirandel_layer(FOLDER [AUTOMOC] BELOW lower folders... LIBS other libraries...)
# AUTOMOC: the folder holds Qt objects (Q_OBJECT) for moc.
# The folders are those of MIRANDEL_LAYER_ROOT (src/ of the project by default).
set(MIRANDEL_NOTHING_SOURCE ${CMAKE_CURRENT_LIST_DIR}/nothing.cpp)
function(mirandel_layer folder)
  cmake_parse_arguments(PARSE_ARGV 1 LAYER "AUTOMOC" "" "BELOW;LIBS")
  if(NOT MIRANDEL_LAYER_ROOT)
    set(MIRANDEL_LAYER_ROOT ${PROJECT_SOURCE_DIR}/src)
  endif()
  file(GLOB sources CONFIGURE_DEPENDS ${MIRANDEL_LAYER_ROOT}/${folder}/*.cpp ${MIRANDEL_LAYER_ROOT}/${folder}/*.h)
  set(library mirandel_${folder})
  add_library(${library} STATIC ${sources})
  set_target_properties(${library} PROPERTIES AUTOMOC ${LAYER_AUTOMOC})
  target_include_directories(${library} PUBLIC ${MIRANDEL_LAYER_ROOT})
  target_compile_options(${library} PRIVATE ${WARNINGS})
  list(TRANSFORM LAYER_BELOW PREPEND mirandel_ OUTPUT_VARIABLE below)
  target_link_libraries(${library} PUBLIC ${below} ${LAYER_LIBS})
  if(MIRANDEL_LINK_CHECK)
    add_library(${library}_alone SHARED ${MIRANDEL_NOTHING_SOURCE})
    target_link_libraries(${library}_alone PRIVATE "$<LINK_LIBRARY:WHOLE_ARCHIVE,${library}>")
    target_link_options(${library}_alone PRIVATE -Wl,--no-undefined)
  endif()
endfunction()
