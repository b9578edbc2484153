# cmake -DSOURCE=<data> -DDESTINATION=<program folder> -P SyncData.cmake
if(EXISTS "${SOURCE}")
  file(COPY "${SOURCE}/" DESTINATION "${DESTINATION}")
endif()
