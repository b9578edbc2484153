# One static library per layer, built from every source file below its folder.
# Subsystem folders can grow without touching the build files.
function(qintara_add_layer target folder)
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS
       ${folder}/*.cpp ${folder}/*.h ${folder}/*.qrc)
  add_library(${target} STATIC ${sources})
  target_include_directories(${target} PUBLIC ${CMAKE_SOURCE_DIR}/src)
  qintara_rerun_moc_on_new_files(${target} "${sources}")
endfunction()

# With Ninja, moc reruns only when a file it already knew changes, so a new
# header with Q_OBJECT goes unnoticed in an existing build folder. When the
# list of files changes, drop moc's stamp so that it runs again.
function(qintara_rerun_moc_on_new_files target sources)
  set(file_list ${CMAKE_CURRENT_BINARY_DIR}/${target}_files.txt)
  set(known "")
  if(EXISTS ${file_list})
    file(READ ${file_list} known)
  endif()
  if(NOT known STREQUAL "${sources}")
    file(WRITE ${file_list} "${sources}")
    file(REMOVE ${CMAKE_CURRENT_BINARY_DIR}/${target}_autogen/timestamp)
  endif()
endfunction()
