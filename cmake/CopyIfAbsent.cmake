# cmake -DSOURCE=<file> -DTARGET=<file> -P CopyIfAbsent.cmake
# Copies SOURCE to TARGET unless TARGET exists.
if(NOT EXISTS "${TARGET}")
  file(COPY_FILE "${SOURCE}" "${TARGET}")
endif()
