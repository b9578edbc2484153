# One static library per layer, built from every source file below its folder.
# Subsystem folders can grow without touching the build files.
function(qintara_add_layer target folder)
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS
       ${folder}/*.cpp ${folder}/*.h ${folder}/*.qrc)
  add_library(${target} STATIC ${sources})
  target_include_directories(${target} PUBLIC ${CMAKE_SOURCE_DIR}/src)
endfunction()
